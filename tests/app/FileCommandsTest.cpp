// The settings file commands: open, save, save as, close, the recent-file switch, auto-load
// and exit, with their questions and messages.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/Calculator.h"
#include "app/FileCommands.h"
#include "app/SettingsFileTestSupport.h"
#include "platform/ScriptedPlatform.h"
#include "settings/IniFile.h"
#include "settings/IniTestFiles.h"

namespace zul {
namespace {

using testing::Configured;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::string kHeader = "[Program]\r\nName=ZUL (ver 1.4)\r\n";
const std::string kWithStrings =
    kHeader + "[General]\r\nRadian=1\r\n[UserStrings]\r\nCountStrings=1\r\nstr-1=f//!1//!\r\n";

struct Fixture {
    TempFolder dir;
    ScriptedPlatform platform;
    Calculator calc;
    FileCommands commands{calc, platform};
    std::string File(const std::string& name) const { return dir.File(name); }
};

TEST(FileCommands, SaveAsChecksTheName) {
    const struct {
        const char* name;
        const char* chosen;
        const char* written;    // file expected on disk; "" none
        const char* shownName;  // row 0 of the grid after success
        std::vector<std::string> messages;
    } cases[] = {
        {"plain name", "a.ini", "a.ini", "a.ini", {}},
        {"upper-case extension", "A.INI", "A.INI", "A.INI", {}},
        {"typed without extension", "conf", "conf.ini", "conf.ini", {}},
        {"two dots before the extension", "a..ini", "a..ini", "a.ini", {}},
        {"the reserved name is allowed", "Zul.ini", "Zul.ini", "Zul.ini", {}},
        {"other extension",
         "a.txt",
         "",
         "",
         {"Настройки сохраняются в файлах с расширениями \"*.ini\" !\nВыберите другое имя."}},
        {"a dot inside the extension", "a.b.ini", "", "", {"Ошибка в расширении файла:  a.b.ini"}},
        {"a run of dots then another dot", "a...b.ini", "", "", {"Ошибка в расширении файла:  a.b.ini"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.calc.main.settingsFile.currentFile = f.File("old.ini");  // failure paths empty it
        f.platform.QueueFile(f.File(c.chosen));
        f.commands.SaveSettingsFileAs();
        EXPECT_EQ(f.platform.MessageTexts(), c.messages);
        ASSERT_EQ(f.platform.fileDialogs().size(), 1u);
        const auto& request = f.platform.fileDialogs()[0].request;
        EXPECT_EQ(request.title, "Сохранить настройки Калькулятора");
        EXPECT_EQ(request.filter, "Настройки (*.ini)|*.ini|Все файлы (*.*)|*.*");
        EXPECT_EQ(request.defaultExtension, "ini");
        if (*c.written) {
            EXPECT_TRUE(std::filesystem::exists(f.File(c.written)));
            EXPECT_EQ(f.calc.main.settingsFile.currentFile, f.File(c.written));
            EXPECT_EQ(f.calc.settings.grid.FileNameCell(), c.shownName);
            EXPECT_EQ(f.calc.settings.recentFiles.Text(), f.File(c.written));
        } else {
            EXPECT_TRUE(f.calc.main.settingsFile.currentFile.empty());
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.Path()), {}), 0);
        }
    }
}

TEST(FileCommands, Save) {
    const struct {
        const char* name;
        bool fileInUse;
        bool modified;
        bool writes;
        bool asksForName;
        std::vector<std::string> messages;
    } cases[] = {
        {"unchanged",
         true,
         false,
         false,
         false,
         {"Текущая конфигурация Калькулятора уже сохранена в файле:\n<path>"}},
        {"changed", true, true, true, false, {}},
        {"no file: save as", false, true, false, true, {}},
        {"no file, unchanged: save as", false, false, false, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        const std::string path = f.File("s.ini");
        WriteBytes(path, kHeader);
        if (c.fileInUse) f.calc.main.settingsFile.currentFile = path;
        f.calc.main.settingsFile.modified = c.modified;
        f.commands.SaveSettingsFile();  // a save-as dialog is cancelled
        EXPECT_EQ(ReadBytes(path) != kHeader, c.writes);
        EXPECT_EQ(f.platform.fileDialogs().size(), c.asksForName ? 1u : 0u);
        std::vector<std::string> expected;
        for (std::string m : c.messages) expected.push_back(m.replace(m.find("<path>"), 6, path));
        EXPECT_EQ(f.platform.MessageTexts(), expected);
        if (c.writes) {
            EXPECT_FALSE(f.calc.main.settingsFile.modified);
        }
    }
}

TEST(FileCommands, OpenChecksTheName) {
    const struct {
        const char* name;
        const char* chosen;
        std::vector<std::string> messages;
    } cases[] = {
        {"other extension",
         "a.txt",
         {"Этой командой можно открывать файлы только с расширениями \"*.ini\" !\nВыберите другое имя."}},
        {"reserved name",
         "Zul.ini",
         {"Файл:  Zul.ini\nзарезервирован программой Zul.exe, поэтому не может быть использован для других "
          "целей. "
          "\nВыберите другое имя."}},
        {"reserved name in other letters",
         "zUL.INI",
         {"Файл:  zUL.INI\nзарезервирован программой Zul.exe, поэтому не может быть использован для других "
          "целей. "
          "\nВыберите другое имя."}},
        {"missing file", "none.ini", {"Файл не существует:  <dir>/none.ini"}},
        {"not a settings file",
         "other.ini",
         {"Этот файл не является файлом настроек для программы ЗУЛ:  other.ini"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        WriteBytes(f.File("Zul.ini"), kHeader);
        WriteBytes(f.File("zUL.INI"), kHeader);
        WriteBytes(f.File("other.ini"), "[Program]\r\nName=Other\r\n");
        f.calc.main.settingsFile.currentFile = f.File("old.ini");
        f.calc.settings.grid.SetFileNameCell("old.ini");
        f.platform.QueueFile(f.File(c.chosen));
        const FileCommandOutcome out = f.commands.OpenSettingsFile();
        std::vector<std::string> expected;
        for (std::string m : c.messages) {
            const auto at = m.find("<dir>");
            expected.push_back(at == std::string::npos ? m : m.replace(at, 5, f.dir.Path()));
        }
        EXPECT_EQ(f.platform.MessageTexts(), expected);
        EXPECT_EQ(f.platform.messages()[0].kind, MessageKind::Error);
        EXPECT_TRUE(f.calc.main.settingsFile.currentFile.empty());
        EXPECT_EQ(f.calc.settings.grid.FileNameCell(), "old.ini");
        EXPECT_FALSE(out.changedConfiguration);
        EXPECT_EQ(f.platform.fileDialogs()[0].request.title, "Открыть настройки Калькулятора");
    }
}

TEST(FileCommands, OpenAsksAboutTheHistoryOnlyWhenBothHoldStrings) {
    const struct {
        const char* name;
        bool historyItems;
        bool fileStrings;
        std::optional<QuestionOutcome> answer;  // none: no question expected
        bool read;
        std::vector<std::string> history;
    } cases[] = {
        {"both: replace", true, true, QuestionOutcome{true, 1}, true, {"f"}},
        {"both: append", true, true, QuestionOutcome{true, 2}, true, {"mine", "f"}},
        {"both: keep", true, true, QuestionOutcome{true, 3}, true, {"mine"}},
        {"both: abandoned", true, true, QuestionOutcome{false, 1}, false, {"mine"}},
        {"empty history: no question, appended", false, true, std::nullopt, true, {"f"}},
        {"file without strings: no question", true, false, std::nullopt, true, {"mine"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        const std::string path = f.File("s.ini");
        WriteBytes(path, c.fileStrings ? kWithStrings : kHeader + "[General]\r\nRadian=1\r\n");
        if (c.historyItems) {
            f.calc.main.history.InsertNewest("mine");
            f.calc.memory.AddOrUpdateLine(0, "mine//!0//!");
        }
        f.calc.main.settingsFile.modified = true;
        f.platform.QueueFile(path);
        if (c.answer) f.platform.QueueQuestion(*c.answer);
        const FileCommandOutcome out = f.commands.OpenSettingsFile();
        EXPECT_EQ(f.platform.questions().size(), c.answer ? 1u : 0u);
        EXPECT_EQ(out.changedConfiguration, c.read);
        EXPECT_EQ(f.calc.main.history.Items(), c.history);
        if (c.read) {
            EXPECT_EQ(f.calc.main.settingsFile.currentFile, path);
            EXPECT_FALSE(f.calc.main.settingsFile.modified);
            EXPECT_EQ(f.calc.settings.grid.FileNameCell(), "s.ini");
            EXPECT_EQ(f.calc.settings.recentFiles.Entries(), std::vector<std::string>{path});
            EXPECT_EQ(f.calc.settings.angleUnit, AngleUnit::Degrees);
        } else {
            EXPECT_TRUE(f.calc.main.settingsFile.currentFile.empty());
            EXPECT_TRUE(f.calc.main.settingsFile.modified);
            EXPECT_EQ(f.calc.settings.angleUnit, AngleUnit::Radians);
        }
    }
}

TEST(FileCommands, SaveRightAfterOpenWritesNothing) {
    Fixture f;
    const std::string path = f.File("s.ini");
    WriteBytes(path, kWithStrings);
    f.platform.QueueFile(path);
    f.commands.OpenSettingsFile();
    f.calc.main.settingsFile.modified = false;  // as the open leaves it
    f.commands.SaveSettingsFile();
    EXPECT_EQ(ReadBytes(path), kWithStrings);
    EXPECT_EQ(f.platform.MessageTexts(),
              std::vector<std::string>{"Текущая конфигурация Калькулятора уже сохранена в файле:\n" + path});
}

TEST(FileCommands, Close) {
    const struct {
        const char* name;
        bool fileInUse;
        bool modified;
        std::optional<QuestionOutcome> answer;
        bool closed;
        bool reset;
        bool saved;
        std::vector<std::string> messages;
    } cases[] = {
        {"no file: nothing", false, false, std::nullopt, false, false, false, {}},
        {"abandoned", true, true, QuestionOutcome{false, 1}, false, false, false, {}},
        {"keep",
         true,
         false,
         QuestionOutcome{true, 1},
         true,
         false,
         false,
         {"Текущий файл конфигурации закрыт. Установленные настройки Калькулятора оставлены без изменения."}},
        {"keep, modified: saved first",
         true,
         true,
         QuestionOutcome{true, 1},
         true,
         false,
         true,
         {"Текущий файл конфигурации закрыт. Установленные настройки Калькулятора оставлены без изменения."}},
        {"defaults",
         true,
         true,
         QuestionOutcome{true, 2},
         true,
         true,
         true,
         {"Текущий файл конфигурации закрыт. Настройки Калькулятора установлены \"по умолчанию\"."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.calc = Configured();
        const std::string path = f.File("s.ini");
        WriteBytes(path, kHeader);
        if (c.fileInUse) f.calc.main.settingsFile.currentFile = path;
        f.calc.main.settingsFile.modified = c.modified;
        if (c.answer) f.platform.QueueQuestion(*c.answer);
        f.commands.CloseSettingsFile();
        EXPECT_EQ(f.platform.questions().size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(f.platform.questions()[0].kind, QuestionKind::CloseSettings);
        }
        EXPECT_EQ(f.platform.MessageTexts(), c.messages);
        EXPECT_EQ(f.calc.main.settingsFile.currentFile.empty(), c.closed || !c.fileInUse);
        EXPECT_EQ(ReadBytes(path) != kHeader, c.saved);
        EXPECT_EQ(f.calc.main.history.Empty(), c.reset);
        EXPECT_EQ(f.calc.memory.MemoryLineOfRow(1) == "//!//!", c.reset);
        EXPECT_EQ(f.calc.settings.TrackBarPosition() == 10, c.reset);
    }
    // After "Оставить" a save asks for a name.
    Fixture f;
    f.calc.main.settingsFile.currentFile = f.File("s.ini");
    f.platform.QueueContinue(1);
    f.commands.CloseSettingsFile();
    f.commands.SaveSettingsFile();
    ASSERT_EQ(f.platform.fileDialogs().size(), 1u);
    EXPECT_TRUE(f.platform.fileDialogs()[0].save);
}

TEST(FileCommands, CloseKeepsAFileWhoseChangesCouldNotBeSaved) {
    Fixture f;
    f.calc.main.settingsFile.currentFile = f.File("missing-folder/s.ini");
    f.calc.main.settingsFile.modified = true;
    f.calc.main.history.InsertNewest("x");
    f.platform.QueueContinue(2);
    f.commands.CloseSettingsFile();
    EXPECT_EQ(f.calc.main.settingsFile.currentFile, f.File("missing-folder/s.ini"));
    EXPECT_EQ(f.calc.main.history.Count(), 1);
    ASSERT_EQ(f.platform.messages().size(), 1u);
    EXPECT_EQ(f.platform.messages()[0].kind, MessageKind::Error);
}

TEST(FileCommands, SwitchThroughRecentFiles) {
    Fixture f;
    const std::string current = f.File("current.ini");
    const std::string other = f.File("other.ini");
    const std::string bad = f.File("bad.ini");
    WriteBytes(current, kHeader);
    WriteBytes(other, kWithStrings);
    WriteBytes(bad, "[Program]\r\nName=no\r\n");
    f.calc.settings.AddRecentSettingsFile(bad);
    f.calc.settings.AddRecentSettingsFile("");
    f.calc.settings.AddRecentSettingsFile(other);
    f.calc.settings.AddRecentSettingsFile(current);  // entries: current, other, "", bad
    f.calc.main.settingsFile.currentFile = current;
    f.calc.main.history.InsertNewest("mine");
    f.calc.settings.SetTrackBarPosition(50);

    // To "other": the current file is saved first, then the history question.
    f.platform.QueueContinue(2);
    FileCommandOutcome out = f.commands.SwitchToRecentFile(1);
    EXPECT_EQ(ReadIniString(current, "General", "MaxCountStrings", ""), "50");
    EXPECT_EQ(f.platform.questions().size(), 1u);
    EXPECT_EQ(f.calc.main.settingsFile.currentFile, other);
    EXPECT_EQ(f.calc.main.history.Items(), (std::vector<std::string>{"mine", "f"}));
    EXPECT_TRUE(out.read.has_value());

    // To a file that is not a settings file: the header error, no file in use.
    out = f.commands.SwitchToRecentFile(3);
    EXPECT_TRUE(f.calc.main.settingsFile.currentFile.empty());
    EXPECT_EQ(f.calc.settings.recentFiles.Text(), "");
    EXPECT_EQ(f.platform.MessageTexts().back(),
              "Этот файл не является файлом настроек для программы ЗУЛ:  bad.ini");

    // To the empty entry: defaults, history and memory cleared.
    f.calc.main.settingsFile.currentFile = other;
    out = f.commands.SwitchToRecentFile(2);
    EXPECT_TRUE(f.calc.main.settingsFile.currentFile.empty());
    EXPECT_TRUE(f.calc.main.history.Empty());
    EXPECT_EQ(f.calc.settings.TrackBarPosition(), 10);
    EXPECT_TRUE(out.changedConfiguration);
}

TEST(FileCommands, SwitchAbandonedKeepsTheSelection) {
    Fixture f;
    const std::string other = f.File("other.ini");
    WriteBytes(other, kWithStrings);
    f.calc.settings.AddRecentSettingsFile(other);
    f.calc.settings.AddRecentSettingsFile(f.File("now.ini"));
    f.calc.main.history.InsertNewest("mine");
    f.platform.QueueAbort();
    f.commands.SwitchToRecentFile(1);
    EXPECT_EQ(f.calc.settings.recentFiles.Selected(), 0);
    EXPECT_EQ(f.calc.main.history.Items(), std::vector<std::string>{"mine"});
    EXPECT_TRUE(f.calc.main.settingsFile.currentFile.empty());
}

TEST(FileCommands, AutoLoadAtFirstActivation) {
    const struct {
        const char* name;
        bool autoLoad;
        const char* file;  // relative to the folder; "" empty path
        bool read;
    } cases[] = {
        {"on with an existing file", true, "auto.ini", true},
        {"off", false, "auto.ini", false},
        {"empty path", true, "", false},
        {"missing file: no message", true, "gone.ini", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        WriteBytes(f.File("auto.ini"), kWithStrings);
        f.calc.settings.autoLoad = c.autoLoad;
        f.calc.settings.autoLoadPath = *c.file ? f.File(c.file) : "";
        const FileCommandOutcome out = f.commands.AutoLoadAtFirstActivation();
        EXPECT_EQ(out.read.has_value(), c.read);
        EXPECT_TRUE(f.calc.main.activated);
        EXPECT_TRUE(f.platform.messages().empty());
        EXPECT_EQ(f.calc.main.settingsFile.currentFile, c.read ? f.File("auto.ini") : "");
        EXPECT_EQ(f.calc.settings.grid.FileNameCell(), c.read ? "auto.ini" : "");
        EXPECT_EQ(f.calc.main.history.Count(), c.read ? 1 : 0);
        // Later activations do nothing.
        EXPECT_FALSE(f.commands.AutoLoadAtFirstActivation().read.has_value());
    }
}

TEST(FileCommands, ExitWritesTheProgramIni) {
    const struct {
        const char* name;
        bool askExit;
        std::optional<MessageResult> answer;
        bool closes;
    } cases[] = {
        {"no question", false, std::nullopt, true},
        {"question answered Yes", true, MessageResult::Yes, true},
        {"question answered No", true, MessageResult::No, false},
        {"question closed", true, MessageResult::Closed, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.calc.main.startDirectory = f.dir.Path();
        f.calc.settings.askExit = c.askExit;
        f.calc.settings.angleUnit = AngleUnit::Degrees;
        f.calc.main.settingsFile.currentFile = f.File("s.ini");
        f.calc.main.settingsFile.modified = true;
        if (c.answer) f.platform.QueueMessageResult(*c.answer);
        EXPECT_EQ(f.commands.MayExit(), c.closes);
        EXPECT_EQ(f.platform.messages().size(), c.askExit ? 1u : 0u);
        if (c.askExit) {
            EXPECT_EQ(f.platform.messages()[0].text, "Закрыть программу ЗУЛ?");
        }
        EXPECT_EQ(std::filesystem::exists(f.File("Zul.ini")), c.closes);
        if (c.closes) {
            EXPECT_EQ(ReadProgramIni(f.dir.Path()).angleUnit, AngleUnit::Degrees);
            EXPECT_EQ(ReadProgramIni(f.dir.Path()).askExit, c.askExit);
        }
        EXPECT_FALSE(std::filesystem::exists(f.File("s.ini")));  // the settings file is never saved on exit
    }
}

TEST(FileCommands, FileButtonOfTheSettingsWindowAsksFirst) {
    const struct {
        MessageResult answer;
        std::size_t dialogs;
    } cases[] = {{MessageResult::No, 0}, {MessageResult::Yes, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialogs);
        Fixture f;
        f.platform.QueueMessageResult(c.answer);
        f.commands.ConfirmAndOpenSettingsFile();
        EXPECT_EQ(f.platform.MessageTexts().front(),
                  "Перед загрузкой новых настроек текущие будут потеряны. Загрузить новые?...");
        EXPECT_EQ(f.platform.fileDialogs().size(), c.dialogs);
    }
}

}  // namespace
}  // namespace zul
