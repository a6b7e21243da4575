// The calculation dispatch: splitting a line into argument groups, the order of its checks,
// the result it leaves on failure, and bad input that must end quietly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormulaTestSupport.h"
#include "calc/Dispatch.h"

namespace zul {
namespace {

using test::RunDispatch;

struct SplitCase {
    const char* line;
    bool ok;
    int cycles;
    std::vector<Extended> slots;  // the leading slots; the rest must be 0
};

const SplitCase kSplits[] = {
    {"[12.5] [80]", true, 2, {12.5L, 80}},
    {"[3600/4] [2*40]", true, 2, {900, 80}},
    {"2*[3] [4]", true, 2, {6, 4}},                   // text in front of "[" stays in its group
    {"[5] [6] abc", true, 10, {5, 6}},                 // trailing text: cycles run to the tenth
    {"[5] [6]   ", true, 2, {5, 6}},
    {"   [5]", true, 1, {5}},
    {"[1][2][3]", true, 3, {1, 2, 3}},
    {"[1] [2] [3] [4] [5] [6] [7] [8] [9] [10] [11]", true, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {"5] [6]", true, 2, {5, 6}},                       // "]" before "[": the group is "5"
    {"[1] 2] [3]", true, 3, {1, 2, 3}},
    {"[1] [2", true, 10, {1}},                         // an unfinished later group is never read
    {"[1E4000]", true, 1, {1E4000L}},
    {"[ 7 ]", true, 1, {7}},
    {"[1", false, 1, {}},
    {"1]", false, 1, {}},
    {"abc", false, 1, {}},
    {"", false, 1, {}},
    {"[]", false, 1, {}},
    {"[1] []", false, 2, {1}},
    {"[abc] [2]", false, 1, {}},
    {"[1] [2+]", false, 2, {1}},
    {"[(1] [2)]", false, 1, {}},
    {"[[1]] [2]", false, 1, {}},
    {"[1E5000]", false, 1, {}},
    {"[1/0] [2]", false, 1, {}},                       // the evaluator fails a zero divisor
};

TEST(DispatchSplit, GroupsSlotsAndCycles) {
    for (const auto& c : kSplits) {
        SCOPED_TRACE(c.line);
        ArgumentGroups groups;
        EXPECT_EQ(SplitArgumentGroups(c.line, {}, groups), c.ok);
        EXPECT_EQ(groups.cycles, c.ok ? c.cycles : groups.cycles);
        if (!c.ok) continue;
        for (std::size_t i = 0; i < groups.slots.size(); ++i) {
            Extended expected = i < c.slots.size() ? c.slots[i] : 0;
            EXPECT_EQ(groups.slots[i], expected) << "slot " << i + 1;
        }
    }
}

TEST(DispatchSplit, GroupsUseTheUserConstants) {
    EvalContext context;
    context.userConstants.push_back({"D", "80"});
    ArgumentGroups groups;
    ASSERT_TRUE(SplitArgumentGroups("[12.5] [D]", context, groups));
    EXPECT_EQ(groups.slots[1], 80);
}

// The steps of the dispatch in their order: code, empty line, splitting, formula, conditions.
struct StepCase {
    int code;
    const char* line;
    bool ok;
    Extended result;  // -12345: the result was not touched
};

const StepCase kSteps[] = {
    {0, "[1] [2]", false, -12345},        // "Гидравлика" is plain evaluation
    {-7, "[1] [2]", false, -12345},
    {1, "", false, 1},
    {1, "[12.5", false, 1},
    {1, "[x] [80]", false, 1},
    {50, "[1] [2]", false, 1},            // a group node's code has no formula
    {50301, "[01:00:00]", false, 1},      // the time sum is not a formula
    {99999, "[1]", false, 1},
    {1, "[12.5] [0]", false, 1},          // a failing condition keeps the 1
    {2002, "[2] [3]", true, 2.4L},
    {2002, "[2]", true, 0},               // a2 = 0: 2·2·0/2
    {5002, "[80] [80]", true, -1},        // checked below with its tolerance
};

TEST(Dispatch, StepsInOrder) {
    for (const auto& c : kSteps) {
        SCOPED_TRACE(std::to_string(c.code) + " " + c.line);
        auto run = RunDispatch(c.code, c.line);
        EXPECT_EQ(run.fault, "");
        EXPECT_EQ(run.ok, c.ok);
        if (c.result != -1) {
            EXPECT_TRUE(test::Close(run.result, c.result, 1e-18L)) << static_cast<double>(run.result);
        }
    }
}

TEST(Dispatch, ElevenGroupsIgnoreTheEleventh) {
    auto ten = RunDispatch(5002, "[1] [2] [3] [4] [5] [6] [7] [8] [9] [10]");
    auto eleven = RunDispatch(5002, "[1] [2] [3] [4] [5] [6] [7] [8] [9] [10] [1000000]");
    ASSERT_TRUE(ten.ok);
    ASSERT_TRUE(eleven.ok);
    EXPECT_EQ(ten.result, eleven.result);
}

TEST(Dispatch, GroupFaultsLeaveTheDispatch) {
    EXPECT_EQ(RunDispatch(1, "[ln(0)] [80]").fault, "Floating point division by zero");
    EXPECT_EQ(RunDispatch(1, "[ln(-1)] [80]").fault, "Invalid floating point operation");
}

// Bad input of every kind ends with a plain failure or a fault, never a crash or a hang.
TEST(Dispatch, BadInputEndsQuietly) {
    std::vector<std::string> lines = {
        std::string(100000, '['), std::string(100000, ']'), std::string(50000, '[') + std::string(50000, ']'),
        "]]]][[[[", "[[[[]]]]", "[" + std::string(20000, '9') + "]", "[1E4000] [1E4000]",
        "[-1E4932] [1E-4950]", "[\x01\x02] [\xff\xfe]", "[1]\n[2]", "[1] [2] ]]] [[[",
    };
    std::string many;
    for (int i = 0; i < 2000; ++i) many += "[1] ";
    lines.push_back(many);
    for (const auto& line : lines) {
        SCOPED_TRACE(line.substr(0, 40));
        for (int code : {1, 5001, 5002, 50201, 2037, 50})
            RunDispatch(code, line);  // must return (or fault) for every code
    }
    SUCCEED();
}

}  // namespace
}  // namespace zul
