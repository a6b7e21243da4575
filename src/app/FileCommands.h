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

    FileCommandOutcome SaveSettingsFile();    // NFileSaveClick "Сохранить..." F2
    FileCommandOutcome SaveSettingsFileAs();  // NFileSaveAsClick "Сохранить как..." Alt+F2
    FileCommandOutcome OpenSettingsFile();    // NFileLoadClick "Открыть..." F3
    FileCommandOutcome CloseSettingsFile();   // NFileCloseClick "Закрыть" Alt+F3
    // CBoxIniFileChange: the user picked entry `index` of CBoxIniFile in the settings window.
    FileCommandOutcome SwitchToRecentFile(int index);
    // BBtnIniFileClick, "Файл" of the settings window: asks, then opens.
    FileCommandOutcome ConfirmAndOpenSettingsFile();
    // FormActivate of the main window: the auto-load at the first activation; later ones do
    // nothing.
    FileCommandOutcome AutoLoadAtFirstActivation();
    // FormCloseQuery of the main window, every way of closing it. False: the program stays
    // open.
    bool MayExit();

private:
    bool AskHistoryQuestion(const std::string& path, int& answer);
    // Reads the current file; on success shows its name in row 0 and puts it on top of the
    // recent files.
    SettingsReadOutcome ReadAndRemember(const std::string& path, int historyAnswer);

    Calculator& c_;
    Platform& platform_;
};

}  // namespace zul
