// The commands on settings files (menu "Файл" of the main window and the recent-file list
// of the settings window), auto-load at the first activation and the exit with its program
// INI. Questions, file dialogs and messages go through the platform.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/SettingsFile.h"

namespace zul {

struct Calculator;
class Platform;

inline constexpr std::string_view kSettingsFilter = "Настройки (*.ini)|*.ini|Все файлы (*.*)|*.*";
inline constexpr std::string_view kSettingsExtension = "ini";

// What the windows refresh after a command.
struct FileCommandOutcome {
    bool changedConfiguration = false;        // settings, memory or history changed: show them anew
    std::optional<SettingsReadOutcome> read;  // a file was read: show its selection and focus
};

class FileCommands {
public:
    FileCommands(Calculator& calculator, Platform& platform) : c_(calculator), platform_(platform) {}

    FileCommandOutcome NFileSaveClick();    // "Сохранить..." F2
    FileCommandOutcome NFileSaveAsClick();  // "Сохранить как..." Alt+F2
    FileCommandOutcome NFileLoadClick();    // "Открыть..." F3
    FileCommandOutcome NFileCloseClick();   // "Закрыть" Alt+F3
    // The user picked entry `index` of CBoxIniFile in the settings window.
    FileCommandOutcome CBoxIniFileChange(int index);
    // "Файл" of the settings window: asks, then opens.
    FileCommandOutcome BBtnIniFileClick();
    // First activation of the main window: the auto-load. Later activations do nothing.
    FileCommandOutcome FormActivate();
    // Every way of closing the main window. False: the program stays open.
    bool FormCloseQuery();

private:
    bool AskHistoryQuestion(const std::string& path, int& answer);
    // Reads the current file; on success shows its name in row 0 and puts it on top of the
    // recent files.
    SettingsReadOutcome ReadAndRemember(const std::string& path, int historyAnswer);

    Calculator& c_;
    Platform& platform_;
};

}  // namespace zul
