// The formula templates of the 101 calculations and the insert-formula command that
// turns one of them into a set-up record for the dialog.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/ConstantsArray.h"
#include "insert/SetupRecord.h"

namespace zul {

// The current texts of the settings window's edit fields, taken verbatim (not trimmed,
// not reformatted). The defaults are those of a fresh settings window.
struct SettingsTexts {
    std::string roVoda = DefaultConstantText(ConstantsArray::RoVoda);        // EditPlotnVoda
    std::string cmVoda = DefaultConstantText(ConstantsArray::CmVoda);        // EditTeplMVoda
    std::string cmVozd = DefaultConstantText(ConstantsArray::CmVozd);        // EditTeplMVozd
    std::string cvVozd = DefaultConstantText(ConstantsArray::CvVozd);        // EditTeplVVozd
    std::string roMatTrub = DefaultConstantText(ConstantsArray::RoMatTrub);  // EditPlotnMatTr
};

struct FormulaTemplate {
    int code;
    int fieldCount;                // 1..6
    std::string_view title;        // caption of the dialog's title panel
    std::string_view pattern;      // empty: no template (argument groups are built instead)
    std::array<std::string_view, 6> captions;
};

// All rows, ascending by code.
std::span<const FormulaTemplate> FormulaTemplateTable();

// nullptr when the code has no row (0, a group node's code, anything else).
const FormulaTemplate* FindFormulaTemplate(int code);

// The template with the settings texts spelled in:
// "X1*3600/({Cm-Voda}*{Ro-Voda}*X2)" -> "X1*3600/(4.18*970*X2)".
std::string SpellTemplate(std::string_view pattern, const SettingsTexts& settings);

// True when the pattern reads a settings text.
bool TemplateUsesSettings(std::string_view pattern);

// Fills the record and the title for a code; false (record left empty) without a row.
bool MakeSetupRecord(int code, const SettingsTexts& settings, std::string& title, TMasDatStr& record);

// RunInsertFormula (SpButtonVstFuncClick): the text that replaces the input line, or nothing
// (no row for the code, or the dialog was left without inserting). The calculation code is
// not changed.
std::optional<std::string> RunInsertFormula(int code, const SettingsTexts& settings,
                                            const RunDialogFunction& runDialog);

// The popup item's error when no calculation is selected (PMIncRasClick).
inline constexpr std::string_view kChooseCalculationText = "Выберите тип расчета (формулу)...";

}  // namespace zul
