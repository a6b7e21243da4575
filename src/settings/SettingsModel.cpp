// Defaults, reset and validation of the settings model.
#include "settings/SettingsModel.h"

#include <algorithm>

#include "settings/IniInteger.h"

namespace zul {

std::string RecentSettingsFiles::Text() const {
    return selected_ >= 0 ? entries_[static_cast<std::size_t>(selected_)] : std::string();
}

void RecentSettingsFiles::Add(std::string_view path) {
    std::erase(entries_, path);
    entries_.insert(entries_.begin(), std::string(path));
    selected_ = 0;
}

void RecentSettingsFiles::Select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
}

void SettingsModel::SetTrackBarPosition(int position) {
    trackBar_ = std::clamp(position, kTrackBarMin, kTrackBarMax);
}

std::string SettingsModel::PanelNVirCaption() const {
    return std::string(kPanelNVirPrefix) + " " + IniIntegerText(trackBar_);
}

void SettingsModel::TakeProgramIniValues(const ProgramIniValues& values) {
    autoLoad = values.autoLoad;
    autoLoadPath = values.autoLoadPath;
    angleUnit = values.angleUnit;
    escExit = values.escExit;
    askExit = values.askExit;
}

ProgramIniValues SettingsModel::ProgramIniValuesToWrite() const {
    return {autoLoad, autoLoadPath, angleUnit, escExit, askExit, {}};  // the heading is the report's
}

void SettingsModel::ResetOptions() {
    ResetConstantFields(fields, constants);
    grid.Reset();
    recentFiles.ClearText();
    trackBar_ = DefaultInteger(keys::kMaxCountStrings);
    autoLoadPath = keys::kAutoLoadFile.defaultText;
    autoLoad = DefaultInteger(keys::kAutoLoad) != 0;
    angleUnit = DefaultAngleUnit();
    recentFiles.Add("");  // the empty entry at the top stands for no settings file
}

bool SettingsModel::ValidateOptions(std::uint8_t& badField) {
    return zul::ValidateOptions(fields, badField, [this] { return grid.TidyAndCheck(); });
}

EvalContext SettingsModel::MakeEvalContext() const {
    EvalContext context;
    context.userConstants = grid.UserConstants();
    context.angleUnit = angleUnit;
    return context;
}

}  // namespace zul
