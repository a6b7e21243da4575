// Settings files: WriteSettingsFile, ReadSettingsFile and CountStoredStrings move one
// configuration between the calculator's state and an INI file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/Selection.h"
#include "settings/IniDocument.h"
#include "settings/SettingsKeys.h"  // kMaxUserConstants, kMaxStoredStrings

namespace zul {

struct Calculator;
class Platform;

enum class FocusTarget { None, InputLine, Tree };

// What the windows show after a read.
struct SettingsReadOutcome {
    bool read = false;  // false: the header check (or the file) failed and nothing changed
    // The tree selection to show (hint, picture, enabled commands); none when the stored
    // node does not exist, in which case the tree shows no selection and the
    // insert-formula and literature commands stay disabled (clearTreeSelection).
    std::optional<TopicSelection> selection;
    bool clearTreeSelection = false;
    bool showStartPicture = false;  // ShowPicture(1) after the selection
    FocusTarget focus = FocusTarget::None;
};

// Writes the whole configuration to the current settings file; true with nothing to do
// when no file is current. A failed or refused write (more than kMaxUserConstants user
// constants) is shown in an error box and leaves the settings-modified flag set (and the
// old file as it was).
bool WriteSettingsFile(Calculator& calculator, Platform& platform);

// Fills a document with the configuration, as WriteSettingsFile writes it. The sections
// the file owns are erased first; any other section stays. Returns how many of the oldest
// journal entries did not fit the journal's share of the file and were left out.
std::size_t StoreSettings(const Calculator& calculator, IniDocument& document);

// Reads the current settings file. historyAnswer is the answer of the history question
// (1 replace, 2 append, 3 keep); a load that asked nothing passes kAnswerAppend.
SettingsReadOutcome ReadSettingsFile(Calculator& calculator, Platform& platform, int historyAnswer);
// The read of a document that passed the header check.
SettingsReadOutcome ReadSettingsDocument(Calculator& calculator, Platform& platform, const IniDocument& document,
                                         int historyAnswer);

// The header check without a message, then CountStrings; 0 in every other case.
int CountStoredStrings(const std::string& path);

// Why a configuration with too many user constants is not saved.
std::string TooManyUserConstantsText();

// Why a read left out entries of the stored journal.
std::string UnreadJournalText(int count);
// Why a save left out the oldest entries of the journal.
std::string JournalCutText(std::size_t written, std::size_t entries);

// The header error of a read: "Этот файл не является файлом настроек для программы ЗУЛ:  name".
std::string NotSettingsFileText(const std::string& path);

// For the command-line calculator: reads a settings file into the calculator without a
// window. A missing file or one that fails the header check gives false with the window's
// message in error; messages that a read shows but survives go to warnings.
bool LoadSettingsFileForCommandLine(Calculator& calculator, const std::string& path, std::string& error,
                                    std::vector<std::string>* warnings = nullptr);

}  // namespace zul
