// The settings window TFormOptions as data: the constant fields and the constants array,
// the user constants, the angle unit, the track bar, the recent settings files, auto-load
// and the exit options.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/ConstantsArray.h"
#include "eval/EvalContext.h"
#include "settings/ConstantFields.h"
#include "settings/ProgramIni.h"
#include "settings/SettingsKeys.h"
#include "settings/UserConstants.h"

namespace zul {

// CBoxIniFile: paths newest first; an empty entry stands for "no settings file".
class RecentSettingsFiles {
public:
    const std::vector<std::string>& Entries() const { return entries_; }
    int Selected() const { return selected_; }  // -1: the text is empty
    std::string Text() const;
    // AddRecentSettingsFile: to the top and selected; other equal entries (exact,
    // case-sensitive) removed.
    void Add(std::string_view path);
    void ClearText() { selected_ = -1; }
    void Select(int index);

private:
    std::vector<std::string> entries_;
    int selected_ = -1;
};

struct SettingsModel {
    static constexpr int kTrackBarMin = keys::kMaxCountStrings.min;
    static constexpr int kTrackBarMax = keys::kMaxCountStrings.max;
    static constexpr std::string_view kPanelNVirPrefix = "Количество запоминаемых выражений =";

    ConstantFieldTexts fields;
    ConstantsArray constants;
    UserConstantsGrid grid;
    AngleUnit angleUnit = DefaultAngleUnit();
    RecentSettingsFiles recentFiles;
    bool autoLoad = false;     // ChBoxAutoLoad
    std::string autoLoadPath;  // EditFAutoLoad
    bool escExit = false;      // ChBoxEscExit
    bool askExit = false;      // ChBoxAskExit

    int TrackBarPosition() const { return trackBar_; }
    void SetTrackBarPosition(int position);  // clamped to 10..255 as the track bar does
    std::string PanelNVirCaption() const;

    // FormCreate step 5: the start-up values of the program INI.
    void TakeProgramIniValues(const ProgramIniValues& values);
    // The values the exit writes into the program INI.
    ProgramIniValues ProgramIniValuesToWrite() const;

    // ResetOptions: everything to its default but the exit options.
    void ResetOptions();
    void AddRecentSettingsFile(std::string_view path) { recentFiles.Add(path); }

    // ValidateOptions: the fields, then the grid (tidied). badField names the failure.
    bool ValidateOptions(std::uint8_t& badField);

    // What the evaluator reads: the user constants and the angle unit.
    EvalContext MakeEvalContext() const;

private:
    int trackBar_ = DefaultInteger(keys::kMaxCountStrings);
};

}  // namespace zul
