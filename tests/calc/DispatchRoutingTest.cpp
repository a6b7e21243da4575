// Routing of an input line: bracketed lines to the time sum or the dispatch, the rest to the
// evaluator whatever calculation is selected.
#include <gtest/gtest.h>

#include <string>

#include "calc/Routing.h"
#include "calc/TimeSum.h"

namespace zul {
namespace {

struct RouteCase {
    const char* line;
    int code;
    LineRoute route;
    bool ok;
    Extended value;
    const char* timeText;
};

const RouteCase kRoutes[] = {
    {"1+2", 0, LineRoute::Plain, true, 3, ""},
    {"1+2", 1, LineRoute::Plain, true, 3, ""},                 // the code plays no part
    {"1+2", kTimeSumCode, LineRoute::Plain, true, 3, ""},
    {"[1] [2]", 0, LineRoute::Calculation, false, 0, ""},      // "Гидравлика": no calculation
    {"[2] [3]", 2002, LineRoute::Calculation, true, 2.4L, ""},
    {"[01:30:00] [00:45:30]", kTimeSumCode, LineRoute::TimeSum, true, 0, "[02:15:30]"},
    {"[01:30:00] [00:45:30]", 2002, LineRoute::Calculation, false, 0, ""},
    {"[2] [3]", kTimeSumCode, LineRoute::TimeSum, false, 0, ""},
    {"12:00", kTimeSumCode, LineRoute::Plain, false, 0, ""},
};

TEST(DispatchRouting, RoutesByBracketAndCode) {
    for (const auto& c : kRoutes) {
        SCOPED_TRACE(std::string(c.line) + " code " + std::to_string(c.code));
        EXPECT_EQ(RouteOf(c.line, c.code), c.route);
        LineResult result;
        EXPECT_EQ(ComputeInputLine(c.line, c.code, {}, {}, result), c.ok);
        EXPECT_EQ(result.route, c.route);
        if (!c.ok) continue;
        if (c.route == LineRoute::TimeSum) {
            EXPECT_EQ(result.timeText, c.timeText);
        } else {
            EXPECT_NEAR(static_cast<double>(result.value), static_cast<double>(c.value), 1e-15);
        }
    }
}

TEST(DispatchRouting, FaultsPassThrough) {
    LineResult result;
    EXPECT_THROW(ComputeInputLine("[ln(0)] [1]", 1, {}, {}, result), ArithmeticFault);
    EXPECT_THROW(ComputeInputLine("ln(0)", 1, {}, {}, result), ArithmeticFault);
}

}  // namespace
}  // namespace zul
