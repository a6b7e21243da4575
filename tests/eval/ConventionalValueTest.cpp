// Whenever the evaluator succeeds its value is the conventional one; the rewriting rules
// that once gave other values, one table per cause.
#include <gtest/gtest.h>

#include <string>

#include "EvalTestUtil.h"

namespace zul {
namespace {

using test::Shown;

struct Case {
    const char* text;
    const char* shown;
};

void Check(std::initializer_list<Case> cases, const EvalContext& context = {}) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Shown(c.text, context), c.shown);
    }
}

TEST(ConventionalValue, SignStaysWithItsNumber) {
    Check({
        {"ln(2)*-2+1", "-0.38629436112"}, {"2*-pi+1", "-5.28318530718"}, {"6/-pi*2", "-3.819718634206"},
        {"1/-(-5)*10", "2"}, {"1+(-2)-3", "-4"}, {"2*-3-4", "-10"}, {"abs(2)/(-4)*2", "-1"},
        {"sin(1)/-2*4", "-1.682941969616"}, {"abs(2)^-1+1", "1.5"}, {"2+(+3)*4", "14"},
        {"2*-pi*3", "-18.849555921539"},
        {"2-+3*4", "fail"}, {"-5/-(-ln(0.34))*-711", "fail"},  // a "-+" is never folded
    });
}

TEST(ConventionalValue, PendingOperationIsNotOvertaken) {
    Check({
        {"abs(8)/2*4", "16"}, {"abs(8)/2/4", "1"}, {"ln(1)-2+3", "1"}, {"abs(8)/2*4*3", "48"},
        {"abs(8)-2+3-1", "8"}, {"abs(8)-2-3-1", "2"}, {"abs(2)-(-3)+1", "6"}, {"(1+1)^3^2", "64"},
        {"sin(1)^3^2", "0.355005329262"}, {"tgh(-3)-8033206939205086+-pi", "-8033206939205090"},
    });
}

TEST(ConventionalValue, SignInFrontOfPowerAndFactorialStaysOutside) {
    Check({
        {"-3!+1", "-5"}, {"2*-3!", "-12"}, {"-2^2", "-4"}, {"3*-2^2", "-12"}, {"-2^2^2", "-16"},
        {"-(2)^2", "-4"}, {"(0-1)^2", "1"}, {"1+sin(-1)^2", "1.708073418274"},
        {"2^sin(-1)^2", "0.311446881154"}, {"tg(-1)^3", "-3.777521747833"},
        {"(-2)!", "fail"}, {"(1-3)!", "fail"}, {"sin(-1)!", "fail"},
    });
}

TEST(ConventionalValue, NegativeBaseWithIntegerExponent) {
    Check({
        {"(-3)^2", "9"}, {"(-2)^3", "-8"}, {"(-2)^-1", "-0.5"}, {"2*(-3)^3", "-54"}, {"1+(-3)^2", "10"},
        {"(-2)^2^2", "16"}, {"(-2)^3^2", "64"}, {"-(-3)^2", "-9"}, {"2^(-3)^2", "0.015625"},
        {"2^-(-3)^2", "64"}, {"(-1)^1E20", "1"},
        {"(-2)^1.5", "fail"}, {"(-8)^(1/3)", "fail"}, {"(-0)^2", "fail"}, {"0^3", "fail"},
    });
}

TEST(ConventionalValue, ArccosOfNegatives) {
    Check({{"arccos(-0.5)", "2.094395102393"}, {"arccos(-1)", "3.14159265359"}, {"arccos(1)", "0"},
           {"arccos(0)", "fail"}, {"arccos(-1.5)", "fail"}});
    EvalContext degrees;
    degrees.angleUnit = AngleUnit::Degrees;
    Check({{"arccos(-0.5)", "120"}, {"arccos(-1)", "180"}}, degrees);
    EvalContext grads;
    grads.angleUnit = AngleUnit::Grads;
    Check({{"arccos(-0.5)", "133.333333333333"}, {"arccos(-1)", "200"}}, grads);
}

// A value written into the text must not join a digit, "." or letter beside it.
TEST(ConventionalValue, NothingGluesToANumber) {
    Check({
        {"2sin(1)", "fail"}, {"2.sin(1)", "fail"}, {".5cos(0)", "fail"}, {"2*pi3", "fail"},
        {"2*pi.5", "fail"}, {"2*e3", "fail"}, {"2*g5", "fail"}, {"abs(2)3", "fail"}, {"abs(2).5", "fail"},
        {"sin(1)sin(1)", "fail"}, {"3!3", "fail"}, {"3!.5", "fail"}, {"(3).5*2", "fail"},
        {"2*(3)4", "fail"}, {"2*(3)E1", "fail"}, {"2*(2)pi+1", "fail"}, {"3!pi+1", "fail"},
    });
    EvalContext context;
    context.userConstants = {{"a", "2"}};
    Check({{"3*a3", "fail"}, {"(1)a+1", "fail"}, {"3*a", "6"}}, context);
}

// What the system documents keeps its outcome: these fail, user constants go in as text.
TEST(ConventionalValue, DocumentedOutcomesKept) {
    Check({{"2-+3", "fail"}, {"2-(+3)", "fail"}, {"((5))", "fail"}, {"0^3", "fail"}, {"arcsin(1)", "fail"},
           {"arcsin(-1)", "fail"}, {"arccos(0)", "fail"}, {"2^3^2", "64"}, {"1E40", " 1.0E+0040"}});
    EvalContext context;
    context.userConstants = {{"a", "2+1"}, {"m", "-3"}};
    Check({{"a*2", "4"}, {"m^2", "-9"}}, context);
}

}  // namespace
}  // namespace zul
