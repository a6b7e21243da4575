// Settings window commands.
#include "app/SettingsModelCommands.h"

#include "app/Calculator.h"
#include "app/FileCommands.h"
#include "platform/FilePaths.h"
#include "platform/Platform.h"

namespace zul {

void SettingsCommands::EditConstantField(ConstantField field, std::string_view text) {
    c_.settings.fields[field] = std::string(text);
    c_.main.settingsFile.modified = true;
}

void SettingsCommands::SetAutoLoadPath(std::string_view text) {
    c_.settings.autoLoadPath = std::string(text);
    c_.main.settingsFile.modified = true;
}

void SettingsCommands::EditConstantCell(int column, int row, std::string_view text) {
    if (c_.settings.grid.SetEditText(column, row, text)) c_.main.settingsFile.modified = true;
}

void SettingsCommands::SetRememberedCount(int position) {
    c_.settings.SetTrackBarPosition(position);
    c_.main.settingsFile.modified = true;
}

void SettingsCommands::MarkModifiedByClick() { c_.main.settingsFile.modified = true; }

void SettingsCommands::SetAngleUnit(AngleUnit unit) {
    // The settings file stores the angle unit: a change that did not mark the configuration
    // would be lost to "Сохранить", which writes only modified configurations.
    if (c_.settings.angleUnit != unit) c_.main.settingsFile.modified = true;
    c_.settings.angleUnit = unit;
}
void SettingsCommands::SetEscExit(bool on) { c_.settings.escExit = on; }
void SettingsCommands::SetAskExit(bool on) { c_.settings.askExit = on; }

void SettingsCommands::ChooseAutoLoadFile() {
    const FileDialogRequest request{"Файл с настройками калькулятора", std::string(kSettingsFilter),
                                    std::string(kSettingsExtension), {}};
    const std::optional<ChosenFile> chosen = ChooseFile(platform_, request, FileDialogKind::Open);
    if (!chosen || !chosen->hasExtension) return;
    const std::string path = chosen->path;
    c_.settings.autoLoadPath = path;
    c_.main.settingsFile.modified = true;  // the field changed
    if (c_.settings.autoLoadPath.empty()) c_.settings.autoLoad = false;
    if (!IsFile(path)) {
        c_.settings.autoLoadPath.clear();
        platform_.ShowError("Файл не существует:  " + path);
    }
}

void SettingsCommands::SetAutoLoad(bool checked) {
    c_.settings.autoLoad = checked;
    c_.main.settingsFile.modified = true;
    if (checked && c_.settings.autoLoadPath.empty()) ChooseAutoLoadFile();
}

OptionsCloseOutcome SettingsCommands::ApplyAndClose() {
    SettingsModel& s = c_.settings;
    if (s.autoLoadPath.empty()) s.autoLoad = false;
    OptionsCloseOutcome out;
    if (s.ValidateOptions(out.badField)) {
        s.constants = ReadConstantRecord(s.fields);
        out.close = true;
        return out;
    }
    out.focusBadField = true;
    const bool repair = platform_.ShowMessage(MessageKind::Confirmation, kRepairQuestionText,
                                              MessageButtons::YesNo) == MessageResult::Yes;
    if (repair && !RepairConstantField(s.fields, out.badField)) {
        platform_.ShowMessage(MessageKind::Warning, ConstantsErrorText(2), MessageButtons::Ok);
    }
    return out;
}

OptionsCloseOutcome SettingsCommands::ValidateForClose() {
    OptionsCloseOutcome out;
    if (c_.settings.ValidateOptions(out.badField)) {
        out.close = true;
        return out;
    }
    out.focusBadField = true;
    platform_.ShowMessage(MessageKind::Warning, ConstantsErrorText(ConstantsErrorKind(out.badField)),
                          MessageButtons::Ok);
    return out;
}

}  // namespace zul
