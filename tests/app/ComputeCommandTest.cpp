// The compute command: input line, history, memory, recent calculations and faults.
#include <gtest/gtest.h>

#include "app/ComputeCommand.h"
#include "calc/Catalogue.h"

namespace zul {
namespace {

Calculator Fresh() {
    Calculator c;
    c.main.recent.Reset();
    return c;
}

void SelectCode(Calculator& c, int code) {
    const auto selection = SelectTopicNode(IndexOfCode(code));
    ASSERT_TRUE(selection.has_value());
    c.main.topic = selection->state;
}

std::vector<std::string> MemoryLines(const Calculator& c) {
    std::vector<std::string> out;
    for (int r = 1; r <= c.memory.RowCount(); ++r) out.push_back(c.memory.MemoryLineOfRow(r));
    return out;
}

TEST(ComputeCommand, PlainExpressionsFillHistoryAndMemory) {
    const struct {
        const char* name;
        std::vector<std::string> inputs;
        std::vector<std::string> shown;  // input line after each compute; "-" not computed
        std::vector<std::string> history;
        std::vector<std::string> memory;
    } cases[] = {
        {"one expression", {"2+3"}, {"5"}, {"2+3"}, {"2+3//!5//!"}},
        {"two expressions", {"2+3", "4*5"}, {"5", "20"}, {"4*5", "2+3"}, {"2+3//!5//!", "4*5//!20//!"}},
        {"the same again updates its row",
         {"2+3", "4*5", "2+3"},
         {"5", "20", "5"},
         {"4*5", "2+3"},
         {"2+3//!5//!", "4*5//!20//!"}},
        {"the result computed again is a new item",
         {"2+3", "5"},
         {"5", "5"},
         {"5", "2+3"},
         {"2+3//!5//!", "5//!5//!"}},
        {"blanks change nothing", {"   "}, {"-"}, {}, {"//!//!"}},
        {"a failed evaluation changes nothing", {"2+", "(1"}, {"-", "-"}, {}, {"//!//!"}},
        {"brackets without a calculation fail", {"[12.5] [80]"}, {"-"}, {}, {"//!//!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calc = Fresh();
        for (std::size_t i = 0; i < c.inputs.size(); ++i) {
            const ComputeOutcome out = Compute(calc, c.inputs[i]);
            if (c.shown[i] == "-") {
                EXPECT_FALSE(out.computed);
            } else {
                EXPECT_TRUE(out.computed);
                EXPECT_EQ(out.inputText, c.shown[i]);
            }
        }
        EXPECT_EQ(calc.main.history.Items(), c.history);
        EXPECT_EQ(MemoryLines(calc), c.memory);
        EXPECT_EQ(calc.main.recent.Count(), 0);
    }
}

TEST(ComputeCommand, ExistingHistoryItemUpdatesTheFirstMatchingRow) {
    Calculator calc = Fresh();
    calc.main.history.Replace({"1+1"});
    calc.memory.AddOrUpdateLine(0, "x//!9//!note");
    calc.memory.AddOrUpdateLine(0, "1+1//!old//!keep");
    Compute(calc, "1+1");
    EXPECT_EQ(MemoryLines(calc), (std::vector<std::string>{"x//!9//!note", "1+1//!2//!keep"}));
    EXPECT_EQ(calc.main.history.Count(), 1);
    // In the history but in no memory row: the memory is not touched.
    calc.main.history.Replace({"7"});
    Compute(calc, "7");
    EXPECT_EQ(calc.memory.RowCount(), 2);
}

TEST(ComputeCommand, ACommentHoldingTheSeparatorStaysInItsCell) {
    Calculator calc = Fresh();
    ASSERT_TRUE(Compute(calc, "2+3 //! x").computed);
    ASSERT_EQ(calc.memory.RowCount(), 1);
    EXPECT_EQ(calc.memory.Row(1).expression, "2+3 //! x");
    EXPECT_EQ(calc.memory.Row(1).result, "5");
    EXPECT_EQ(calc.memory.Row(1).note, "");
}

TEST(ComputeCommand, CalculationsAreRecorded) {
    Calculator calc = Fresh();
    SelectCode(calc, 1);
    const ComputeOutcome first = Compute(calc, "[12.5] [80]");
    ASSERT_TRUE(first.computed);
    EXPECT_TRUE(calc.main.calculationMarker);
    EXPECT_EQ(calc.main.recent.Items(), std::vector<std::string>{"№1. =" + first.inputText});
    // The same calculation again keeps one entry.
    const ComputeOutcome second = Compute(calc, "[25] [80]");
    EXPECT_EQ(calc.main.recent.Items(), std::vector<std::string>{"№1. =" + second.inputText});
    // A plain expression with a calculation selected is evaluated and not recorded.
    EXPECT_EQ(Compute(calc, "1+2").inputText, "3");
    EXPECT_FALSE(calc.main.calculationMarker);
    EXPECT_EQ(calc.main.recent.Count(), 1);
}

TEST(ComputeCommand, TimeSum) {
    const struct {
        const char* input;
        const char* shown;
    } cases[] = {
        {"[01:30:00] [00:45:30]", "[02:15:30]"},
        {"[01:00:00] [-00:20:00]", "[00:40:00]"},
        {"[01:xx:00]", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        Calculator calc = Fresh();
        SelectCode(calc, 50301);
        const ComputeOutcome out = Compute(calc, c.input);
        EXPECT_EQ(out.computed, c.shown != nullptr);
        if (c.shown == nullptr) continue;
        EXPECT_EQ(out.inputText, c.shown);
        EXPECT_EQ(calc.main.recent.Items(), std::vector<std::string>{std::string("№1. =") + c.shown});
        EXPECT_EQ(calc.memory.MemoryLineOfRow(1), std::string(c.input) + "//!" + c.shown + "//!");
    }
}

TEST(ComputeCommand, ArithmeticFaultsLeaveEverythingAsItWas) {
    const char* cases[] = {"ln(0)", "1e4000*1e4000"};
    for (const char* input : cases) {
        SCOPED_TRACE(input);
        Calculator calc = Fresh();
        EXPECT_THROW(Compute(calc, input), ArithmeticFault);
        EXPECT_TRUE(calc.main.history.Empty());
        EXPECT_EQ(calc.memory.MemoryLineOfRow(1), "//!//!");
    }
}

TEST(ComputeCommand, HistoryPositionAndModifiedFlag) {
    const struct {
        const char* name;
        const char* file;
        bool modified;
    } cases[] = {{"no settings file", "", false}, {"settings file in use", "a.ini", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Calculator calc = Fresh();
        calc.main.settingsFile.currentFile = c.file;
        calc.main.history.Replace({"A", "B"});
        calc.main.history.PreviousExpression();
        Compute(calc, "2*2");
        EXPECT_EQ(calc.main.history.Position(), 0);
        EXPECT_EQ(calc.main.settingsFile.modified, c.modified);
    }
}

}  // namespace
}  // namespace zul
