// References between list lines and the result text of a list line.
#include <gtest/gtest.h>

#include <map>

#include "eval/Evaluator.h"
#include "lists/LineReferences.h"

namespace zul {
namespace {

const std::map<long long, std::string> kResults = {{1, "4"}, {2, "-2.5"}, {3, ""}, {10, "7"}};

std::string ResultOf(long long n) {
    auto it = kResults.find(n);
    return it == kResults.end() ? std::string() : it->second;
}

TEST(ResolveLineReferences, GroupsBecomeResults) {
    struct Case { const char* expression; const char* resolved; };
    const Case cases[] = {
        {"[1]*10", "4*10"},
        {"2*[1]", "2*4"},
        {"[1]+[2]", "4+(-2.5)"},          // a negative result in parentheses
        {"[ 10 ]/2", "7/2"},
        {"[7]+1", "+1"},                   // a line that does not exist
        {"[3]+1", "+1"},                   // a line without result
        {"[abc]+1", "+1"},                 // not an integer: dropped
        {"2[]3", "23"},                    // an empty pair removed
        {"[0]+1", "+1"},
        {"[-1]+1", "+1"},
        {"[99999999999999999999999]+1", "+1"},
        {"[1.5]+1", "+1"},
        {"[1", "[1"},                      // no "]": nothing to do
        {"1]", "1]"},
        {"2]+[1]", "2]+[1]"},              // a "]" before the first "[" stops the step
        {"[1]]", "4]"},
        {"[[1]]", "]"},                    // the group "[[1]" is not an integer
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(ResolveLineReferences(c.expression, ResultOf), c.resolved);
    }
}

// A negative result keeps the meaning of the line that refers to it: line 1 showing -3.
TEST(ResolveLineReferences, NegativeResultsKeepTheLineMeaning) {
    auto minusThree = [](long long) { return std::string("-3"); };
    struct Case { const char* expression; const char* shown; };
    const Case cases[] = {
        {"[1]^2", "9"}, {"1+[1]^2", "10"}, {"[1]!", "fail"}, {"2*[1]", "-6"}, {"10-[1]*2", "16"},
        {"1-[1]", "4"}, {"[1]", "-3"}, {"[1]*[1]", "9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        Extended v = 0;
        const bool ok = EvaluateExpression(ResolveLineReferences(c.expression, minusThree), v, {});
        EXPECT_EQ(ok ? ListResultText(v) : "fail", c.shown);
    }
}

TEST(ResolveLineReferences, ResultsHoldingBracketsCannotLoop) {
    // A result cell typed by the user may hold a reference to its own line.
    auto self = [](long long) { return std::string("[1]"); };
    EXPECT_EQ(ResolveLineReferences("[1]", self), "[1]");
    EXPECT_EQ(ResolveLineReferences("[1]+[1]", self), "[1]+[1]");
    auto growing = [](long long) { return std::string("[1][1]"); };
    EXPECT_LE(ResolveLineReferences("[1]", growing).size(), 20u);
}

TEST(ListResultText, FixedTextTrimmedWithoutExponentSwitch) {
    struct Case { long double value; const char* text; };
    const Case cases[] = {
        {2.5L, "2.5"}, {3, "3"}, {0, "0"}, {-0.5L, "-0.5"}, {1e-13L, "0"}, {-4e-13L, "0"},
        {2e-12L, "0.000000000002"}, {2.0L / 3, "0.666666666667"}, {40, "40"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ListResultText(c.value), c.text);
    }
}

}  // namespace
}  // namespace zul
