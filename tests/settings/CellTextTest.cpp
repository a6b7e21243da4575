// Cells that hold their own separator: how they are stored, and the round trip of every
// cell through settings files.
#include <gtest/gtest.h>

#include "app/Calculator.h"
#include "app/SettingsFile.h"
#include "platform/ScriptedPlatform.h"
#include "settings/CellSamples.h"
#include "settings/IniCellText.h"
#include "settings/IniTestFiles.h"

namespace zul {
namespace {

using testing::CellSamples;
using testing::TempFolder;

TEST(CellText, StoredFormsSplitWhereTheyShould) {
    const struct {
        const char* cell;
        const char* stored;
    } cells[] = {
        {"2+3", "2+3"},
        {"2+3 //! note", "2+3 //¦! note"},
        {"//!//!", "//¦!//¦!"},
        {"//¦!", "//¦¦!"},
        {"/¦!", "/¦!"},
        {"// !", "// !"},
        {"a//", "a//"},
        {"!", "!"},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(EncodeCell(c.cell), c.stored);
        EXPECT_EQ(DecodeCell(c.stored), c.cell);
        // The stored cell joined to others splits at the joining separator only.
        const std::string line = EncodeCell(c.cell) + "//!" + EncodeCell(c.cell);
        EXPECT_EQ(line.find("//!"), std::string(c.stored).size());
    }
    const struct {
        const char* name;
        const char* stored;
    } names[] = {{"Длина", "Длина"}, {"a/b", "a¦-b"}, {"¦", "¦¦"}, {"¦-", "¦¦-"}, {"/", "¦-"}};
    for (const auto& n : names) {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(EncodeConstantName(n.name), n.stored);
        EXPECT_EQ(DecodeConstantName(n.stored), n.name);
        EXPECT_EQ(std::string(n.stored).find('/'), std::string::npos);
    }
    EXPECT_EQ(DecodeConstantName("a¦b¦"), "a¦b¦");  // not an escape: kept
}

TEST(CellText, EveryCellOfASettingsFileComesBack) {
    const std::vector<std::string> samples = CellSamples();
    TempFolder dir;
    const std::string path = dir.File("cells.ini");
    // The memory stores at most 255 lines: the samples go in rounds.
    for (std::size_t first = 0; first < samples.size(); first += 200) {
        const std::vector<std::string> round(samples.begin() + static_cast<std::ptrdiff_t>(first),
                                             samples.begin() + static_cast<std::ptrdiff_t>(
                                                                   std::min(first + 200, samples.size())));
        Calculator saved;
        saved.settings.SetTrackBarPosition(255);
        std::vector<UserConstant> constants;
        for (const std::string& s : round) {
            saved.memory.AddOrUpdateLine(0, "e//!r//!n");
            for (int column = 1; column <= 3; ++column) saved.memory.SetCell(saved.memory.RowCount(), column, s);
            saved.main.history.InsertNewest(s);
            constants.push_back({s + "/" + s, "1/3"});
        }
        saved.settings.grid.SetUserConstants(constants);
        ScriptedPlatform platform;
        saved.main.settingsFile.currentFile = path;
        ASSERT_TRUE(WriteSettingsFile(saved, platform));

        Calculator loaded;
        loaded.main.settingsFile.currentFile = path;
        ASSERT_TRUE(ReadSettingsFile(loaded, platform, kAnswerAppend).read);
        ASSERT_EQ(loaded.memory.RowCount(), static_cast<int>(round.size()));
        for (std::size_t i = 0; i < round.size(); ++i) {
            SCOPED_TRACE(round[i]);
            const MemoryRow& row = loaded.memory.Row(static_cast<int>(i) + 1);
            EXPECT_EQ(row.expression, round[i]);
            EXPECT_EQ(row.result, round[i]);
            EXPECT_EQ(row.note, round[i]);
            EXPECT_EQ(loaded.main.history.Item(static_cast<int>(i)), round[i]);
            EXPECT_EQ(loaded.settings.grid.UserConstants()[i].name, constants[i].name);
            EXPECT_EQ(loaded.settings.grid.UserConstants()[i].value, "1/3");
        }
    }
}

TEST(CellText, TooManyUserConstantsAreNotSaved) {
    TempFolder dir;
    const std::string path = dir.File("many.ini");
    testing::WriteBytes(path, "[Program]\r\nName=ZUL\r\n");
    for (const int count : {kMaxUserConstants, kMaxUserConstants + 1}) {
        SCOPED_TRACE(count);
        Calculator c;
        c.settings.grid.SetUserConstants(std::vector<UserConstant>(static_cast<std::size_t>(count), {"x", "1"}));
        c.main.settingsFile.currentFile = path;
        c.main.settingsFile.modified = true;
        ScriptedPlatform platform;
        const bool saved = WriteSettingsFile(c, platform);
        EXPECT_EQ(saved, count <= kMaxUserConstants);
        EXPECT_EQ(c.main.settingsFile.modified, !saved);
        if (saved) {
            Calculator back;
            back.main.settingsFile.currentFile = path;
            ASSERT_TRUE(ReadSettingsFile(back, platform, kAnswerAppend).read);
            EXPECT_EQ(back.settings.grid.UserCount(), count);
        } else {
            ASSERT_EQ(platform.messages().size(), 1u);
            EXPECT_NE(platform.messages()[0].text.find(TooManyUserConstantsText()), std::string::npos);
            EXPECT_NE(testing::ReadBytes(path).find("CountConstants=10000\r\n"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace zul
