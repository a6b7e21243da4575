// Open, save, save as, close, the recent-file switch, auto-load and exit.
#include "app/FileCommands.h"

#include "app/Calculator.h"
#include "eval/Text.h"
#include "platform/FilePaths.h"
#include "platform/Platform.h"

namespace zul {
namespace {

FileDialogRequest SettingsDialog(std::string title) {
    return {std::move(title), std::string(kSettingsFilter), std::string(kSettingsExtension), {}};
}

const std::string kChooseAnother = "Выберите другое имя.";

}  // namespace

FileCommandOutcome FileCommands::SaveSettingsFile() {
    const SettingsFileState& file = c_.main.settingsFile;
    if (!file.modified && file.InUse()) {
        platform_.ShowInformation("Текущая конфигурация Калькулятора уже сохранена в файле:\n" +
                                  file.currentFile);
        return {};
    }
    if (file.InUse()) {
        WriteSettingsFile(c_, platform_);
        return {};
    }
    return SaveSettingsFileAs();
}

FileCommandOutcome FileCommands::SaveSettingsFileAs() {
    const std::optional<ChosenFile> chosen =
        ChooseFile(platform_, SettingsDialog("Сохранить настройки Калькулятора"), FileDialogKind::Save);
    if (!chosen) return {};
    const std::string& path = chosen->path;
    if (!chosen->hasExtension) {
        c_.main.settingsFile.currentFile.clear();
        platform_.ShowError("Настройки сохраняются в файлах с расширениями \"*.ini\" !\n" + kChooseAnother);
        return {};
    }
    std::string name;
    if (!SingleExtension(path, name)) {
        c_.main.settingsFile.currentFile.clear();
        platform_.ShowError("Ошибка в расширении файла:  " + name);
        return {};
    }
    const std::string previous = c_.main.settingsFile.currentFile;
    c_.main.settingsFile.currentFile = path;
    if (!WriteSettingsFile(c_, platform_)) {
        // Nothing was saved there: the file in use stays the one it was.
        c_.main.settingsFile.currentFile = previous;
        return {};
    }
    c_.settings.grid.SetFileNameCell(name);
    c_.settings.AddRecentSettingsFile(path);
    return {true, std::nullopt};
}

bool FileCommands::AskHistoryQuestion(const std::string& path, int& answer) {
    answer = kAnswerAppend;
    if (c_.main.history.Empty() || CountStoredStrings(path) <= 0) return true;
    answer = c_.question.Ask(platform_, QuestionKind::History);
    return answer != kAnswerAbort;
}

SettingsReadOutcome FileCommands::ReadAndRemember(const std::string& path, int historyAnswer) {
    c_.main.settingsFile.currentFile = path;
    SettingsReadOutcome read = ReadSettingsFile(c_, platform_, historyAnswer);
    if (read.read) {
        c_.settings.grid.SetFileNameCell(FileNameOf(path));
        c_.settings.AddRecentSettingsFile(path);
    }
    return read;
}

FileCommandOutcome FileCommands::OpenSettingsFile() {
    const std::optional<ChosenFile> chosen =
        ChooseFile(platform_, SettingsDialog("Открыть настройки Калькулятора"), FileDialogKind::Open);
    if (!chosen) return {};
    const std::string& path = chosen->path;
    if (!chosen->hasExtension) {
        c_.main.settingsFile.currentFile.clear();
        platform_.ShowError("Этой командой можно открывать файлы только с расширениями \"*.ini\" !\n" +
                            kChooseAnother);
        return {};
    }
    const std::string name = FileNameOf(path);
    if (EqualIgnoringAsciiCase(name, kProgramIniName)) {
        c_.main.settingsFile.currentFile.clear();
        platform_.ShowError("Файл:  " + name +
                            "\nзарезервирован программой Zul.exe, поэтому не может быть "
                            "использован для других целей. \n" +
                            kChooseAnother);
        return {};
    }
    int answer = kAnswerAppend;
    if (!AskHistoryQuestion(path, answer)) return {};
    if (!IsFile(path)) {
        c_.main.settingsFile.currentFile.clear();
        platform_.ShowError("Файл не существует:  " + path);
        return {};
    }
    FileCommandOutcome outcome;
    outcome.read = ReadAndRemember(path, answer);
    outcome.changedConfiguration = outcome.read->read;
    if (outcome.read->read) c_.main.settingsFile.modified = false;
    return outcome;
}

FileCommandOutcome FileCommands::CloseSettingsFile() {
    if (!c_.main.settingsFile.InUse()) return {};
    const int answer = c_.question.Ask(platform_, QuestionKind::CloseSettings);
    if (answer == kAnswerAbort) return {};
    // A file whose changes could not be saved stays open, so that nothing is lost.
    if (c_.main.settingsFile.modified && !WriteSettingsFile(c_, platform_)) return {};
    c_.main.settingsFile.currentFile.clear();
    if (answer == kAnswerKeepSettings) {
        platform_.ShowInformation(
            "Текущий файл конфигурации закрыт. Установленные настройки Калькулятора оставлены без "
            "изменения.");
        return {};
    }
    c_.settings.ResetOptions();
    c_.main.history.Clear();
    c_.memory.Clear();
    platform_.ShowInformation(
        "Текущий файл конфигурации закрыт. Настройки Калькулятора установлены \"по умолчанию\".");
    return {true, std::nullopt};
}

FileCommandOutcome FileCommands::SwitchToRecentFile(int index) {
    RecentSettingsFiles& recent = c_.settings.recentFiles;
    const int before = recent.Selected();
    if (index < 0 || index >= static_cast<int>(recent.Entries().size())) return {};
    const std::string picked = recent.Entries()[static_cast<std::size_t>(index)];
    recent.Select(index);
    // The configuration goes into the file in use first; if it cannot, the switch stops.
    if (!WriteSettingsFile(c_, platform_)) {
        recent.Select(before);
        return {};
    }
    int answer = kAnswerAppend;
    if (!AskHistoryQuestion(picked, answer)) {
        recent.Select(before);
        return {};
    }
    FileCommandOutcome outcome;
    outcome.changedConfiguration = true;
    if (picked.empty()) {
        c_.main.settingsFile.currentFile.clear();
        c_.settings.ResetOptions();
        c_.main.history.Clear();
        c_.memory.Clear();
        return outcome;
    }
    c_.main.settingsFile.currentFile = picked;
    outcome.read = ReadSettingsFile(c_, platform_, answer);
    if (!outcome.read->read) {
        recent.ClearText();  // no file is in use: the list says so
        outcome.changedConfiguration = false;
    }
    return outcome;
}

FileCommandOutcome FileCommands::ConfirmAndOpenSettingsFile() {
    if (!platform_.ConfirmYesNo(
            "Перед загрузкой новых настроек текущие будут потеряны. Загрузить новые?...")) {
        return {};
    }
    return OpenSettingsFile();
}

FileCommandOutcome FileCommands::AutoLoadAtFirstActivation() {
    if (c_.main.activationGuard) return {};
    c_.main.activationGuard = true;
    FileCommandOutcome outcome;
    const SettingsModel& s = c_.settings;
    if (s.autoLoad && !s.autoLoadPath.empty() && IsFile(s.autoLoadPath)) {
        outcome.read = ReadAndRemember(s.autoLoadPath, kAnswerAppend);
        outcome.changedConfiguration = outcome.read->read;
    }
    c_.main.activated = true;
    return outcome;
}

bool FileCommands::MayExit() {
    if (c_.settings.askExit) {
        const MessageResult r =
            platform_.ShowMessage(MessageKind::Confirmation, "Закрыть программу ЗУЛ?", MessageButtons::YesNo);
        if (r != MessageResult::Yes) return false;
    }
    ProgramIniValues values = c_.settings.ProgramIniValuesToWrite();
    values.reportHeading = c_.report.heading;
    const IniSaveResult saved = WriteProgramIni(c_.main.startDirectory, values);
    if (!saved.ok) {
        platform_.ShowError("Не удалось сохранить файл " + std::string(kProgramIniName) + ":\n" +
                            ProgramIniPath(c_.main.startDirectory) + "\n" + saved.error);
    }
    return true;
}

}  // namespace zul
