// The memory table: memory lines, rows, selection moves and column widths.
#include <gtest/gtest.h>

#include <vector>

#include "memory/MemoryTable.h"

namespace zul {
namespace {

std::vector<std::string> Lines(const MemoryTable& t) {
    std::vector<std::string> out;
    for (int r = 1; r <= t.RowCount(); ++r) out.push_back(t.MemoryLineOfRow(r));
    return out;
}

TEST(MemoryLine, SplitAndJoin) {
    const struct {
        const char* line;
        const char* expression;
        const char* result;
        const char* note;
    } cases[] = {
        {"2+3//!5//!sum", "2+3", "5", "sum"},
        {" 2+3 //! 5 //! sum ", " 2+3 ", "5", "sum"},  // the expression is not trimmed
        {"2+3//!5", "2+3", "", ""},                    // no second separator: the rest dropped
        {"2+3", "2+3", "", ""},
        {"//!//!", "", "", ""},
        {"a//!b//!c//!d", "a", "b", "c//!d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const MemoryRow row = SplitMemoryLine(c.line);
        EXPECT_EQ(row.expression, c.expression);
        EXPECT_EQ(row.result, c.result);
        EXPECT_EQ(row.note, c.note);
    }
    EXPECT_EQ(JoinMemoryLine({" a ", " b", "c "}), "a//!b//!c");
    EXPECT_EQ(JoinMemoryLine({}), "//!//!");
}

TEST(MemoryTable, AddOrUpdateLine) {
    const struct {
        const char* name;
        std::vector<std::pair<int, const char*>> calls;
        std::vector<std::string> lines;
    } cases[] = {
        {"first line fills row 1", {{0, "2+3//!5//!"}}, {"2+3//!5//!"}},
        {"second line adds row 2", {{0, "2+3//!5//!"}, {0, "4*5//!20//!"}}, {"2+3//!5//!", "4*5//!20//!"}},
        {"update keeps other cells", {{0, "2+3//!5//!note"}, {1, "//!6//!"}}, {"2+3//!6//!note"}},
        {"empty text does nothing", {{0, ""}}, {"//!//!"}},
        {"row beyond the table does nothing", {{5, "x//!1//!"}}, {"//!//!"}},
        {"an empty last row is reused",
         {{0, "a//!1//!"}, {0, "//!//!"}, {0, "b//!2//!"}},
         {"a//!1//!", "b//!2//!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryTable t;
        for (const auto& [row, text] : c.calls) t.AddOrUpdateLine(row, text);
        EXPECT_EQ(Lines(t), c.lines);
    }
}

TEST(MemoryTable, RowCommands) {
    auto abc = [] {
        MemoryTable t;
        for (const char* e : {"A", "B", "C"}) t.AddOrUpdateLine(0, std::string(e) + "//!//!");
        return t;
    };
    const struct {
        const char* name;
        int selected;
        void (*command)(MemoryTable&);
        std::vector<std::string> expressions;  // column 1 of every row
        int selectedAfter;
    } cases[] = {
        {"add in the middle", 2, [](MemoryTable& t) { t.AddRowAtSelection(); }, {"A", "", "B", "C"}, 2},
        {"add at the end", 3, [](MemoryTable& t) { t.AddRowAtSelection(); }, {"A", "B", "C", ""}, 4},
        {"delete in the middle", 2, [](MemoryTable& t) { t.DeleteSelectedRow(); }, {"A", "C"}, 2},
        {"delete the last", 3, [](MemoryTable& t) { t.DeleteSelectedRow(); }, {"A", "B"}, 2},
        {"move up", 2, [](MemoryTable& t) { t.MoveSelectedUp(); }, {"B", "A", "C"}, 1},
        {"move up from row 1", 1, [](MemoryTable& t) { t.MoveSelectedUp(); }, {"A", "B", "C"}, 1},
        {"move down", 2, [](MemoryTable& t) { t.MoveSelectedDown(); }, {"A", "C", "B"}, 3},
        {"move down from the last", 3, [](MemoryTable& t) { t.MoveSelectedDown(); }, {"A", "B", "C"}, 3},
        {"clear", 2, [](MemoryTable& t) { t.Clear(); }, {""}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryTable t = abc();
        t.Select(c.selected, 1);
        c.command(t);
        std::vector<std::string> expressions;
        for (int r = 1; r <= t.RowCount(); ++r) expressions.push_back(t.Row(r).expression);
        EXPECT_EQ(expressions, c.expressions);
        EXPECT_EQ(t.SelectedRow(), c.selectedAfter);
        EXPECT_EQ(t.DeleteEnabled(), t.RowCount() >= 2);
    }
    MemoryTable single;
    EXPECT_FALSE(single.DeleteSelectedRow());  // one data row stays
    EXPECT_EQ(single.RowCount(), 1);
}

TEST(MemoryTable, ColumnWidthsText) {
    const struct {
        const char* text;
        std::array<int, 4> widths;
    } cases[] = {
        {"", {40, 310, 108, 100}},
        {"40 310 112 96", {40, 310, 112, 96}},
        {"50 x 60 70", {50, 310, 60, 70}},
        {"50 60 70", {50, 60, 108, 70}},
        {"50", {40, 310, 108, 50}},     // no blank: the first pieces are empty
        {"1 2 3 4 5", {1, 2, 3, 100}},  // "4 5" is not one integer
        {"$10 0x20 -5 99999999", {16, 32, 108, 100}},
        {"garbage", {40, 310, 108, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        MemoryTable t;
        t.SetColumnWidthsText(c.text);
        EXPECT_EQ(t.ColumnWidths(), c.widths);
    }
    MemoryTable fresh;
    EXPECT_EQ(fresh.ColumnWidthsText(), "40 310 112 96");
}

TEST(MemoryTable, ResultOfRow) {
    MemoryTable t;
    t.AddOrUpdateLine(0, "2+3//!5//!");
    EXPECT_EQ(t.ResultOfRow(1), "5");
    EXPECT_EQ(t.ResultOfRow(2), "");
    EXPECT_EQ(t.ResultOfRow(0), "");
    EXPECT_EQ(t.MemoryLineOfRow(7), "//!//!");
}

}  // namespace
}  // namespace zul
