// The expression list: computing lines with references, switched-off lines, the line
// commands and the saved indicator.
#include <gtest/gtest.h>

#include "eval/Extended.h"
#include "lists/ExpressionList.h"
#include "platform/ScriptedPlatform.h"

namespace zul {
namespace {

ExpressionList ListOf(std::initializer_list<ListLine> lines) {
    ExpressionList list;
    list.ResizeLines(static_cast<int>(lines.size()));
    int n = 1;
    for (const ListLine& line : lines) list.MutableLine(n++) = line;
    return list;
}

std::vector<std::string> Results(const ExpressionList& list) {
    std::vector<std::string> out;
    for (const ListLine& line : list.Lines()) out.push_back(line.result);
    return out;
}

std::vector<std::string> Expressions(const ExpressionList& list) {
    std::vector<std::string> out;
    for (const ListLine& line : list.Lines()) out.push_back(line.expression);
    return out;
}

TEST(ComputeAll, OnePassFromTheTop) {
    struct Case {
        const char* name;
        std::vector<ListLine> lines;
        std::vector<std::string> results;
    };
    const Case cases[] = {
        {"reference to an earlier line", {{"2+2"}, {"[1]*10"}}, {"4", "40"}},
        {"switched-off line keeps its result", {{"2+2", "4", "#"}, {"[1]*10", "7"}}, {"4", "40"}},
        {"reference to a later line uses its old result", {{"[2]+1"}, {"5", "9"}}, {"10", "5"}},
        {"missing line reads empty", {{"[7]+1"}}, {"1"}},
        {"letters in brackets dropped", {{"[ab]3*2"}}, {"6"}},
        {"empty pair removed", {{"2[]*3"}}, {"6"}},
        {"rejected expression leaves the result empty", {{"2+", "old"}}, {""}},
        {"empty expression is skipped", {{"", "kept"}, {"  ", "kept"}}, {"kept", "kept"}},
        {"stray bracket skips the line", {{"2]+[1]", "old"}}, {""}},
        {"tiny result shows 0", {{"1/10000000000000"}}, {"0"}},
        {"negative result inserted with its sign", {{"0-3"}, {"2*[1]"}}, {"-3", "-6"}},
        {"self reference uses the old result", {{"[1]+1", "5"}}, {"6"}},
        {"any mark switches off", {{"1+1", "", " x "}}, {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpressionList list;
        list.ResizeLines(static_cast<int>(c.lines.size()));
        for (std::size_t i = 0; i < c.lines.size(); ++i) list.MutableLine(static_cast<int>(i) + 1) = c.lines[i];
        list.ComputeAll(EvalContext{});
        EXPECT_EQ(Results(list), c.results);
        EXPECT_EQ(list.CurrentRow(), list.LineCount());
    }
}

TEST(ComputeAll, SwitchingOffAndComputingAgain) {
    ExpressionList list = ListOf({{"2+2"}, {"[1]*10"}});
    list.ComputeAll(EvalContext{});
    list.SelectCell(1, 1);
    list.SwitchOff();
    list.MutableLine(1).expression = "3+3";
    list.ComputeAll(EvalContext{});
    EXPECT_EQ(Results(list), (std::vector<std::string>{"4", "40"}));
}

TEST(ComputeAll, ProgressShownStepwiseAndHidden) {
    ExpressionList list = ListOf({{"1"}, {"2"}, {"3"}});
    std::vector<std::string> events;
    ListProgress progress{[&](int max) { events.push_back("show " + std::to_string(max)); },
                          [&](int pos) { events.push_back(std::to_string(pos)); },
                          [&] { events.push_back("hide"); }};
    list.ComputeAll(EvalContext{}, progress);
    EXPECT_EQ(events, (std::vector<std::string>{"show 3", "1", "2", "3", "hide"}));

    ExpressionList faulty = ListOf({{"1"}, {"ln(0)"}, {"3"}});
    events.clear();
    EXPECT_THROW(faulty.ComputeAll(EvalContext{}, progress), ArithmeticFault);
    EXPECT_EQ(events.back(), "hide");
    EXPECT_EQ(Results(faulty), (std::vector<std::string>{"1", "", ""}));
}

TEST(ComputeCurrentLine, WritesTheResultOrExplains) {
    struct Case { const char* name; ListLine line; bool computed; const char* result; std::vector<std::string> messages; };
    const Case cases[] = {
        {"computed", {"2.5*2"}, true, "5", {}},
        {"switched off", {"2+2", "old", "#"}, false, "old", {"Выражение в этой строке (2) отключено от вычислений."}},
        {"empty", {"", "old"}, false, "old", {}},
        {"rejected", {"2*", "old"}, false, "", {}},
        {"stray bracket", {"1]+2", "old"}, false, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpressionList list = ListOf({{"1", "1"}, c.line});
        list.SelectCell(2, 1);
        ScriptedPlatform platform;
        EXPECT_EQ(list.ComputeCurrentLine(platform, EvalContext{}), c.computed);
        EXPECT_EQ(list.Line(2).result, c.result);
        EXPECT_EQ(platform.MessageTexts(), c.messages);
        EXPECT_EQ(list.Indicator(), c.computed ? SavedIndicator::Changed : SavedIndicator::None);
        EXPECT_EQ(list.CurrentColumn(), c.computed ? kColumnResult : 1);
    }
}

TEST(LineCommands, InsertCopyMove) {
    struct Case { const char* name; int current; void (ExpressionList::*command)(); std::vector<std::string> expressions; int newCurrent; };
    const Case cases[] = {
        {"insert in the middle", 3, &ExpressionList::InsertLine, {"a", "b", "", "c", "d", "e"}, 3},
        {"insert at the last line", 5, &ExpressionList::InsertLine, {"a", "b", "c", "d", "e", ""}, 6},
        {"insert at the first line", 1, &ExpressionList::InsertLine, {"", "a", "b", "c", "d", "e"}, 1},
        {"copy in the middle", 2, &ExpressionList::CopyLine, {"a", "b", "b", "c", "d", "e"}, 2},
        {"copy at the last line", 5, &ExpressionList::CopyLine, {"a", "b", "c", "d", "e", "e"}, 6},
        {"move up", 3, &ExpressionList::MoveUp, {"a", "c", "b", "d", "e"}, 2},
        {"move up at the top", 1, &ExpressionList::MoveUp, {"a", "b", "c", "d", "e"}, 1},
        {"move down", 3, &ExpressionList::MoveDown, {"a", "b", "d", "c", "e"}, 4},
        {"move down at the bottom", 5, &ExpressionList::MoveDown, {"a", "b", "c", "d", "e"}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpressionList list = ListOf({{"a", "1", "#", "n"}, {"b"}, {"c"}, {"d"}, {"e"}});
        list.SelectCell(c.current, 1);
        (list.*c.command)();
        EXPECT_EQ(Expressions(list), c.expressions);
        EXPECT_EQ(list.CurrentRow(), c.newCurrent);
        EXPECT_EQ(list.DeleteButtonCaption(), "Удалить №" + std::to_string(c.newCurrent));
        const bool moved = Expressions(list) != std::vector<std::string>{"a", "b", "c", "d", "e"};
        EXPECT_EQ(list.Indicator(), moved ? SavedIndicator::Changed : SavedIndicator::None);
    }
}

TEST(LineCommands, CopyTakesEveryColumn) {
    ExpressionList list = ListOf({{"a", "1", "#", "n"}, {"b"}});
    list.SelectCell(1, 1);
    list.CopyLine();
    EXPECT_EQ(list.Line(1), (ListLine{"a", "1", "#", "n"}));
    EXPECT_EQ(list.Line(2), (ListLine{"a", "1", "#", "n"}));
    EXPECT_TRUE(list.CurrentLineOff());
}

TEST(LineCommands, DeleteAsksAndKeepsOneLine) {
    struct Case { const char* name; int lines; int current; MessageResult answer; std::vector<std::string> expressions; int newCurrent; };
    const Case cases[] = {
        {"middle line", 3, 2, MessageResult::Yes, {"a", "c"}, 2},
        {"last line", 3, 3, MessageResult::Yes, {"a", "b"}, 2},
        {"answered no", 3, 2, MessageResult::No, {"a", "b", "c"}, 2},
        {"box closed", 3, 2, MessageResult::Closed, {"a", "b", "c"}, 2},
        {"only line", 1, 1, MessageResult::Yes, {"a"}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpressionList list = ListOf({{"a"}, {"b"}, {"c"}});
        list.ResizeLines(c.lines);
        list.SelectCell(c.current, 1);
        ScriptedPlatform platform;
        platform.QueueMessageResult(c.answer);
        list.DeleteLine(platform);
        EXPECT_EQ(Expressions(list), c.expressions);
        EXPECT_EQ(list.CurrentRow(), c.newCurrent);
        if (c.lines >= 2) {
            EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{"Удалить строку №" + std::to_string(c.current) + "?"});
        } else {
            EXPECT_TRUE(platform.messages().empty());
        }
        EXPECT_EQ(list.DeleteEnabled(), list.LineCount() >= 2);
    }
}

TEST(LineCommands, SwitchOffAndOnShowTheOtherButton) {
    ExpressionList list = ListOf({{"1"}, {"2"}});
    list.SelectCell(2, 1);
    EXPECT_FALSE(list.CurrentLineOff());
    list.SwitchOff();
    EXPECT_EQ(list.Line(2).mark, "#");
    EXPECT_TRUE(list.CurrentLineOff());
    EXPECT_EQ(list.Indicator(), SavedIndicator::Changed);
    list.SwitchOn();
    EXPECT_EQ(list.Line(2).mark, "");
    EXPECT_FALSE(list.CurrentLineOff());
}

TEST(ExpressionListState, CaptionsAndIndicator) {
    ExpressionList list;
    EXPECT_EQ(list.LineCount(), 1);
    EXPECT_TRUE(list.Saved());
    EXPECT_EQ(IndicatorText(list.Indicator()), "Нет");
    EXPECT_EQ(list.DeleteButtonCaption(), "Удалить №");
    EXPECT_EQ(list.ExpressionHeader(), "Вычисляемое выражение:");
    EXPECT_FALSE(list.DeleteEnabled());

    list.SetCell(1, kColumnExpression, "");  // emptying a cell is no change
    EXPECT_TRUE(list.Saved());
    list.SetCell(1, kColumnExpression, "1+1");
    EXPECT_FALSE(list.Saved());
    EXPECT_EQ(IndicatorText(list.Indicator()), "Изм.");
    list.InsertLine();
    list.SelectCell(2, 1);
    EXPECT_EQ(list.ExpressionHeader(), "Вычисляемое выражение: №2");
    EXPECT_EQ(list.Cell(2, kColumnNumber), "2.");
    list.SetPath("x.sl");
    list.Reset();
    EXPECT_EQ(list.LineCount(), 1);
    EXPECT_EQ(list.Line(1), ListLine{});
    EXPECT_EQ(list.DeleteButtonCaption(), "Удалить №");
    EXPECT_EQ(list.ExpressionHeader(), "Вычисляемое выражение:");
    EXPECT_FALSE(list.FileOpen());
    EXPECT_EQ(IndicatorText(list.Indicator()), "Нет");
    EXPECT_EQ(IndicatorText(SavedIndicator::Saved), "Сохр.");
}

}  // namespace
}  // namespace zul
