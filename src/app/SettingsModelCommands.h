// The commands of the settings window TFormOptions that decide something: editing marks the
// configuration as modified, the grid's row rules, the auto-load file, closing with
// validation and repair.
#pragma once

#include <cstdint>
#include <string_view>

#include "eval/EvalContext.h"
#include "settings/ConstantFields.h"

namespace zul {

struct Calculator;
class Platform;

// What closing the window decided.
struct OptionsCloseOutcome {
    bool close = false;
    bool focusBadField = false;
    std::uint8_t badField = kBadFieldGrid;  // the field to focus; 0 the grid
};

class SettingsCommands {
public:
    SettingsCommands(Calculator& calculator, Platform& platform) : c_(calculator), platform_(platform) {}

    // Each change of a field text (the six constant fields).
    void EditConstantField(ConstantField field, std::string_view text);
    void SetAutoLoadPath(std::string_view text);                         // EditFAutoLoadChange
    void EditConstantCell(int column, int row, std::string_view text);  // StrGridConstSetEditText
    void SetRememberedCount(int position);                               // TrBarNVirChange
    // Clicks on the grid, the group box GrBoxUgls and the panel PanExit themselves.
    void MarkModifiedByClick();
    // A new angle unit marks the configuration as modified (the settings file stores it);
    // the exit check boxes do not (the program INI holds them, written at exit).
    void SetAngleUnit(AngleUnit unit);
    void SetEscExit(bool on);
    void SetAskExit(bool on);

    void ChooseAutoLoadFile();       // BBtnAutoLoadClick
    void SetAutoLoad(bool checked);  // ChBoxAutoLoadClick

    // BBtnExitOptClick, "Закрыть" and Esc: validates, converts the fields into the constants,
    // or asks to repair.
    OptionsCloseOutcome ApplyAndClose();
    // FormCloseQuery, any attempt to close: validates only.
    OptionsCloseOutcome ValidateForClose();

private:
    Calculator& c_;
    Platform& platform_;
};

}  // namespace zul
