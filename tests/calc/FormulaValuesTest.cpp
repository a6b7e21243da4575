// Every formula against a figure worked out independently (40-digit arithmetic, default
// constants taken at single precision), plus the worked examples of each subject.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "FormulaTestSupport.h"
#include "calc/Formula.h"
#include "eval/NumberText.h"

namespace zul {
namespace {

using test::Close;
using test::ConstantsWith;
using test::RunDispatch;

struct ValueCase {
    int code;
    const char* line;
    Extended expected;
};

// Default constants: Ro-Voda 970, RoMatTrub 7900, Cm-Voda 4.18f, Cm-Vozd 1.005f,
// Cv-Vozd 1.25f, noise corrections -26.2f ... -1.1f; angles in radians.
const ValueCase kHandWorked[] = {
    {1, "[12.5] [80]", 0.690776662725240172608L},
    {51, "[12.5] [0.7]", 79.471204501482683757L},
    {52, "[100] [0.8] [20]", 44.301769065319466128L},
    {61, "[5] [3]", 16.9904424484712252079L},
    {62, "[5] [30000]", 16.6521657292781278059L},
    {71, "[0.000001] [0.2] [100] [1]", 0.025028013678843304748L},
    {72, "[0.000001] [0.2] [100] [1] [970]", 121.385866342390028028L},
    {73, "[25] [0.025] [100] [1.2] [970]", 4365.0L},
    {101, "[100] [0.4]", 11.3097335529232556585L},
    {102, "[100] [20]", 4.43940234282338614104L},
    {151, "[4.5] [20]", 101.364995837211608887L},
    {152, "[50] [0.6] [25]", 119.417822345003986367L},
    {1001, "[20]", 1.20416169196657001535L},
    {1006, "[1500] [250]", 8.48826363156775124101L},
    {1007, "[1500] [0.12]", 3.47222222222222222222L},
    {1012, "[1500] [6]", 297.354019358795185756L},
    {1015, "[30] [5] [15]", 649.847424566720026345L},
    {1016, "[30] [5] [15] [40]", 670.487800762050435212L},
    {1022, "[250] [6]", 1060.28752058655521798L},
    {1025, "[12] [10]", 3582.08956923456129973L},
    {1026, "[12] [10] [40]", 3813.25104341915990145L},
    {1032, "[3582.09] [10]", 12.0000014430642127991L},
    {1033, "[3582.09] [10] [40]", 11.272554445158515935L},
    {1035, "[0.12] [5] [15]", 10.8539999485015869141L},
    {1036, "[0.12] [5] [15] [40]", 10.1960242211428500204L},
    {1042, "[1500] [6]", 0.0694444444444444444444L},
    {1045, "[30] [5] [15]", 0.331674960114311231456L},
    {1046, "[30] [5] [15] [40]", 0.353078800316588879764L},
    {3012, "[2.5] [8] [20]", 96.332935357325601228L},
    {3014, "[2.5] [18] [1.6]", 648.0L},
    {3005, "[1000] [3600] [0.5]", 2.0L},
    {3020, "[2000] [300] [2500] [20] [150]", 5.85137657883264783195L},
    {3021, "[2500] [0.5]", 5.25475974712450578656L},
    {3025, "[12] [-20] [18]", 21.4173383385824952838L},
    {3030, "[12000] [9000] [1.5]", 0.390625L},
    {3031, "[12000] [0.3] [38]", 136800.0L},
    {3051, "[20] [0.3] [12]", 1660.764L},
    {3052, "[15] [0.3] [40]", 9008.43474152169767652L},
    {4005, "[12000] [2400] [800] [25]", 0.426433333333333333333L},
    {4010, "[12000] [0.4] [44]", 219648.0L},
    {4021, "[150] [70] [95]", 2.2L},
    {4022, "[20] [1.5] [2.2]", 61.4449362454694485734L},
    {4023, "[20] [15]", 21.8154118361759878753L},
    {4024, "[1] [2.2]", 14.336L},
    {4025, "[1.5] [2.2] [15]", 24.4444444444444444444L},
    {4030, "[50] [20]", 32.7407000381187433664L},
    {2002, "[2] [3]", 2.4L},
    {2003, "[0.06] [1]", 0.24L},
    {2005, "[0.0078539816339744831]", 100.000000000000000024L},
    {2010, "[100]", 0.00785398163397448309616L},
    {2021, "[108] [4] [1]", 10.3245300967574964989L},
    {2022, "[400] [300] [0.7] [2.5]", 19.39371L},
    {2026, "[108] [6]", 2.03575203952618601852L},
    {2027, "[400] [300] [0.7] [2.5]", 3.514L},
    {2031, "[108] [50] [6]", 3.9207076316800619616L},
    {2032, "[400] [300] [0.7] [50] [2.5]", 4.514L},
    {2036, "[108] [50] [6]", 0.148911491780156199503L},
    {2037, "[400] [300] [0.7] [50] [2.5]", 0.2007L},
    {7010, "[100]", 212.0L},
    {7011, "[212]", 100.0L},
    {7022, "[40]", 2404.8L},
    {7023, "[1.5] [10]", 634.097462035708656144L},
    {7024, "[25] [10]", 50.5766998807907104492L},
    {7025, "[745] [10]", 11.7879746835443037975L},
    {7026, "[745] [10] [23.8]", 49.5293053930432932667L},
    {7027, "[10]", 1.023068L},
    {7051, "[20]", 17.5287117760189287889L},
    {7052, "[745] [10] [50]", 23.5759493670886075949L},
    {7056, "[745] [23.8] [50]", 10.0965761833310598827L},
    {7057, "[101325] [1000]", 6.199850485920757538L},
    {7058, "[50] [25]", 9.77341400346903725519L},
    {6002, "[0.3] [0.969]", 1.4535L},
    {6003, "[5.6] [0.3] [200]", 1.48305895968833893271L},
    {6010, "[5.6] [0.3] [200] [80]", 0.012962962962962962963L},
    {6011, "[1]", 0.968985716207053535425L},
    {8011, "[8000] [2.5] [88] [2]", 348.011363636363636364L},
    {8012, "[8000] [10] [88] [2] [665] [105]", 779.545454545454545455L},
    {8020, "[400] [10.5] [180] [2]", 7512.83076923076923077L},
    {8021, "[99000] [150] [-20] [180]", 1.8667375L},
    {8022, "[400] [10.5] [180] [2] [15]", 0.126478632478632478632L},
    {5001, "[80]", 53.799999237060546875L},
    {5001, "[80] [75] [70] [68] [65] [60] [55] [50]", 70.1589317492934740657L},
    {5002, "[80] [80]", 83.0102999566398119521L},
    {5002, "[80] [75] [70] [68] [65] [60] [55] [50]", 81.833007571522556029L},
    {50001, "[1] [10] [3] [30] [2]", 20.0L},
    {50011, "[1] [2] [4] [6]", 5.0L},
    {50012, "[1] [2] [3] [2] [4] [5]", 3.0L},
    {50026, "[3] [4] [5]", 6L},
    {50027, "[3] [4] [0.5]", 2.87655323162521800164L},
    {50030, "[0.7] [10] [1.1]", 7.22859478172713851795L},
    {50031, "[3] [4] [1.2]", 4.03774861681108549627L},
    {50032, "[3] [5] [2.5]", 10.0L},
    {50102, "[2] [3] [4]", 52.0L},
    {50104, "[1.5] [4]", 37.6991118430775188616L},
    {50106, "[1.5] [4]", 51.8362787842315884346L},
    {50108, "[1.5] [4]", 28.2743338823081391462L},
    {50110, "[1.5] [4]", 18.8495559215387594308L},
    {50112, "[1.5] [4]", 25.9181393921157942173L},
    {50114, "[1.5] [4]", 9.42477796076937971539L},
    {50116, "[2.5]", 78.5398163397448309616L},
    {50118, "[2.5]", 65.4498469497873591346L},
    {50201, "[10] [3]", 120.0L},
    {50201, "[5] [-1]", 0.166666666666666666667L},
};

std::string Name(int code, const char* line) { return std::to_string(code) + " " + line; }

TEST(FormulaValues, MatchIndependentFigures) {
    for (const auto& c : kHandWorked) {
        SCOPED_TRACE(Name(c.code, c.line));
        auto run = RunDispatch(c.code, c.line);
        ASSERT_TRUE(run.ok) << run.fault;
        EXPECT_TRUE(Close(run.result, c.expected, 1e-15L))
            << static_cast<double>(run.result) << " vs " << static_cast<double>(c.expected);
    }
}

TEST(FormulaValues, EveryRegisteredFormulaHasAFigure) {
    std::set<int> covered;
    for (const auto& c : kHandWorked) covered.insert(c.code);
    for (const auto& f : AllFormulas()) {
        SCOPED_TRACE(f.code);
        EXPECT_TRUE(covered.count(f.code));
    }
}

// The worked examples given with each subject, to the digits they are stated with.
struct ExampleCase {
    int code;
    const char* line;
    Extended expected;
    Extended relative;
};

const ExampleCase kExamples[] = {
    {1, "[11.3097] [100]", 0.4L, 1e-5L},
    {101, "[100] [0.4]", 11.3097L, 1e-5L},
    {71, "[0.000001] [0.2] [100] [1]", 0.0250L, 2e-3L},
    {1001, "[20]", 1.2042L, 1e-4L},
    {1025, "[12] [10]", 3582.09L, 1e-6L},
    {1032, "[3582.09] [10]", 12L, 1e-6L},
    {3005, "[1000] [3600] [0.5]", 2L, 1e-18L},
    {4021, "[150] [70] [95]", 2.2L, 1e-18L},
    {4024, "[1] [2.2]", 14.336L, 1e-18L},
    {4030, "[50] [20]", 32.74L, 1e-4L},
    {2002, "[7.5] [7.5]", 7.5L, 0},
    {2010, "[100]", 0.0078540L, 1e-5L},
    {2021, "[108] [4] [1]", 10.32L, 1e-3L},
    {7010, "[100]", 212L, 0},
    {7011, "[212]", 100L, 1e-18L},
    {7051, "[20]", 17.5L, 2e-3L},
    {7057, "[101325] [1000]", 6.2L, 1e-2L},
    {6011, "[0.01]", 0.2L, 0},
    {6011, "[1]", 0.969L, 1e-3L},
    {5002, "[80] [80]", 83.01L, 1e-4L},
    {5001, "[80]", 53.8L, 1e-7L},
    {5002, "[80] [80] abc", 83.0103001303576012391L, 1e-15L},  // eight empty bands add 1 each
    {50001, "[1] [10] [3] [30] [2]", 20L, 0},
    {50011, "[0] [0] [3] [4]", 5L, 0},
    {50026, "[3] [4] [5]", 6L, 0},
    {50201, "[5] [2]", 10L, 0},
    {50201, "[4.6] [2.4]", 10L, 0},
    {50201, "[5] [-1]", 0.1667L, 1e-3L},
    {1046, "[30] [5] [15] [-273.15]", 0, 0},
    {1001, "[-300]", -13.1471L, 1e-4L},  // 353 / -26.85: a negative density
    {61, "[-5] [3]", 16.9904424484712252079L, 1e-15L},  // the flow is squared
};

TEST(FormulaValues, WorkedExamples) {
    for (const auto& c : kExamples) {
        SCOPED_TRACE(Name(c.code, c.line));
        auto run = RunDispatch(c.code, c.line);
        ASSERT_TRUE(run.ok) << run.fault;
        EXPECT_TRUE(Close(run.result, c.expected, c.relative)) << static_cast<double>(run.result);
    }
}

// Inverse pairs: one calculation undoes the other, and shared formulas agree.
TEST(FormulaValues, InversesAndSharedFormulas) {
    auto flow = RunDispatch(101, "[100] [0.4]").result;
    EXPECT_TRUE(Close(RunDispatch(1, "[" + ExponentText(flow) + "] [100]").result, 0.4L, 1e-14L));
    auto area = RunDispatch(2010, "[100]").result;
    EXPECT_TRUE(Close(RunDispatch(2005, "[" + ExponentText(area) + "]").result, 100, 1e-14L));
    EXPECT_EQ(RunDispatch(1007, "[1234] [0.37]").result, RunDispatch(1042, "[1234] [0.37]").result);
    // 6003 computes PN and α itself: 6002 with the fixture flow and 6011 of PN agree with it.
    Extended alpha = RunDispatch(6011, "[5.6*200/(0.3*3600)]").result;
    Extended direct = RunDispatch(6003, "[5.6] [0.3] [200]").result;
    EXPECT_TRUE(Close(direct, 0.3L * alpha * 5, 1e-14L));
}

// Formulas read the constants of the settings at the moment they run.
struct ConstantCase {
    int code;
    const char* line;
    int index;
    float value;
    Extended expected;
};

const ConstantCase kConstants[] = {
    {151, "[4.5] [20]", ConstantsArray::CmVoda, 4.2f, 104.999995231628417969L},  // and Ro-Voda below
    {2021, "[108] [4] [1]", ConstantsArray::RoMatTrub, 2700.0f, 3.52863686851205576544L},
    {3030, "[12000] [9000] [1.5]", ConstantsArray::CvVozd, 1.2f, 0.375000014901161193848L},
    {1025, "[12] [10]", ConstantsArray::CmVozd, 1.0f, 3600L},
    {5001, "[80]", 1, -20.0f, 60L},
};

TEST(FormulaValues, ReadTheCurrentConstants) {
    for (const auto& c : kConstants) {
        SCOPED_TRACE(Name(c.code, c.line));
        ConstantsArray constants = ConstantsWith(c.index, c.value);
        if (c.code == 151) constants.Set(ConstantsArray::RoVoda, 1000.0f);
        auto run = RunDispatch(c.code, c.line, constants);
        ASSERT_TRUE(run.ok);
        EXPECT_TRUE(Close(run.result, c.expected, 1e-15L)) << static_cast<double>(run.result);
    }
    ConstantsArray water;
    water.Set(ConstantsArray::RoVoda, 1000.0f);
    water.Set(ConstantsArray::CmVoda, 4.2f);
    EXPECT_TRUE(Close(RunDispatch(52, "[100] [0.8] [20]", water).result, 43.5281723659419867007L, 1e-15L));
}

// Noise: as many bands as splitting cycles; bands nine and ten carry no correction.
TEST(FormulaValues, NoiseBandsBeyondTheEighth) {
    auto ten = RunDispatch(5001, "[80] [80] [80] [80] [80] [80] [80] [80] [80] [80]");
    EXPECT_TRUE(Close(ten.result, 88.4491458618617221751L, 1e-15L)) << static_cast<double>(ten.result);
    auto trailing = RunDispatch(5001, "[80] and so on");
    EXPECT_TRUE(Close(trailing.result, 53.8001258691361054894L, 1e-15L)) << static_cast<double>(trailing.result);
}

// Angles are read in the evaluator's current unit.
struct AngleCase {
    int code;
    const char* line;
    AngleUnit unit;
    Extended expected;
};

const AngleCase kAngles[] = {
    {50027, "[3] [4] [90]", AngleUnit::Degrees, 6},
    {50027, "[3] [4] [100]", AngleUnit::Grads, 6},
    {50027, "[3] [4] [pi/2]", AngleUnit::Radians, 6},
    {50030, "[30] [10] [90]", AngleUnit::Degrees, 5},
    {50031, "[3] [4] [90]", AngleUnit::Degrees, 5},
    {50031, "[3] [4] [0]", AngleUnit::Degrees, 1},
};

TEST(FormulaValues, AnglesInTheCurrentUnit) {
    for (const auto& c : kAngles) {
        SCOPED_TRACE(Name(c.code, c.line));
        auto run = RunDispatch(c.code, c.line, {}, c.unit);
        ASSERT_TRUE(run.ok);
        EXPECT_TRUE(Close(run.result, c.expected, 1e-14L)) << static_cast<double>(run.result);
    }
}

}  // namespace
}  // namespace zul
