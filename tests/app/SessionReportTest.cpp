// The session journal as the calculator keeps it: every compute recorded, the journal
// through a settings file and back under each history answer, the entries added by hand.
#include <gtest/gtest.h>

#include "app/ComputeCommand.h"
#include "app/JournalSection.h"
#include "platform/ScriptedPlatform.h"
#include "calc/Catalogue.h"
#include "lists/ExpressionList.h"
#include "TempFolder.h"
#include "app/SettingsFile.h"

namespace zul {
namespace {

using testing::TempFolder;

// A calculator that has computed a plain expression and the velocity of code 1.
Calculator Computed(const std::string& settingsFile = {}) {
    Calculator c;
    c.main.recent.Reset();
    c.main.settingsFile.currentFile = settingsFile;
    EXPECT_TRUE(Compute(c, "2+3").computed);
    c.main.topic = SelectTopicNode(IndexOfCode(1))->state;
    EXPECT_TRUE(Compute(c, "[12.5] [80]").computed);
    return c;
}

TEST(SessionReport, EveryComputeIsAnEntryAndAnUnsavedChange) {
    TempFolder dir;
    Calculator c = Computed(dir.File("s.ini"));
    ASSERT_EQ(c.report.journal.Size(), 2u);
    EXPECT_EQ(c.report.journal.At(0)->kind, EntryKind::Expression);
    const JournalEntry& velocity = *c.report.journal.At(1);
    EXPECT_EQ(velocity.kind, EntryKind::Calculation);
    EXPECT_EQ(velocity.code, 1);
    EXPECT_EQ(velocity.result, "0.690776662725");
    ASSERT_EQ(velocity.arguments.size(), 2u);
    EXPECT_EQ(velocity.arguments[0].unit, "м3/ч");
    EXPECT_TRUE(c.main.settingsFile.modified);

    // The same line again is a new entry (the memory only updates its row).
    c.main.settingsFile.modified = false;
    EXPECT_TRUE(Compute(c, "[12.5] [80]").computed);
    EXPECT_EQ(c.report.journal.Size(), 3u);
    EXPECT_TRUE(c.main.settingsFile.modified);

    // A failed compute records nothing; nor does a calculator that does not record.
    EXPECT_FALSE(Compute(c, "2+").computed);
    c.report.recording = false;
    EXPECT_TRUE(Compute(c, "7*6").computed);
    EXPECT_EQ(c.report.journal.Size(), 3u);
}

TEST(SessionReport, JournalRoundTripsThroughTheSettingsFile) {
    TempFolder dir;
    ScriptedPlatform platform;
    Calculator saved = Computed(dir.File("s.ini"));
    saved.report.journal.At(1)->note = "Участок 1 | подающий\nвторая строка";
    saved.report.journal.At(0)->inDocument = false;
    ASSERT_TRUE(WriteSettingsFile(saved, platform));

    Calculator loaded;
    loaded.main.settingsFile.currentFile = dir.File("s.ini");
    ASSERT_TRUE(ReadSettingsFile(loaded, platform, kAnswerAppend).read);
    EXPECT_EQ(loaded.report.journal.Entries(), saved.report.journal.Entries());
    EXPECT_TRUE(platform.messages().empty());
}

TEST(SessionReport, HistoryAnswerDecidesWhatBecomesOfTheSessionJournal) {
    TempFolder dir;
    ScriptedPlatform platform;
    Calculator stored = Computed(dir.File("s.ini"));
    ASSERT_TRUE(WriteSettingsFile(stored, platform));
    dir.Write("old.ini", "[Program]\r\nName=ZUL (ver 1.4)\r\n");  // saved before there was a journal
    const struct {
        const char* name;
        const char* file;
        int answer;
        std::size_t entries;  // the session has one entry of its own
    } cases[] = {
        {"replace", "s.ini", kAnswerReplace, 2},
        {"append", "s.ini", kAnswerAppend, 3},
        {"keep", "s.ini", kAnswerKeep, 1},
        {"replace by a file without journal", "old.ini", kAnswerReplace, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator session;
        ASSERT_TRUE(Compute(session, "1+1").computed);
        session.main.settingsFile.currentFile = dir.File(c.file);
        ASSERT_TRUE(ReadSettingsFile(session, platform, c.answer).read);
        EXPECT_EQ(session.report.journal.Size(), c.entries);
    }
}

TEST(SessionReport, EmptyJournalLeavesNoSectionAndUnreadableEntriesAreReported) {
    TempFolder dir;
    ScriptedPlatform platform;
    Calculator c = Computed(dir.File("s.ini"));
    ASSERT_TRUE(WriteSettingsFile(c, platform));
    EXPECT_NE(TempFolder::Read(dir.File("s.ini")).find("[Journal]"), std::string::npos);
    c.report.journal.Clear();
    ASSERT_TRUE(WriteSettingsFile(c, platform));
    EXPECT_EQ(TempFolder::Read(dir.File("s.ini")).find("[Journal]"), std::string::npos);

    dir.Write("broken.ini", "[Program]\r\nName=ZUL (ver 1.4)\r\n[Journal]\r\nVersion=1\r\nCount=2\r\n"
                            "Entry1=e|01.02.2025|10:00:00|1||2+3|5\r\nEntry2=x|broken\r\n");
    Calculator loaded;
    loaded.main.settingsFile.currentFile = dir.File("broken.ini");
    ASSERT_TRUE(ReadSettingsFile(loaded, platform, kAnswerAppend).read);
    EXPECT_EQ(loaded.report.journal.Size(), 1u);
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{UnreadJournalText(1)});
}

TEST(SessionReport, AJournalTooLargeForTheFileKeepsItsNewestEntriesAndSaysSo) {
    TempFolder dir;
    ScriptedPlatform platform;
    Calculator c = Computed(dir.File("s.ini"));
    for (int i = 0; i < 4; ++i) {
        JournalEntry e = *c.report.journal.At(0);
        e.note = std::string(1500000, 'a' + i);  // four of these exceed the journal's 4 MiB
        c.report.journal.Add(std::move(e));
    }
    ASSERT_TRUE(WriteSettingsFile(c, platform));
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{JournalCutText(2, 6)});
    Calculator loaded;
    loaded.main.settingsFile.currentFile = dir.File("s.ini");
    ASSERT_TRUE(ReadSettingsFile(loaded, platform, kAnswerAppend).read);
    ASSERT_EQ(loaded.report.journal.Size(), 2u);
    EXPECT_EQ(loaded.report.journal.At(1)->note, c.report.journal.At(5)->note);
}

TEST(SessionReport, MemoryRowsAndListLinesBecomeExpressionEntries) {
    const Stamp stamp{"01.02.2025", "10:00:00"};
    EXPECT_FALSE(MakeMemoryEntry({"  ", "5", "note"}, stamp));
    EXPECT_FALSE(MakeListLineEntry({"", "5", "", "note"}, stamp));
    const std::optional<JournalEntry> row = MakeMemoryEntry({" 2+3 ", "5", " кухня "}, stamp);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->kind, EntryKind::Expression);
    EXPECT_EQ(row->text, "2+3");
    EXPECT_EQ(row->result, "5");
    EXPECT_EQ(row->note, "кухня");
    const std::optional<JournalEntry> line = MakeListLineEntry({"4*[1]", "20", "#", "итог"}, stamp);
    ASSERT_TRUE(line);
    EXPECT_EQ(EntryCaption(*line), "4*[1]");
    EXPECT_EQ(line->note, "итог");
}

TEST(SessionReport, CaptionAndResultOfEachKind) {
    Calculator c = Computed();
    ASSERT_TRUE(Compute(c, "2*3").computed);  // still code 1: a plain expression
    const Journal& j = c.report.journal;
    EXPECT_EQ(EntryCaption(*j.At(0)), "2+3");
    EXPECT_EQ(EntryResult(*j.At(0)), "5");
    EXPECT_EQ(EntryCaption(*j.At(1)), j.At(1)->name + ": [12.5] [80]");
    EXPECT_EQ(EntryResult(*j.At(1)), "0.690776662725 м/с");
    JournalEntry time;
    time.kind = EntryKind::TimeSum;
    time.text = "[01:30:00] [00:20:00]";
    time.result = "01:50:00";
    EXPECT_EQ(EntryCaption(time), "Сумма времени: [01:30:00] [00:20:00]");
    EXPECT_EQ(EntryResult(time), "01:50:00");
}

}  // namespace
}  // namespace zul
