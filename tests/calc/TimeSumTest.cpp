// The time sum: adding groups with their carries, subtracting negative groups, the text it
// writes, and lines that must fail instead of looping or showing a wrong time.
#include <gtest/gtest.h>

#include <string>

#include "calc/TimeSum.h"

namespace zul {
namespace {

struct TimeCase {
    std::string line;
    const char* shown;  // "fail" for a failed sum
};

std::string Sum(const std::string& line, int code = kTimeSumCode) {
    std::string text = "untouched";
    return TimeSum(line, code, text) ? text : (text == "untouched" ? "fail" : "changed on failure");
}

void Check(const TimeCase* begin, const TimeCase* end) {
    for (auto c = begin; c != end; ++c) {
        SCOPED_TRACE(c->line.substr(0, 60));
        EXPECT_EQ(Sum(c->line), c->shown);
    }
}

const TimeCase kPlusSums[] = {
    {"[01:30:00] [00:45:30]", "[02:15:30]"},
    {"[1:2:3]", "[01:02:03]"},
    {"[00:00:59] [00:00:02]", "[00:01:01]"},
    {"[00:59:59] [00:00:01]", "[01:00:00]"},  // the second carry runs on into the hours
    {"[00:59:30] [00:59:30]", "[01:59:00]"},
    {"[00:00:150]", "[00:01:90]"},            // each step carries at most once
    {"[00:150:00]", "[01:90:00]"},
    {"[10:00:00] [15:00:00]", "[25:00:00]"},
    {"[09:00:00]", "[09:00:00]"},
    {"[100:00:00]", "[100:00:00]"},
    {"[+01:00:00]", "[01:00:00]"},            // a leading plus is a sign
    {"[1:2:3][4:5:6]", "[05:07:09]"},
    {" [ 01 : 30 : 00 ]   [ 00:45:30 ] ", "[02:15:30]"},  // blanks are ignored anywhere
    {"x[01:00:00]", "[01:00:00]"},            // text in front of a group's "[" is dropped
    {"[2147483647:00:00] [2147483647:00:00]", "[4294967294:00:00]"},
};

const TimeCase kMinusSums[] = {
    {"[01:00:00] [-00:20:00]", "[00:40:00]"},
    {"[00:10:00] [-00:20:00]", "[-00:10:00]"},
    {"[-00:20:00]", "[-00:20:00]"},
    {"[00:00:00] [-01:02:05]", "[-1:02:05]"},  // negative hours get no leading "0"
    {"[02:00:00] [-00:30:00] [-00:45:30]", "[00:44:30]"},
    {"[-00:30:00] [02:00:00] [-00:45:30]", "[00:44:30]"},  // negatives may stand anywhere
    {"[10:00:00] [-01:00:00]", "[09:00:00]"},
    {"[00:00:10] [-00:00:30]", "[-00:00:20]"},
    {"[00:00:00] [-10:00:00]", "[-10:00:00]"},
    {"[-00:20:00] [-00:30:00]", "[-00:50:00]"},
    {"[00:00:150] [-00:00:30]", "[00:02:00]"},
    {"[01:00:00] [ -00:20:00]", "[00:40:00]"},  // a blank between "[" and "-" is ignored too
    {"[01:00:00] [-00:-20:00]", "[00:40:00]"},  // every "-" of a negative group is dropped
    {"[01:00:00] [-00:00:00]", "[01:00:00]"},
};

TEST(TimeSum, PlusSumAndCarries) { Check(std::begin(kPlusSums), std::end(kPlusSums)); }

TEST(TimeSum, NegativeGroups) { Check(std::begin(kMinusSums), std::end(kMinusSums)); }

const TimeCase kFailures[] = {
    {"", "fail"},
    {"   ", "fail"},
    {"abc", "fail"},
    {"[01:xx:00]", "fail"},
    {"[01:xx:00] [-00:10:00]", "fail"},   // an unreadable plus group fails also before negatives
    {"[01:00:00] [-00:xx:00]", "fail"},
    {"-[00:20:00]", "fail"},              // a leading "-" has no group in front of it
    {"- [00:20:00]", "fail"},
    {"[01:00:00] -[00:20:00]", "fail"},   // the minus belongs inside its group
    {"[01:00:00] [-00:20:00", "fail"},    // a "-" with no "]" after it
    {"[01:00:00]-", "fail"},
    {"[-", "fail"},
    {"-", "fail"},
    {"[00:-20:00]", "fail"},              // a minus inside a group breaks it
    {"[01:00:00] [00:00:-5]", "fail"},
    {"[]", "fail"},
    {"[1:2]", "fail"},
    {"[1:2:3:4]", "fail"},
    {"[1::3]", "fail"},
    {"[1:2:3] abc", "fail"},
    {"[1:2:3] [", "fail"},
    {"[01:00:00]]", "fail"},
    {"[1.5:00:00]", "fail"},
    {"[1e3:00:00]", "fail"},
    {"[++1:00:00]", "fail"},
    {"[99999999999:00:00]", "fail"},      // beyond a 32-bit integer
    {"]01:00:00[", "fail"},
    {"[1:2:3", "fail"},
    {"1:2:3]", "fail"},
};

TEST(TimeSum, FailuresAreSilentAndLeaveTheTextAlone) { Check(std::begin(kFailures), std::end(kFailures)); }

TEST(TimeSum, OnlyForTheTimeCalculation) {
    for (int code : {0, 1, 50300, 50302, -50301}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Sum("[01:00:00]", code), "fail");
    }
}

TEST(TimeSum, LongLinesEndPromptly) {
    std::string seconds;
    for (int i = 0; i < 10000; ++i) seconds += "[00:00:01] ";
    std::string negatives = "[100:00:00]";
    for (int i = 0; i < 5000; ++i) negatives += " [-00:00:01]";
    std::string minuses(100000, '-');
    const TimeCase kLong[] = {
        {seconds, "[02:46:40]"},
        {negatives, "[98:36:40]"},
        {minuses, "fail"},
        {"[01:00:00] " + minuses, "fail"},
        {std::string(100000, '['), "fail"},
        {"[" + std::string(100000, '1') + ":00:00]", "fail"},
    };
    Check(std::begin(kLong), std::end(kLong));
}

}  // namespace
}  // namespace zul
