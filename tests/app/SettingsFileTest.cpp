// Settings files: what is written, what is read back, the header check, the history answer
// and bad files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/SettingsFile.h"
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

std::vector<std::string> MemoryLines(const Calculator& c) {
    std::vector<std::string> out;
    for (int r = 1; r <= c.memory.RowCount(); ++r) out.push_back(c.memory.MemoryLineOfRow(r));
    return out;
}

SettingsReadOutcome Load(Calculator& c, ScriptedPlatform& platform, const std::string& path,
                         int answer = kAnswerAppend) {
    c.main.settingsFile.currentFile = path;
    return ReadSettingsFile(c, platform, answer);
}

const std::string kHeader = "[Program]\r\nName=ZUL (ver 1.4)\r\n";

TEST(SettingsFile, SaveThenLoadRestoresEverything) {
    TempFolder dir;
    ScriptedPlatform platform;
    Calculator saved = Configured();
    saved.main.settingsFile.currentFile = dir.File("round.ini");
    saved.main.settingsFile.modified = true;
    ASSERT_TRUE(WriteSettingsFile(saved, platform));
    EXPECT_FALSE(saved.main.settingsFile.modified);

    Calculator loaded;
    const SettingsReadOutcome out = Load(loaded, platform, dir.File("round.ini"));
    EXPECT_TRUE(out.read);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(loaded.main.topic.selectedNodeIndex, saved.main.topic.selectedNodeIndex);
    EXPECT_EQ(loaded.main.topic.calculationCode, 1);
    EXPECT_EQ(loaded.settings.angleUnit, AngleUnit::Grads);
    EXPECT_EQ(loaded.settings.TrackBarPosition(), 37);
    EXPECT_EQ(loaded.settings.PanelNVirCaption(), "Количество запоминаемых выражений = 37");
    EXPECT_EQ(loaded.memory.InsertMode(), MemoryInsertMode::Replace);
    EXPECT_EQ(loaded.memory.ColumnWidthsText(), "41 300 120 90");
    EXPECT_EQ(loaded.settings.fields, saved.settings.fields);
    EXPECT_EQ(loaded.settings.constants.Get(ConstantsArray::RoVoda), 1000.0f);
    EXPECT_EQ(loaded.settings.constants.Get(1), -26.0f);
    ASSERT_EQ(loaded.settings.grid.RowCount(), saved.settings.grid.RowCount());
    for (int row = 0; row < saved.settings.grid.RowCount(); ++row) {
        for (int col = 0; col < 3; ++col) {
            SCOPED_TRACE(std::to_string(row) + "," + std::to_string(col));
            EXPECT_EQ(loaded.settings.grid.Cell(row, col), saved.settings.grid.Cell(row, col));
        }
    }
    EXPECT_EQ(loaded.settings.grid.CurrentRow(), 6);
    EXPECT_EQ(MemoryLines(loaded), MemoryLines(saved));
    EXPECT_EQ(loaded.main.history.Items(), (std::vector<std::string>{"2+3", "4*5", "a*2"}));
}

TEST(SettingsFile, WritesTheKeysInTheirOrder) {
    TempFolder dir;
    ScriptedPlatform platform;
    Calculator c;
    c.settings.grid.SetUserConstants({{"k", "2"}});
    c.memory.AddOrUpdateLine(0, "1+1//!2//!");
    c.main.history.InsertNewest("1+1");
    c.main.settingsFile.currentFile = dir.File("order.ini");
    ASSERT_TRUE(WriteSettingsFile(c, platform));
    EXPECT_EQ(
        ReadBytes(dir.File("order.ini")),
        kHeader +
            "[General]\r\nCurrentType=0\r\nRadian=0\r\nMaxCountStrings=10\r\nMemoryInsertType=1\r\n"
            "ColWidths=40 310 112 96\r\n"
            "[Const]\r\nRo-Voda=970\r\nCm-Voda=4.18\r\nCm-Vozd=1.005\r\nCv-Vozd=1.25\r\nRoMatTrub=7900\r\n"
            "HaraktShumomer=-26.2 -16.1 -8.6 -3.2 0 1.2 1 -1.1\r\n"
            "[UserConstants]\r\nCountConstants=1\r\nCurrentConstant=1\r\ncon-1=k/2\r\n"
            "[UserStrings]\r\nCountStrings=1\r\nstr-1=1+1//!2//!\r\n");
}

