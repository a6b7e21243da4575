// The journal: its cap and editing, and its round trip through a settings file section.
#include <gtest/gtest.h>

#include "app/JournalSection.h"
#include "settings/IniFile.h"

namespace zul {
namespace {

JournalEntry Expression(const std::string& text) {
    JournalEntry e;
    e.text = text;
    e.result = text;
    return e;
}

std::vector<std::string> Texts(const Journal& journal) {
    std::vector<std::string> texts;
    for (const JournalEntry& e : journal.Entries()) texts.push_back(e.text);
    return texts;
}

TEST(Journal, DropsTheOldestWhenFull) {
    Journal journal(3);
    for (const char* t : {"1", "2", "3", "4", "5"}) journal.Add(Expression(t));
    EXPECT_EQ(Texts(journal), (std::vector<std::string>{"3", "4", "5"}));

    Journal big;
    for (std::size_t i = 0; i < Journal::kCapacity + 10; ++i) big.Add(Expression(std::to_string(i)));
    EXPECT_EQ(big.Size(), Journal::kCapacity);
    EXPECT_EQ(big.At(0)->text, "10");
}

TEST(Journal, MovesAndRemovesWithinBounds) {
    Journal journal;
    for (const char* t : {"a", "b", "c", "d"}) journal.Add(Expression(t));
    EXPECT_TRUE(journal.Move(0, 2));
    EXPECT_EQ(Texts(journal), (std::vector<std::string>{"b", "c", "a", "d"}));
    EXPECT_TRUE(journal.Move(3, 0));
    EXPECT_EQ(Texts(journal), (std::vector<std::string>{"d", "b", "c", "a"}));
    EXPECT_FALSE(journal.Move(0, 4));
    EXPECT_FALSE(journal.Remove(4));
    EXPECT_TRUE(journal.Remove(1));
    EXPECT_EQ(Texts(journal), (std::vector<std::string>{"d", "c", "a"}));
    EXPECT_EQ(journal.At(3), nullptr);
    journal.Clear();
    EXPECT_TRUE(journal.Empty());
}

// Texts that a line-based INI file, the memory separator or the field codec could spoil.
const char* const kAwkward[] = {
    "",
    "обычное примечание",
    "a//!b//!c",
    "key=value = more",
    "строка 1\nстрока 2\r\nстрока 3\rконец",
    "[Journal]\n[Program]\nName=ZUL",
    "  blanks around  ",
    "\"in quotes\"",
    "'single'",
    ";not a comment",
    "pipe | and \\| backslash \\ and \\n literal",
    "\\",
    "tab\there \x01\x1f\x7f",
    "€ ≤ 😀 no place in Windows-1251",
    "trailing blank ",
};

Journal AwkwardJournal() {
    Journal journal;
    for (const char* note : kAwkward) {
        JournalEntry calc;
        calc.kind = EntryKind::Calculation;
        calc.stamp = {"31.01.2025", "14:05:09"};
        calc.note = note;
        calc.text = std::string("[12.5] [") + note + "]";
        calc.result = "0.690776662725";
        calc.code = 1;
        calc.name = "Скорость жидкости";
        calc.title = "Скорость перемещения жидкости по трубопроводу,  м/с";
        calc.picture = "ZSkor";
        calc.arguments = {{"12.5", "12.5", "Расход", "м3/ч"}, {"", "0", note, note}};
        calc.literature = {{note, "12-15"}, {"Идельчик", ""}};
        journal.Add(calc);

        JournalEntry time;
        time.kind = EntryKind::TimeSum;
        time.inDocument = false;
        time.note = note;
        time.timeGroups = {"[01:00:00]", note};
        time.result = "[01:00:00]";
        journal.Add(time);

        JournalEntry expression = Expression(note);
        expression.note = note;
        journal.Add(expression);
    }
    return journal;
}

TEST(JournalSection, RoundTripsEveryTextThroughTheFile) {
    const Journal journal = AwkwardJournal();
    IniDocument doc;
    WriteZulHeader(doc);
    doc.Write("General", "CurrentType", "27");
    WriteJournalSection(doc, journal);
    doc.Write("UserStrings", "CountStrings", "0");

    IniDocument reread;
    reread.Parse(doc.Serialize());
    const JournalReadResult read = ReadJournalSection(reread);
    EXPECT_EQ(read.unreadable, 0);
    ASSERT_EQ(read.journal.Size(), journal.Size());
    for (std::size_t i = 0; i < journal.Size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(*read.journal.At(i), *journal.At(i));
    }
    // The other sections are not disturbed, and a second write replaces the section.
    EXPECT_EQ(reread.Read("General", "CurrentType", ""), "27");
    Journal shorter;
    shorter.Add(Expression("2+2"));
    WriteJournalSection(reread, shorter);
    EXPECT_EQ(ReadJournalSection(reread).journal.Size(), 1u);
    EXPECT_FALSE(reread.Find("Journal", "Entry2"));
}

TEST(JournalSection, KeepsTheNewestEntriesWithinItsShareOfTheFile) {
    Journal journal;
    for (const char* t : {"1", "2", "3", "4", "5"}) {
        JournalEntry e = Expression(t);
        e.note = std::string(1000, 'x');
        journal.Add(e);
    }
    IniDocument doc;
    EXPECT_EQ(WriteJournalSection(doc, journal, 3100), 3u);
    const Journal read = ReadJournalSection(doc).journal;
    EXPECT_EQ(Texts(read), (std::vector<std::string>{"3", "4", "5"}));
    EXPECT_EQ(WriteJournalSection(doc, journal, 10), 0u);
    EXPECT_TRUE(ReadJournalSection(doc).journal.Empty());
}

TEST(JournalSection, FieldCodecKeepsSeparatorsApart) {
    const std::vector<std::string> fields = {"", "a|b", "\\", "\\|", "x\ny", ""};
    std::vector<std::string> back;
    ASSERT_TRUE(DecodeJournalFields(EncodeJournalFields(fields), back));
    EXPECT_EQ(back, fields);
    for (const char* bad : {"abc\\", "a\\q", "\\x4", "\\xZZ"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(DecodeJournalFields(bad, back));
    }
}

TEST(JournalSection, DistrustsWhatTheFileSays) {
    struct Case { const char* name; const char* section; std::size_t entries; int unreadable; };
    const Case cases[] = {
        {"no section", "", 0, 0},
        {"huge count, two entries", "Version=1\nCount=999999999\nEntry1=e|||1||1|1\nEntry2=e|||0||2|2\n", 2,
         8},
        {"negative count", "Version=1\nCount=-5\nEntry1=e|||1||1|1\n", 0, 0},
        {"count not a number", "Version=1\nCount=abc\nEntry1=e|||1||1|1\n", 0, 0},
        {"other format", "Version=2\nCount=1\nEntry1=e|||1||1|1\n", 0, 1},
        {"unknown kind", "Version=1\nCount=1\nEntry1=x|||1||1|1\n", 0, 1},
        {"flag not 0 or 1", "Version=1\nCount=1\nEntry1=e|||yes||1|1\n", 0, 1},
        {"extra field", "Version=1\nCount=1\nEntry1=e|||1||1|1|more\n", 0, 1},
        {"argument count beyond the fields", "Version=1\nCount=1\nEntry1=c|||1||t|r|1|n|t|p|1000|a|b|c|d|0\n",
         0, 1},
        {"negative reference count", "Version=1\nCount=1\nEntry1=c|||1||t|r|1|n|t|p|0|-1\n", 0, 1},
        {"time groups short", "Version=1\nCount=1\nEntry1=t|||1||t|r|3|[01:00:00]\n", 0, 1},
        {"bad escape", "Version=1\nCount=1\nEntry1=e|||1|\\q|1|1\n", 0, 1},
        {"missing middle entry", "Version=1\nCount=3\nEntry1=e|||1||1|1\nEntry3=e|||1||3|3\n", 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument doc;
        doc.Parse(std::string("[Program]\nName=ZUL (ver 1.4)\n") + (*c.section ? "[Journal]\n" : "") +
                  c.section);
        const JournalReadResult read = ReadJournalSection(doc, 10);
        EXPECT_EQ(read.journal.Size(), c.entries);
        EXPECT_EQ(read.unreadable, c.unreadable);
    }
}

}  // namespace
}  // namespace zul
