// The list file: column widths, stored lines, writing, reading, appending and bad files.
#include <gtest/gtest.h>

#include <algorithm>

#include "TempFolder.h"
#include "lists/ListBatch.h"
#include "lists/ListFile.h"
#include "settings/CellSamples.h"
#include "settings/IniFile.h"

namespace zul {
namespace {

using testing::TempFolder;
using Widths = std::array<int, kListColumnCount>;

TEST(ApplyListColumnWidths, ItemsCutAtBlanks) {
    struct Case { const char* text; Widths widths; };
    const Case cases[] = {
        {"", {40, 380, 101, 39, 100}},
        {"50 300 90 30 120", {50, 300, 90, 30, 120}},
        {"10 20 30 40", {10, 20, 30, 39, 40}},          // no blank after the fourth item
        {"a b c d e", {40, 380, 101, 39, 100}},
        {"50 x 90 y 120", {50, 380, 90, 39, 120}},
        {"50  300 90 30 120", {50, 380, 300, 90, 100}},  // a double blank shifts the items
        {"$10 0x20 30 40 50", {16, 32, 30, 40, 50}},
        {"-5 0 99999999 30 120", {40, 0, 101, 30, 120}},  // widths the window cannot show; 0 hides
        {"50 300 90 30 120 7", {50, 300, 90, 30, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ApplyListColumnWidths(c.text), c.widths);
    }
    EXPECT_EQ(ListColumnWidthsText({40, 380, 101, 39, 100}), "40 380 101 39 100");
    // What is written reads back: widths are written within what is read.
    for (const Widths& w : {Widths{0, 1, 10000, 39, 100}, Widths{-3, 20000, 5, 5, 5}}) {
        const Widths back = ApplyListColumnWidths(ListColumnWidthsText(w));
        EXPECT_EQ(ApplyListColumnWidths(ListColumnWidthsText(back)), back);
        for (std::size_t i = 0; i < w.size(); ++i) EXPECT_EQ(back[i], std::clamp(w[i], 0, 10000));
    }
}

TEST(FillListLine, ColumnsUpToTheFirstMissingSeparator) {
    const ListLine old{"old1", "old2", "old3", "old4"};
    struct Case { const char* text; ListLine line; };
    const Case cases[] = {
        {"2+2//!4//!#//!note", {"2+2", "4", "#", "note"}},
        {"//!//!//!", {"", "", "", ""}},
        {"2+2//!4//!#", {"2+2", "4", "old3", "old4"}},
        {"2+2//!4", {"2+2", "old2", "old3", "old4"}},
        {"2+2", {"old1", "old2", "old3", "old4"}},
        {"", {"old1", "old2", "old3", "old4"}},
        {"a//!b//!c//!d//!e", {"a", "b", "c", "d//!e"}},   // a fourth separator stays in the note
        {"a//b//!c", {"a//b", "old2", "old3", "old4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ListLine line = old;
        FillListLine(c.text, line);
        EXPECT_EQ(line, c.line);
    }
    EXPECT_EQ(ListLineText({" 2+2 ", "4", "#", " n "}), "2+2//!4//!#//!n");
    EXPECT_EQ(ListLineText({}), "//!//!//!");
    EXPECT_EQ(ListLineText({"a\nb", "", "", "x\r"}), "a b//!//!//!x");
    EXPECT_EQ(ListLineText({"2 //! c", "", "", "//!"}), "2 //¦! c//!//!//!//¦!");  // split as written
}

TEST(ListFile, WriteThenReadRestoresEverything) {
    TempFolder folder;
    const std::string path = folder.File("list.sl");
    ExpressionList list;
    list.ResizeLines(3);
    list.MutableLine(1) = {"2+2", "4", "", "сумма"};
    list.MutableLine(2) = {"[1]*10", "40", "#", ""};
    list.MutableLine(3) = {};
    list.ColumnWidths() = {41, 381, 102, 40, 101};
    ASSERT_TRUE(WriteListFile(list, path).ok);

    const std::string text = TempFolder::Read(path);
    EXPECT_NE(text.find("[Program]\r\nName=ZUL (ver 1.4)"), std::string::npos);
    EXPECT_NE(text.find("ColWidths=41 381 102 40 101"), std::string::npos);
    EXPECT_NE(text.find("CountStrings=3\r\nstr-1=2+2//!4//!//!"), std::string::npos);
    EXPECT_NE(text.find("str-3=//!//!//!"), std::string::npos);
    EXPECT_LT(text.find("[Program]"), text.find("[Design]"));
    EXPECT_LT(text.find("[Design]"), text.find("[Strings]"));

    ExpressionList back;
    ASSERT_EQ(ReadListFile(back, path, false), ListReadStatus::Read);
    EXPECT_EQ(back.Lines(), list.Lines());
    EXPECT_EQ(back.ColumnWidths(), list.ColumnWidths());
}

TEST(ListFile, OneEmptyLineRoundTrip) {
    TempFolder folder;
    const std::string path = folder.File("empty.sl");
    ASSERT_TRUE(WriteListFile(ExpressionList{}, path).ok);
    EXPECT_NE(TempFolder::Read(path).find("CountStrings=1\r\nstr-1=//!//!//!"), std::string::npos);
    ExpressionList back;
    back.ResizeLines(4);
    back.MutableLine(1).expression = "old";
    ASSERT_EQ(ReadListFile(back, path, false), ListReadStatus::Read);
    EXPECT_EQ(back.LineCount(), 1);
    EXPECT_EQ(back.Line(1), ListLine{});
}

TEST(ListFile, OtherSectionsSurviveAndOldKeysGo) {
    TempFolder folder;
    const std::string path = folder.Write("keep.sl",
        "[Mine]\r\nx=1\r\n[Strings]\r\nCountStrings=5\r\nstr-5=gone\r\n[Program]\r\nName=old\r\n");
    ExpressionList list;
    ASSERT_TRUE(WriteListFile(list, path).ok);
    const std::string text = TempFolder::Read(path);
    EXPECT_NE(text.find("[Mine]\r\nx=1"), std::string::npos);
    EXPECT_EQ(text.find("str-5"), std::string::npos);
    EXPECT_EQ(text.find("Name=old"), std::string::npos);
}

TEST(ListFile, AppendingKeepsWidthsAndNumbersOn) {
    TempFolder folder;
    ExpressionList three;
    three.ResizeLines(3);
    for (int k = 1; k <= 3; ++k) three.MutableLine(k).expression = "f" + std::to_string(k);
    three.ColumnWidths() = {1, 2, 3, 4, 5};
    const std::string path = folder.File("three.sl");
    ASSERT_TRUE(WriteListFile(three, path).ok);

    ExpressionList five;
    five.ResizeLines(5);
    for (int k = 1; k <= 5; ++k) five.MutableLine(k).expression = "l" + std::to_string(k);
    ASSERT_EQ(ReadListFile(five, path, true), ListReadStatus::Read);
    ASSERT_EQ(five.LineCount(), 8);
    const char* expected[] = {"l1", "l2", "l3", "l4", "l5", "f1", "f2", "f3"};
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(five.Line(k).expression, expected[k - 1]);
        EXPECT_EQ(five.Cell(k, kColumnNumber), std::to_string(k) + ".");
    }
    EXPECT_EQ(five.ColumnWidths(), kDefaultListColumnWidths);
}

TEST(ListFile, ReplacingALongerListLeavesTheFileLines) {
    TempFolder folder;
    const std::string path = folder.Write("short.sl",
        "[Program]\nName=ZUL (ver 1.4)\n[Strings]\nCountStrings=2\nstr-1=a//!1\nstr-2=b//!2//!#//!n\n");
    ExpressionList list;
    list.ResizeLines(6);
    for (int k = 1; k <= 6; ++k) list.MutableLine(k) = {"x", "y", "#", "z"};
    ASSERT_EQ(ReadListFile(list, path, false), ListReadStatus::Read);
    ASSERT_EQ(list.LineCount(), 2);
    EXPECT_EQ(list.Line(1), (ListLine{"a", "", "", ""}));
    EXPECT_EQ(list.Line(2), (ListLine{"b", "2", "#", "n"}));
}

TEST(ListFile, BadFilesAreRefusedOrReadSafely) {
    TempFolder folder;
    struct Case { const char* name; std::string bytes; ListReadStatus status; int lines; const char* first; };
    const std::string header = "[Program]\r\nName=ZUL (ver 1.4)\r\n";
    const Case cases[] = {
        {"empty file", "", ListReadStatus::NotListFile, 2, "keep"},
        {"binary", std::string("\0\x01\x02\xff\xfe[Program]\0", 15), ListReadStatus::NotListFile, 2, "keep"},
        {"lower-case header", "[Program]\r\nName=zul\r\n", ListReadStatus::NotListFile, 2, "keep"},
        {"no strings", header, ListReadStatus::Read, 1, ""},
        {"count not a number", header + "[Strings]\r\nCountStrings=many\r\nstr-1=a//!//!//!\r\n", ListReadStatus::Read, 1, ""},
        {"negative count", header + "[Strings]\r\nCountStrings=-4\r\n", ListReadStatus::Read, 1, ""},
        {"count beyond the keys", header + "[Strings]\r\nCountStrings=3\r\nstr-1=a//!//!//!\r\n", ListReadStatus::Read, 3, "a"},
        {"repeated key: first wins", header + "[Strings]\r\nCountStrings=1\r\nstr-1=a//!//!//!\r\nstr-1=b//!//!//!\r\n",
         ListReadStatus::Read, 1, "a"},
        {"windows-1251 text", header + "[Strings]\r\nCountStrings=1\r\nstr-1=1//!//!//!\xEF\xF0\xE8\xEC\r\n",
         ListReadStatus::Read, 1, "1"},
        {"utf-8 text", header + "[Strings]\r\nCountStrings=1\r\nstr-1=2//!//!//!приме\r\n", ListReadStatus::Read, 1, "2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.Write("bad.sl", c.bytes);
        ExpressionList list;
        list.ResizeLines(2);
        list.MutableLine(1).expression = "keep";
        EXPECT_EQ(ReadListFile(list, path, false), c.status);
        EXPECT_EQ(list.LineCount(), c.lines);
        EXPECT_EQ(list.Line(1).expression, c.first);
    }
    EXPECT_EQ(NotListFileText(folder.File("bad.sl")),
              "Этот файл не является файлом со списком строк для программы ЗУЛ:  bad.sl");
}

TEST(ListFile, EncodingsOfNotes) {
    TempFolder folder;
    const std::string header = "[Program]\r\nName=ZUL (ver 1.4)\r\n[Strings]\r\nCountStrings=1\r\n";
    ExpressionList cp1251;
    ASSERT_EQ(ReadListFile(cp1251, folder.Write("a.sl", header + "str-1=1//!//!//!\xEF\xF0\xE8\xEC\r\n"), false),
              ListReadStatus::Read);
    EXPECT_EQ(cp1251.Line(1).note, "прим");
    ExpressionList utf8;
    ASSERT_EQ(ReadListFile(utf8, folder.Write("b.sl", header + "str-1=1//!//!//!прим\r\n"), false),
              ListReadStatus::Read);
    EXPECT_EQ(utf8.Line(1).note, "прим");
}

TEST(ListFile, EnormousCountIsCapped) {
    TempFolder folder;
    const std::string path = folder.Write("huge.sl",
        "[Program]\r\nName=ZUL\r\n[Strings]\r\nCountStrings=1000000000\r\nstr-2=b//!//!//!\r\n");
    ExpressionList list;
    ASSERT_EQ(ReadListFile(list, path, false), ListReadStatus::Read);
    EXPECT_EQ(list.LineCount(), kMaxListLines);
    EXPECT_EQ(list.Line(2).expression, "b");
}

TEST(ListFile, HugeFileIsRefusedNotLoaded) {
    TempFolder folder;
    const std::string path = folder.File("big.sl");
    {
        std::ofstream out(path, std::ios::binary);
        out << "[Program]\r\nName=ZUL\r\n[Strings]\r\n";
        const std::string line(1000, 'x');
        for (int i = 0; i < 17 * 1024; ++i) out << "k" << i << "=" << line << "\r\n";
    }
    ExpressionList list;
    std::string error;
    EXPECT_EQ(ReadListFile(list, path, false, &error), ListReadStatus::Unreadable);
    EXPECT_EQ(error, kTooLargeText);
    EXPECT_EQ(ListReadErrorText(ListReadStatus::Unreadable, path, error),
              "Не удалось прочитать файл:\n" + path + "\nфайл больше 16 МБ");
    EXPECT_FALSE(WriteListFile(list, path).ok);  // not overwritten either
}

TEST(ListFile, EveryCellComesBack) {
    TempFolder folder;
    const std::string path = folder.File("cells.sl");
    ExpressionList list;
    const std::vector<std::string> samples = testing::CellSamples();
    list.ResizeLines(static_cast<int>(samples.size()));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::string& s = samples[i];
        list.MutableLine(static_cast<int>(i) + 1) = {s, s, s, s};
    }
    ASSERT_TRUE(WriteListFile(list, path).ok);
    ExpressionList back;
    ASSERT_EQ(ReadListFile(back, path, false), ListReadStatus::Read);
    ASSERT_EQ(back.LineCount(), list.LineCount());
    for (int k = 1; k <= list.LineCount(); ++k) {
        SCOPED_TRACE(list.Line(k).expression);
        EXPECT_EQ(back.Line(k), list.Line(k));
    }
}

TEST(ListFile, WhatIsSavedCanBeOpened) {
    TempFolder folder;
    const std::string path = folder.File("caps.sl");
    ExpressionList longest;
    longest.ResizeLines(kMaxListLines);
    longest.MutableLine(kMaxListLines).expression = "last";
    ASSERT_TRUE(WriteListFile(longest, path).ok);
    ExpressionList back;
    ASSERT_EQ(ReadListFile(back, path, false), ListReadStatus::Read);
    EXPECT_EQ(back.LineCount(), kMaxListLines);
    EXPECT_EQ(back.Line(kMaxListLines).expression, "last");

    const std::string before = TempFolder::Read(path);
    ExpressionList tooLong;
    tooLong.ResizeLines(kMaxListLines + 1);
    ExpressionList tooLarge;  // a file over 16 MiB
    tooLarge.ResizeLines(17);
    for (int k = 1; k <= 17; ++k) tooLarge.MutableLine(k).note = std::string(1024 * 1024, 'n');
    const struct {
        const char* name;
        const ExpressionList& list;
        std::string error;
    } refused[] = {
        {"more lines than a file may hold", tooLong, TooManyListLinesText()},
        {"a file larger than a file may be", tooLarge, std::string(kWouldBeTooLargeText)},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.name);
        const ListWriteResult r = WriteListFile(c.list, path);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(TempFolder::Read(path), before);
    }
}

TEST(ComputeListFile, ComputesAllAndSavesBack) {
    TempFolder folder;
    const std::string path = folder.Write("calc.sl",
        "[Program]\r\nName=ZUL (ver 1.4)\r\n[Strings]\r\nCountStrings=4\r\n"
        "str-1=2+2//!//!//!\r\nstr-2=[1]*10//!//!//!\r\nstr-3=1+1//!9//!#//!\r\nstr-4=oops//!//!//!\r\n");
    const ListBatchResult result = ComputeListFile(path, EvalContext{}, true);
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.lines.size(), 4u);
    const char* expected[] = {"4", "40", "9", ""};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(result.lines[static_cast<std::size_t>(i)].number, i + 1);
        EXPECT_EQ(result.lines[static_cast<std::size_t>(i)].result, expected[i]);
    }
    EXPECT_NE(TempFolder::Read(path).find("str-2=[1]*10//!40//!//!"), std::string::npos);

    const ListBatchResult missing = ComputeListFile(folder.File("none.sl"), EvalContext{}, false);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "Файл не существует:\n" + folder.File("none.sl"));
    std::filesystem::create_directory(folder.File("dir.sl"));
    const ListBatchResult dir = ComputeListFile(folder.File("dir.sl"), EvalContext{}, false);
    EXPECT_EQ(dir.error, "Не удалось прочитать файл:\n" + folder.File("dir.sl") + "\nэто папка, а не файл");

    const std::string faulty = folder.Write("fault.sl",
        "[Program]\r\nName=ZUL\r\n[Strings]\r\nCountStrings=2\r\nstr-1=1//!//!//!\r\nstr-2=ln(0)//!//!//!\r\n");
    const ListBatchResult fault = ComputeListFile(faulty, EvalContext{}, true);
    EXPECT_FALSE(fault.ok);
    EXPECT_EQ(fault.fault, "Floating point division by zero");
    EXPECT_EQ(TempFolder::Read(faulty).find("str-1=1//!1"), std::string::npos);  // not written
}

}  // namespace
}  // namespace zul