TEST(SettingsFile, CountOfStoredStrings) {
    const struct {
        const char* name;
        int historyItems;
        int memoryRows;
        int trackBar;
        int count;
    } cases[] = {
        {"track bar limits", 12, 12, 10, 10},
        {"history limits", 3, 3, 10, 3},
        {"missing memory rows are not written", 12, 5, 10, 5},
        {"empty history", 0, 1, 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        ScriptedPlatform platform;
        Calculator calc;
        for (int i = 0; i < c.historyItems; ++i) calc.main.history.InsertNewest(std::to_string(i) + "h");
        for (int i = 1; i <= c.memoryRows; ++i)
            calc.memory.AddOrUpdateLine(0, std::to_string(i) + "m//!1//!");
        calc.settings.SetTrackBarPosition(c.trackBar);
        calc.main.settingsFile.currentFile = dir.File("n.ini");
        ASSERT_TRUE(WriteSettingsFile(calc, platform));
        EXPECT_EQ(CountStoredStrings(dir.File("n.ini")), c.count);
        EXPECT_EQ(ReadIniString(dir.File("n.ini"), "UserStrings",
                                std::string("str-").append(std::to_string(c.count + 1)), "none"),
                  "none");
    }
}

TEST(SettingsFile, HeaderCheckOnReading) {
    const struct {
        const char* name;
        std::string content;  // nullptr-like "<none>": no file
        bool read;
    } cases[] = {
        {"own header", kHeader, true},
        {"other version", "[Program]\r\nName=ZUL 2.0\r\n", true},
        {"lower case", "[Program]\r\nName=zul (ver 1.4)\r\n", false},
        {"no Program section", "[General]\r\nRadian=1\r\n", false},
        {"empty file", "", false},
        {"binary",
         std::string("\x7F"
                     "ELF\0\0\x01\xFF\xFE",
                     9),
         false},
        {"truncated header", "[Prog", false},
        {"missing file", "<none>", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const std::string path = dir.File("h.ini");
        if (c.content != "<none>") WriteBytes(path, c.content);
        ScriptedPlatform platform;
        Calculator calc = Configured();
        const std::string before = c.content == "<none>" ? "" : ReadBytes(path);
        const SettingsReadOutcome out = Load(calc, platform, path);
        EXPECT_EQ(out.read, c.read);
        if (c.read) {
            EXPECT_TRUE(platform.messages().empty());
            EXPECT_EQ(calc.main.settingsFile.currentFile, path);
        } else {
            EXPECT_EQ(
                platform.MessageTexts(),
                std::vector<std::string>{"Этот файл не является файлом настроек для программы ЗУЛ:  h.ini"});
            EXPECT_EQ(platform.messages()[0].kind, MessageKind::Error);
            EXPECT_TRUE(calc.main.settingsFile.currentFile.empty());
            EXPECT_EQ(calc.settings.TrackBarPosition(), 37);  // nothing else changed
            EXPECT_EQ(calc.main.history.Count(), 3);
        }
        if (c.content != "<none>") {
            EXPECT_EQ(ReadBytes(path), before);  // reading never writes
        }
    }
}

TEST(SettingsFile, HistoryAnswer) {
    const struct {
        const char* name;
        int answer;
        std::vector<std::string> history;
        std::vector<std::string> memory;
    } cases[] = {
        {"replace", kAnswerReplace, {"f1", "f2"}, {"f1//!1//!", "f2//!2//!"}},
        {"append", kAnswerAppend, {"mine", "f1", "f2"}, {"mine//!0//!", "f1//!1//!", "f2//!2//!"}},
        {"keep", kAnswerKeep, {"mine"}, {"mine//!0//!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        WriteBytes(dir.File("s.ini"),
                   kHeader + "[UserStrings]\r\nCountStrings=2\r\nstr-1=f1//!1//!\r\nstr-2=f2//!2//!\r\n");
        ScriptedPlatform platform;
        Calculator calc;
        calc.main.history.InsertNewest("mine");
        calc.memory.AddOrUpdateLine(0, "mine//!0//!");
        Load(calc, platform, dir.File("s.ini"), c.answer);
        EXPECT_EQ(calc.main.history.Items(), c.history);
        EXPECT_EQ(MemoryLines(calc), c.memory);
    }
}

TEST(SettingsFile, UserConstantKeys) {
    const struct {
        const char* name;
        const char* line;  // "" : no key at all
        const char* cellName;
        const char* cellValue;
    } cases[] = {
        {"name and value", "con-1=len/2.5\r\n", "len", "2.5"},
        {"empty name", "con-1=/5\r\n", "", "5"},
        {"value with a slash", "con-1=frac/1/3\r\n", "frac", "1/3"},
        {"no slash: all value", "con-1=7\r\n", "", "7"},
        {"exactly a slash", "con-1=/\r\n", "", ""},
        {"empty value", "con-1=\r\n", "", ""},
        {"missing key", "", "", ""},
        {"blanks trimmed", "con-1=  x/1  \r\n", "x", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        WriteBytes(dir.File("c.ini"), kHeader + "[UserConstants]\r\nCountConstants=1\r\n" + c.line);
        ScriptedPlatform platform;
        Calculator calc;
        Load(calc, platform, dir.File("c.ini"));
        ASSERT_EQ(calc.settings.grid.RowCount(), 6);  // the row counts even when empty
        EXPECT_EQ(calc.settings.grid.Cell(4, 0), "1.");
        EXPECT_EQ(calc.settings.grid.Cell(4, 1), c.cellName);
        EXPECT_EQ(calc.settings.grid.Cell(4, 2), c.cellValue);
        EXPECT_EQ(calc.settings.grid.Cell(5, 0), "2.");
    }
}

TEST(SettingsFile, GeneralKeys) {
    const struct {
        const char* name;
        std::string general;
        AngleUnit angle;
        int trackBar;
        MemoryInsertMode mode;
        std::vector<std::string> messages;
    } cases[] = {
        {"defaults", "", AngleUnit::Radians, 10, MemoryInsertMode::AtStart, {}},
        {"degrees", "Radian=1\r\n", AngleUnit::Degrees, 10, MemoryInsertMode::AtStart, {}},
        {"radian 5 keeps the unit", "Radian=5\r\n", AngleUnit::Grads, 10, MemoryInsertMode::AtStart, {}},
        {"track bar clamped",
         "MaxCountStrings=1000\r\n",
         AngleUnit::Radians,
         255,
         MemoryInsertMode::AtStart,
         {}},
        {"track bar hexadecimal",
         "MaxCountStrings=$20\r\n",
         AngleUnit::Radians,
         32,
         MemoryInsertMode::AtStart,
         {}},
        {"bad track bar: error, default, rest read",
         "MaxCountStrings=abc\r\nMemoryInsertType=2\r\n",
         AngleUnit::Radians,
         10,
         MemoryInsertMode::AtEnd,
         {"'abc' is not a valid integer value"}},
        {"insert type out of range",
         "MemoryInsertType=7\r\n",
         AngleUnit::Radians,
         10,
         MemoryInsertMode::AtStart,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        WriteBytes(dir.File("g.ini"), kHeader + "[General]\r\n" + c.general +
                                          "[UserStrings]\r\nCountStrings=1\r\nstr-1=x//!1//!\r\n");
        ScriptedPlatform platform;
        Calculator calc;
        calc.settings.angleUnit = AngleUnit::Grads;  // a missing key reads as "0"
        Load(calc, platform, dir.File("g.ini"));
        EXPECT_EQ(calc.settings.angleUnit, c.angle);
        EXPECT_EQ(calc.settings.TrackBarPosition(), c.trackBar);
        EXPECT_EQ(calc.memory.InsertMode(), c.mode);
        EXPECT_EQ(platform.MessageTexts(), c.messages);
        EXPECT_EQ(calc.main.history.Items(), std::vector<std::string>{"x"});  // the strings were read
    }
}

TEST(SettingsFile, StoredNode) {
    const struct {
        const char* name;
        const char* currentType;
        bool selected;
        bool startPicture;
        std::vector<std::string> messages;
    } cases[] = {
        {"node 0", "0", true, true, {}},
        {"a calculation node", "5", true, false, {}},
        {"not an integer: node 0", "x", true, true, {}},
        {"negative", "-1", false, true, {"Invalid index"}},
        {"beyond the tree", "143", false, true, {"Invalid index"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        WriteBytes(dir.File("t.ini"),
                   kHeader + "[General]\r\nCurrentType=" + c.currentType + "\r\nMaxCountStrings=20\r\n");
        ScriptedPlatform platform;
        Calculator calc;
        calc.main.topic = SelectTopicNode(IndexOfCode(1))->state;
        const SettingsReadOutcome out = Load(calc, platform, dir.File("t.ini"));
        EXPECT_TRUE(out.read);
        EXPECT_EQ(out.selection.has_value(), c.selected);
        EXPECT_EQ(out.clearTreeSelection, !c.selected);
        EXPECT_EQ(out.showStartPicture, c.startPicture);
        EXPECT_EQ(platform.MessageTexts(), c.messages);
        if (!c.selected) {
            EXPECT_EQ(calc.main.topic.calculationCode, 0);
            EXPECT_FALSE(calc.main.topic.timeSumMode);
        }
        EXPECT_EQ(calc.settings.TrackBarPosition(), 20);  // the rest of the file is read
    }
}

TEST(SettingsFile, FocusAfterReading) {
    const struct {
        bool activated;
        const char* currentType;
        FocusTarget focus;
    } cases[] = {
        {true, "5", FocusTarget::InputLine},
        {false, "5", FocusTarget::Tree},
        {false, "0", FocusTarget::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.currentType);
        TempFolder dir;
        WriteBytes(dir.File("f.ini"), kHeader + "[General]\r\nCurrentType=" + c.currentType + "\r\n");
        ScriptedPlatform platform;
        Calculator calc;
        calc.main.activated = c.activated;
        EXPECT_EQ(Load(calc, platform, dir.File("f.ini")).focus, c.focus);
    }
}

TEST(SettingsFile, HandWrittenWindows1251WithRussianNotes) {
    TempFolder dir;
    // "str-1=2+3//!5//!Расход воды" and a user constant "Длина/2" in Windows-1251.
    WriteBytes(dir.File("ru.ini"),
               "[Program]\r\nName=ZUL (ver 1.4)\r\n[UserConstants]\r\nCountConstants=1\r\n"
               "con-1=\xC4\xEB\xE8\xED\xE0/2\r\n[UserStrings]\r\nCountStrings=1\r\n"
               "str-1=2+3//!5//!\xD0\xE0\xF1\xF5\xEE\xE4 \xE2\xEE\xE4\xFB\r\n");
    ScriptedPlatform platform;
    Calculator calc;
    Load(calc, platform, dir.File("ru.ini"));
    EXPECT_EQ(calc.memory.Row(1).note, "Расход воды");
    EXPECT_EQ(calc.settings.grid.Cell(4, 1), "Длина");
    // Saved again, it stays Windows-1251 and reads the same.
    calc.main.settingsFile.currentFile = dir.File("ru.ini");
    ASSERT_TRUE(WriteSettingsFile(calc, platform));
    EXPECT_NE(ReadBytes(dir.File("ru.ini")).find("\xD0\xE0\xF1\xF5\xEE\xE4"), std::string::npos);
}

TEST(SettingsFile, OtherSectionsSurviveASave) {
    TempFolder dir;
    const std::string path = dir.File("keep.ini");
    WriteBytes(path, "[Mine]\r\nnote=\xCC\xEE\xE9\r\n" + kHeader +
                         "[General]\r\nObsolete=1\r\n[UserStrings]\r\nstr-99=old\r\n[Other]\r\nx=y\r\n");
    ScriptedPlatform platform;
    Calculator calc = Configured();
    calc.main.settingsFile.currentFile = path;
    ASSERT_TRUE(WriteSettingsFile(calc, platform));
    EXPECT_EQ(ReadIniString(path, "Mine", "note", ""), "Мой");
    EXPECT_EQ(ReadIniString(path, "Other", "x", ""), "y");
    EXPECT_EQ(ReadIniString(path, "General", "Obsolete", "gone"), "gone");
    EXPECT_EQ(ReadIniString(path, "UserStrings", "str-99", "gone"), "gone");
    EXPECT_EQ(ReadBytes(path).rfind("[Mine]\r\nnote=\xCC\xEE\xE9\r\n", 0), 0u);  // still in place
}

TEST(SettingsFile, UnusualValuesReadBack) {
    TempFolder dir;
    const std::string longNote(3000, 'n');
    ScriptedPlatform platform;
    Calculator calc;
    const std::vector<std::string> lines = {
        "2+3//!5//!" + longNote,
        "1/2//!0.5//!a=b",
        "x//!1//!\"quoted\"",
        "y//!2//!note with α and 中",
    };
    for (const std::string& line : lines) {
        calc.memory.AddOrUpdateLine(0, line);
        calc.main.history.InsertNewest(SplitMemoryLine(line).expression);
    }
    calc.main.settingsFile.currentFile = dir.File("u.ini");
    ASSERT_TRUE(WriteSettingsFile(calc, platform));
    Calculator back;
    Load(back, platform, dir.File("u.ini"));
    EXPECT_EQ(MemoryLines(back), lines);
}

TEST(SettingsFile, BadFilesNeitherCrashNorChange) {
    const struct {
        const char* name;
        std::string content;
    } cases[] = {
        {"duplicate sections", kHeader + "[General]\r\nRadian=1\r\n[General]\r\nRadian=2\r\n"},
        {"keys without values",
         kHeader + "[General]\r\nRadian\r\nMaxCountStrings=\r\n[UserStrings]\r\nCountStrings\r\n"},
        {"huge counts", kHeader +
                            "[UserConstants]\r\nCountConstants=2147483647\r\nCurrentConstant=-2147483648\r\n"
                            "[UserStrings]\r\nCountStrings=2147483647\r\n"},
        {"values with separators", kHeader + "[UserStrings]\r\nCountStrings=1\r\nstr-1=a=b//!//!/c//!d\r\n"},
        {"UTF-8", "\xEF\xBB\xBF" + kHeader + "[UserStrings]\r\nCountStrings=1\r\nstr-1=x//!1//!заметка\r\n"},
        {"lower case sections", "[program]\r\nname=ZUL\r\n[general]\r\nradian=1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const std::string path = dir.File("bad.ini");
        WriteBytes(path, c.content);
        ScriptedPlatform platform;
        Calculator calc;
        EXPECT_TRUE(Load(calc, platform, path).read);
        EXPECT_LE(calc.settings.grid.UserCount(), kMaxUserConstants);
        EXPECT_EQ(ReadBytes(path), c.content);
    }
}

TEST(SettingsFile, HugeFileIsRefusedWithAMessage) {
    TempFolder dir;
    const std::string path = dir.File("huge.ini");
    WriteBytes(path, kHeader);
    std::filesystem::resize_file(path, 100u * 1024u * 1024u);
    ScriptedPlatform platform;
    Calculator calc = Configured();
    EXPECT_FALSE(Load(calc, platform, path).read);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_NE(platform.messages()[0].text.find("huge.ini"), std::string::npos);
    EXPECT_TRUE(calc.main.settingsFile.currentFile.empty());
    EXPECT_EQ(CountStoredStrings(path), 0);
    // Saving over it would lose its content: refused, reported, the file left alone.
    calc.main.settingsFile.currentFile = path;
    calc.main.settingsFile.modified = true;
    EXPECT_FALSE(WriteSettingsFile(calc, platform));
    EXPECT_TRUE(calc.main.settingsFile.modified);
    EXPECT_EQ(std::filesystem::file_size(path), 100u * 1024u * 1024u);
}

TEST(SettingsFile, FailedSaveIsReportedAndKeepsTheFlag) {
    TempFolder dir;
    const std::string path = dir.File("ro.ini");
    WriteBytes(path, kHeader + "[UserStrings]\r\nCountStrings=0\r\n");
    ::chmod(path.c_str(), 0444);
    const struct {
        const char* name;
        std::string path;
    } cases[] = {{"read-only file", path}, {"missing folder", dir.File("none/x.ini")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPlatform platform;
        Calculator calc = Configured();
        calc.main.settingsFile.currentFile = c.path;
        calc.main.settingsFile.modified = true;
        EXPECT_FALSE(WriteSettingsFile(calc, platform));
        EXPECT_TRUE(calc.main.settingsFile.modified);
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_EQ(platform.messages()[0].kind, MessageKind::Error);
        EXPECT_EQ(platform.messages()[0].text.rfind("Не удалось сохранить настройки в файле:\n" + c.path, 0),
                  0u);
    }
    EXPECT_EQ(ReadBytes(path), kHeader + "[UserStrings]\r\nCountStrings=0\r\n");
}

TEST(SettingsFile, CountStoredStrings) {
    TempFolder dir;
    WriteBytes(dir.File("a.ini"), kHeader + "[UserStrings]\r\nCountStrings=4\r\n");
    WriteBytes(dir.File("b.ini"), "[Program]\r\nName=zul\r\n[UserStrings]\r\nCountStrings=4\r\n");
    WriteBytes(dir.File("c.ini"), kHeader);
    WriteBytes(dir.File("d.ini"), kHeader + "[UserStrings]\r\nCountStrings=many\r\n");
    const struct {
        std::string path;
        int count;
    } cases[] = {{dir.File("a.ini"), 4},
                 {dir.File("b.ini"), 0},
                 {dir.File("c.ini"), 0},
                 {dir.File("d.ini"), 0},
                 {dir.File("none.ini"), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(CountStoredStrings(c.path), c.count);
    }
}

TEST(SettingsFile, CommandLineLoad) {
    TempFolder dir;
    WriteBytes(dir.File("ok.ini"), kHeader + "[General]\r\nRadian=1\r\nMaxCountStrings=zz\r\n");
    WriteBytes(dir.File("other.ini"), "[Program]\r\nName=XYZ\r\n");
    const struct {
        std::string path;
        bool ok;
        const char* error;
        std::vector<std::string> warnings;
    } cases[] = {
        {dir.File("ok.ini"), true, "", {"'zz' is not a valid integer value"}},
        {dir.File("other.ini"),
         false,
         "Этот файл не является файлом настроек для программы ЗУЛ:  other.ini",
         {}},
        {dir.File("none.ini"), false, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        Calculator calc;
        std::string error;
        std::vector<std::string> warnings;
        EXPECT_EQ(LoadSettingsFileForCommandLine(calc, c.path, error, &warnings), c.ok);
        if (c.ok) {
            EXPECT_EQ(calc.settings.angleUnit, AngleUnit::Degrees);
        } else if (*c.error) {
            EXPECT_EQ(error, c.error);
        } else {
            EXPECT_EQ(error, "Файл не существует:  " + c.path);
        }
        EXPECT_EQ(warnings, c.warnings);
    }
}

}  // namespace
}  // namespace zul
