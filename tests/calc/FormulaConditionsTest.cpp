// Every listed condition of every formula, made to fail: the calculation fails silently and
// leaves the result at 1. Also the formulas that never fail, and the conditions' edges.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "FormulaTestSupport.h"
#include "calc/Formula.h"

namespace zul {
namespace {

using test::ConstantsWith;
using test::RunDispatch;

struct FailCase {
    int code;
    const char* line;
    int constant = 0;  // a constant index set to 0 for the row; 0 for none
};

constexpr int kRo = ConstantsArray::RoVoda;
constexpr int kMat = ConstantsArray::RoMatTrub;
constexpr int kCmW = ConstantsArray::CmVoda;
constexpr int kCmA = ConstantsArray::CmVozd;

const FailCase kFailing[] = {
    // Water.
    {1, "[11.3097] [0]"}, {51, "[12.5] [0]"},
    {52, "[100] [0] [20]"}, {52, "[100] [0.8] [0]"}, {52, "[100] [0.8] [-5]"},
    {52, "[100] [0.8] [20]", kCmW}, {52, "[100] [0.8] [20]", kRo},
    {61, "[0] [3]"}, {61, "[5] [0]"}, {61, "[5] [-3]"},
    {62, "[0] [30000]"}, {62, "[5] [0]"}, {62, "[5] [-1]"}, {62, "[5] [30000]", kRo},
    {71, "[0.000001] [0.2] [0] [1]"}, {71, "[0.000001] [0.2] [100] [0]"},
    {71, "[0] [0] [100] [1]"}, {71, "[0.000001] [-5] [100] [1]"},
    {72, "[0.000001] [0.2] [0] [1] [970]"}, {72, "[0.000001] [0.2] [100] [0] [970]"},
    {72, "[0.000001] [-5] [100] [1] [970]"},
    {73, "[25] [0.025] [0] [1.2] [970]"},
    {102, "[100] [0]"}, {102, "[100] [20]", kCmW}, {102, "[100] [20]", kRo},
    // Air.
    {1001, "[-273.15]"}, {1006, "[1500] [0]"}, {1007, "[1500] [0]"}, {1012, "[1500] [0]"},
    {1015, "[30] [0] [15]"}, {1015, "[30] [5] [0]"}, {1015, "[30] [5] [15]", kCmA},
    {1016, "[30] [0] [15] [40]"}, {1016, "[30] [5] [0] [40]"}, {1016, "[30] [5] [15] [40]", kCmA},
    {1016, "[30] [5] [15] [-273.15]"},
    {1025, "[12] [0]"}, {1025, "[12] [10]", kCmA},
    {1026, "[12] [0] [40]"}, {1026, "[12] [10] [40]", kCmA}, {1026, "[12] [10] [-273.15]"},
    {1033, "[3582] [10] [-273.15]"}, {1036, "[0.12] [5] [15] [-273.15]"},
    {1042, "[1500] [0]"},
    {1045, "[30] [0] [15]"}, {1045, "[30] [5] [0]"}, {1045, "[30] [5] [15]", kCmA},
    {1046, "[30] [0] [15] [40]"}, {1046, "[30] [5] [0] [40]"}, {1046, "[30] [5] [15] [40]", kCmA},
    {3012, "[2.5] [8] [-273.15]"},
    // Ventilation and heating.
    {3005, "[1000] [3600] [0]"},
    {3020, "[0] [300] [2500] [20] [150]"}, {3020, "[2000] [300] [2500] [-273.15] [150]"},
    {3021, "[0] [0.5]"}, {3021, "[2500] [0]"}, {3021, "[-2500] [0.5]"},
    {3025, "[12] [-273.15] [18]"}, {3025, "[12] [-20] [-273.15]"},
    {3030, "[0] [9000] [1.5]"}, {3052, "[15] [0] [40]"}, {4005, "[0] [2400] [800] [25]"},
    {4010, "[12000] [0.4] [0]"}, {4021, "[150] [70] [70]"}, {4022, "[20] [0] [2.2]"},
    {4023, "[20] [0]"}, {4025, "[0] [2.2] [15]"}, {4025, "[15] [2.2] [15]"},
    {4030, "[0] [20]"}, {4030, "[50] [0]"}, {4030, "[50] [50]"}, {4030, "[20] [50]"},
    // Geometry: rectangular ducts need every size.
    {2002, "[3] [-3]"}, {2003, "[0.06] [0]"},
    {2021, "[108] [4] [1]", kMat}, {2022, "[400] [300] [0.7] [2.5]", kMat},
    {2022, "[0] [300] [0.7] [2.5]"}, {2022, "[400] [0] [0.7] [2.5]"},
    {2022, "[400] [300] [0] [2.5]"}, {2022, "[400] [300] [0.7] [0]"},
    {2027, "[0] [300] [0.7] [2.5]"}, {2027, "[400] [0] [0.7] [2.5]"},
    {2027, "[400] [300] [0] [2.5]"}, {2027, "[400] [300] [0.7] [0]"},
    {2032, "[0] [300] [0.7] [50] [2.5]"}, {2032, "[400] [0] [0.7] [50] [2.5]"},
    {2032, "[400] [300] [0] [50] [2.5]"}, {2032, "[400] [300] [0.7] [0] [2.5]"},
    {2032, "[400] [300] [0.7] [50] [0]"},
    {2037, "[0] [300] [0.7] [50] [2.5]"}, {2037, "[400] [0] [0.7] [50] [2.5]"},
    {2037, "[400] [300] [0] [50] [2.5]"}, {2037, "[400] [300] [0.7] [0] [2.5]"},
    {2037, "[400] [300] [0.7] [50] [0]"},
    // Air conditioning, water supply, boilers.
    {7025, "[745] [-622]"}, {7026, "[745] [-622] [23.8]"}, {7051, "[-236]"},
    {7052, "[745] [-622] [50]"}, {7056, "[50] [100] [50]"}, {7057, "[1000] [1000]"},
    {6003, "[5.6] [0] [200]"}, {6010, "[5.6] [0] [200] [80]"}, {6010, "[5.6] [0.3] [200] [0]"},
    {8011, "[0] [2.5] [88] [2]"}, {8011, "[8000] [2.5] [0] [2]"},
    {8012, "[0] [10] [88] [2] [665] [105]"}, {8012, "[8000] [10] [0] [2] [665] [105]"},
    {8021, "[0] [150] [-20] [180]"}, {8021, "[99000] [150] [0] [180]"},
    {8021, "[99000] [150] [-20] [0]"}, {8021, "[99000] [150] [40] [40]"},
    {8022, "[400] [10.5] [180] [2] [0]"},
    // Mathematics.
    {50001, "[3] [10] [3] [30] [2]"}, {50011, "[1] [1] [1] [1]"}, {50012, "[1] [2] [3] [1] [2] [3]"},
    {50026, "[1] [2] [3]"}, {50030, "[0.5] [10] [0]"}, {50201, "[5] [5]"}, {50201, "[3] [7]"},
    {50201, "[4.5] [4]"},  // 4.5 rounds to the even 4
};

TEST(FormulaConditions, EachFailingConditionFailsSilentlyWithResultOne) {
    for (const auto& c : kFailing) {
        SCOPED_TRACE(std::to_string(c.code) + " " + c.line + (c.constant ? " constant " + std::to_string(c.constant) : ""));
        ConstantsArray constants = c.constant ? ConstantsWith(c.constant, 0.0f) : ConstantsArray();
        auto run = RunDispatch(c.code, c.line, constants);
        EXPECT_FALSE(run.ok);
        EXPECT_EQ(run.fault, "");
        EXPECT_EQ(run.result, 1.0L);
    }
}

// Where a condition guards only some arguments, the others are used as they are.
const FailCase kNotGuarded[] = {
    {62, "[5] [30000]", kCmW},      // 62 guards the density it multiplies by, not the heat capacity
    {1046, "[30] [5] [15] [40]"},   // with a plain temperature, no condition applies
    {2021, "[108] [0] [0]"},        // round pipes accept zero sizes
    {8021, "[99000] [150] [-20] [180]"},
    {50027, "[3] [4] [0]"},         // sin(0) succeeds and is 0
    {50201, "[5] [4.5]"},           // 4.5 rounds to 4 < 5
};

TEST(FormulaConditions, UnguardedArgumentsStillCompute) {
    for (const auto& c : kNotGuarded) {
        SCOPED_TRACE(std::to_string(c.code) + " " + c.line);
        ConstantsArray constants = c.constant ? ConstantsWith(c.constant, 0.0f) : ConstantsArray();
        auto run = RunDispatch(c.code, c.line, constants);
        EXPECT_TRUE(run.ok) << run.fault;
    }
}

// The formulas without conditions give a value for zero arguments too.
const int kNeverFail[] = {101,   151,   152,   1022,  1032,  1035,  3014,  3031,  3051,  4024,
                          2005,  2010,  2026,  2031,  2036,  7010,  7011,  7022,  7024,  7027,
                          6002,  6011,  8020,  50032, 50102, 50104, 50106, 50108, 50110, 50112,
                          50114, 50116, 50118, 7023,  5001,  5002,  50027, 50031};

TEST(FormulaConditions, FormulasWithoutConditionsTakeZeros) {
    for (int code : kNeverFail) {
        SCOPED_TRACE(code);
        auto run = RunDispatch(code, "[0]");
        ASSERT_TRUE(run.ok) << run.fault;
        EXPECT_TRUE(std::isfinite(run.result));
    }
    EXPECT_EQ(RunDispatch(151, "[0] [0]").result, 0);
    EXPECT_EQ(RunDispatch(152, "[0] [0] [0]").result, 0);
    EXPECT_EQ(RunDispatch(3014, "[0] [0] [0]").result, 0);
}

// A condition x ≠ 0 fails on exactly zero only; the nearest values on either side pass.
TEST(FormulaConditions, NonZeroMeansExactlyNotZero) {
    const char* nearZero[] = {"[1] [1E-4000]", "[1] [-1E-4000]"};
    for (const char* line : nearZero) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(RunDispatch(2003, line).ok);
    }
    EXPECT_TRUE(RunDispatch(1001, "[-273.1499999]").ok);
}

// 7058's divisor a2·1.8068 + 2500 is zero only for one Extended a2; called directly.
TEST(FormulaConditions, EnthalpyDivisorExactlyZero) {
    const Formula* formula = FindFormula(7058);
    ASSERT_NE(formula, nullptr);
    Extended t = -2500.0L / 1.8068L;
    for (int step = 0; step < 8 && t * 1.8068L + 2500 != 0; ++step)
        t = std::nextafter(t, t * 1.8068L + 2500 > 0 ? -1e9L : 1e9L);
    ASSERT_EQ(t * 1.8068L + 2500, 0);
    ConstantsArray constants;
    FormulaArgs args;
    args.constants = &constants;
    args.a1 = 50;
    args.a2 = t;
    EXPECT_FALSE(formula->compute(args).has_value());
}

}  // namespace
}  // namespace zul
