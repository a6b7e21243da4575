// Arguments that no condition excludes and that reach a square root of a negative value, a
// logarithm of zero or below, a zero divisor or an overflow end with the platform's text.
#include <gtest/gtest.h>

#include <string>

#include "FormulaTestSupport.h"

namespace zul {
namespace {

using test::RunDispatch;

constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kDivision = "Floating point division by zero";
constexpr const char* kOverflow = "Floating point overflow";

struct FaultCase {
    int code;
    const char* line;
    const char* fault;
};

const FaultCase kFaults[] = {
    {51, "[-12.5] [0.7]", kInvalid},               // negative flow under the root
    {1015, "[-30] [5] [15]", kInvalid},
    {2005, "[-1]", kInvalid},
    {3052, "[15] [-0.3] [40]", kInvalid},
    {3020, "[2000] [-300] [2500] [20] [150]", kInvalid},
    {4030, "[20] [-5]", kInvalid},                 // opposite signs: ln of a negative quotient
    {50026, "[1] [1] [5]", kInvalid},              // sides that make no triangle
    {7026, "[745] [10] [0]", kDivision},           // zero saturation pressure
    {7052, "[745] [10] [0]", kDivision},           // zero humidity
    {8021, "[99000] [150] [-273] [180]", kDivision},
    {6011, "[0.015]", kDivision},                  // (PN − 0.015)^0.686 at exactly 0
    {6003, "[54] [1] [1]", kDivision},             // PN = 54/3600 = 0.015
    {50201, "[1755] [1]", kOverflow},              // 1755! exceeds Extended
    {50201, "[1E30] [1]", kInvalid},               // beyond a 64-bit integer
    {50201, "[1000] [-1E30]", kInvalid},
    {50116, "[1E4000]", kOverflow},
    {1, "[1E4900] [1E-1000]", kOverflow},
    {1, "[1] [1E-4900]", kDivision},               // the diameter squared underflows to 0
    {5002, "[100000]", kOverflow},                 // 10^10000
    {5002, "[-100000]", kDivision},                // 10^-10000 is 0: lg of 0
    {7023, "[1E4000] [1]", kOverflow},
};

TEST(FormulaFaults, EndWithThePlatformText) {
    for (const auto& c : kFaults) {
        SCOPED_TRACE(std::to_string(c.code) + " " + c.line);
        auto run = RunDispatch(c.code, c.line);
        EXPECT_FALSE(run.ok);
        EXPECT_EQ(run.fault, c.fault);
    }
}

// Near the edges the same formulas still give ordinary results.
const FaultCase kNoFault[] = {
    {50201, "[1754] [1]", ""},
    {6011, "[0.0150000001]", ""},
    {6011, "[0.0149999999]", ""},
    {50116, "[1E2000]", ""},
    {5002, "[-4000]", ""},
};

TEST(FormulaFaults, EdgesThatStillCompute) {
    for (const auto& c : kNoFault) {
        SCOPED_TRACE(std::to_string(c.code) + " " + c.line);
        auto run = RunDispatch(c.code, c.line);
        EXPECT_TRUE(run.ok) << run.fault;
    }
}

}  // namespace
}  // namespace zul
