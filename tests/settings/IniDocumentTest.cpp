// The in-memory INI document: lookup rules, editing in place, values that survive a round trip.
#include <gtest/gtest.h>
#include <malloc.h>

#include "settings/IniDocument.h"

namespace zul {
namespace {

const char* const kSample =
    "; comment before any section\r\n"
    "[Program]\r\n"
    "Name=ZUL (ver 1.4)\r\n"
    "\r\n"
    "[General]\r\n"
    "  CurrentType =  12  \r\n"
    "radian=1\r\n"
    "Radian=2\r\n"
    "Empty=\r\n"
    "NoEquals\r\n"
    "Quoted=\" padded \"\r\n"
    "Single='x'\r\n"
    "Formula=a=b//!c/d\r\n"
    "[general]\r\n"
    "CurrentType=99\r\n"
    "Extra=1\r\n"
    "[Mine]\n"
    "k=v\r"
    "[Tail\r\n"
    "z=last";

struct LookupCase {
    const char* section;
    const char* key;
    const char* expected;  // nullptr: not found
};

TEST(IniDocument, LookupRules) {
    const LookupCase cases[] = {
        {"Program", "Name", "ZUL (ver 1.4)"},
        {"PROGRAM", "NAME", "ZUL (ver 1.4)"},  // ASCII case ignored
        {"General", "CurrentType", "12"},      // blanks around key and value trimmed
        {"General", "Radian", "1"},            // first occurrence wins
        {"General", "Empty", ""},
        {"General", "NoEquals", ""},        // a key without "=" has an empty value
        {"General", "Quoted", " padded "},  // one pair of quotes removed
        {"General", "Single", "x"},
        {"General", "Formula", "a=b//!c/d"},  // the first "=" separates
        {"General", "Extra", nullptr},        // a duplicate section is not read
        {"Mine", "k", "v"},                   // LF and CR line ends
        {"Tail", "z", "last"},                // header without "]"; no final line end
        {"Missing", "x", nullptr},
        {"General", "; comment before any section", nullptr},
    };
    IniDocument doc;
    doc.Parse(kSample);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        const auto v = doc.Find(c.section, c.key);
        if (c.expected == nullptr) {
            EXPECT_FALSE(v.has_value());
        } else {
            ASSERT_TRUE(v.has_value());
            EXPECT_EQ(*v, c.expected);
        }
    }
    EXPECT_EQ(doc.Read("Missing", "x", "dflt"), "dflt");
}

TEST(IniDocument, ValuesReadBackAsWritten) {
    const std::string longValue(5000, 'x');
    const std::string values[] = {
        "",
        "plain",
        " leading",
        "trailing ",
        "\"quoted\"",
        "'single'",
        "\"",
        "\"\"",
        "a=b=c",
        "1/3",
        "expr//!res//!note",
        "//!//!",
        "Примечание к строке",
        "α+β",
        longValue,
        "[not a section]",
        "; not a comment",
    };
    for (const auto& value : values) {
        SCOPED_TRACE(value.substr(0, 40));
        IniDocument doc;
        doc.Write("S", "k", value);
        IniDocument again;
        again.Parse(doc.Serialize());
        EXPECT_EQ(again.Read("S", "k", "<missing>"), value);
    }
}

TEST(IniDocument, LineBreaksInAValueBecomeBlanks) {
    const struct {
        const char* value;
        const char* read;
    } cases[] = {{"a\nb", "a b"}, {"a\r\nb", "a b"}, {"a\rb", "a b"}, {"a\n", "a "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        IniDocument doc;
        doc.Write("S", "k", c.value);
        doc.Write("S", "next", "1");
        IniDocument again;
        again.Parse(doc.Serialize());
        EXPECT_EQ(again.Read("S", "k", ""), c.read);
        EXPECT_EQ(again.Read("S", "next", ""), "1");
    }
}

TEST(IniDocument, WritingKeepsOtherLinesInPlace) {
    IniDocument doc;
    doc.Parse("; top\r\n[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nq=3\r\n");
    doc.Write("a", "X", "10");  // replaces in place, keeps the file's spelling
    doc.Write("A", "z", "4");   // appended after the last key, before the blank line
    doc.Write("C", "w", "5");   // new section at the end
    EXPECT_EQ(doc.Serialize(), "; top\r\n[A]\r\nx=10\r\ny=2\r\nz=4\r\n\r\n[B]\r\nq=3\r\n[C]\r\nw=5\r\n");
}

TEST(IniDocument, ErasingRemovesEveryOccurrence) {
    const struct {
        const char* name;
        const char* erase;
        const char* expected;
    } cases[] = {
        {"duplicate sections", "general", "[Program]\r\nName=ZUL\r\n[Other]\r\nk=v\r\n"},
        {"missing section", "Nothing",
         "[Program]\r\nName=ZUL\r\n[General]\r\na=1\r\n[Other]\r\nk=v\r\n[GENERAL]\r\nb=2\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument doc;
        doc.Parse("[Program]\r\nName=ZUL\r\n[General]\r\na=1\r\n[Other]\r\nk=v\r\n[GENERAL]\r\nb=2\r\n");
        doc.EraseSection(c.erase);
        EXPECT_EQ(doc.Serialize(), c.expected);
    }
    IniDocument doc;
    doc.Parse("[S]\r\na=1\r\nb=2\r\nA=3\r\n");
    doc.EraseKey("s", "a");
    EXPECT_EQ(doc.Serialize(), "[S]\r\nb=2\r\n");
}

TEST(IniDocument, ListsSectionsAndKeysOnce) {
    IniDocument doc;
    doc.Parse("[A]\r\nk1=1\r\nK1=2\r\nk2=3\r\n[B]\r\n[a]\r\nk3=4\r\n");
    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(doc.Keys("a"), (std::vector<std::string>{"k1", "k2"}));
}

TEST(IniDocument, BadInputParsesWithoutHarm) {
    const std::string cases[] = {
        "",
        std::string("\0\0\0\xFF\xFE[", 6),
        "[",
        "]",
        "=",
        "[]\r\n=\r\n",
        "\r\r\r\n\n",
        std::string(100000, '['),
        std::string(100000, '='),
    };
    for (const auto& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        IniDocument doc;
        doc.Parse(bytes);
        EXPECT_FALSE(doc.Find("Program", "Name").has_value());
        doc.Write("Program", "Name", "ZUL");
        IniDocument again;
        again.Parse(doc.Serialize());
        EXPECT_EQ(again.Read("Program", "Name", ""), "ZUL");
    }
}

// Heap in use, to compare what a parsed document holds with the size of its file.
std::size_t HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;  // small blocks and mapped ones
}

TEST(IniDocument, MemoryOfTheOrderOfTheFile) {
    const std::size_t size = IniDocument::kMaxFileSize - 64;
    const struct {
        const char* name;
        std::string line;
        std::size_t factor;  // heap in use at most factor times the file size
    } cases[] = {
        {"empty lines", "\n", 2},
        {"blank and comment lines", " \r\n;\r\n", 2},
        {"short keys", "k=v\n", 6},
        {"sections", "[s]\n", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string lines = c.line;
        while (lines.size() * 2 < size) lines += lines;
        const std::string bytes = "[Program]\nName=ZUL\n[S]\n" + lines + "[Last]\nk=end\n";
        const std::size_t before = HeapInUse();
        IniDocument doc;
        doc.Parse(bytes);
        EXPECT_EQ(doc.Read("Program", "Name", ""), "ZUL");
        EXPECT_EQ(doc.Read("Last", "k", ""), "end");
        EXPECT_LE(HeapInUse() - std::min(before, HeapInUse()), c.factor * bytes.size());
    }
}

TEST(IniDocument, EmptyLinesReadBackInPlace) {
    IniDocument doc;
    doc.Parse("\r\n\n[A]\r\n\r\n; c1\r; c2\nk=1\r\n\r\n\r\n[B]\n \n");
    doc.Write("A", "n", "2");  // after the last key, before the blank lines
    doc.Write("B", "m", "3");  // a section of blank lines only: before them
    EXPECT_EQ(doc.Serialize(), "\r\n\r\n[A]\r\n\r\n; c1\r\n; c2\r\nk=1\r\nn=2\r\n\r\n\r\n[B]\r\nm=3\r\n \r\n");
}

}  // namespace
}  // namespace zul
