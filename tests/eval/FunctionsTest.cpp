// The eighteen functions, their domain failures, powers, factorials and angle units.
#include <gtest/gtest.h>

#include <set>

#include "EvalTestUtil.h"
#include "eval/Functions.h"

namespace zul {
namespace {

using test::Shown;

struct Case {
    const char* text;
    const char* shown;
};

void Check(std::initializer_list<Case> cases, AngleUnit unit = AngleUnit::Radians) {
    EvalContext context;
    context.angleUnit = unit;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Shown(c.text, context), c.shown);
    }
}

TEST(Functions, Radians) {
    Check({
        {"sin(0)", "0"}, {"cos(0)", "1"}, {"tg(0)", "0"}, {"ctg(0)", "fail"},
        {"cosec(0)", "Floating point division by zero"}, {"arcsin(1)", "fail"}, {"arcsin(-1)", "fail"},
        {"arcsin(2)", "fail"}, {"arcsin(0.5)", "0.523598775598"}, {"arccos(0)", "fail"},
        {"arccos(0.5)", "1.047197551197"}, {"arccos(-0.5)", "2.094395102393"}, {"arccos(1.5)", "fail"},
        {"arctg(1)", "0.785398163397"}, {"arcctg(1)", "0.785398163397"}, {"arcctg(0)", "1.570796326795"},
        {"lg(1000)", "3"}, {"ln(1)", "0"}, {"exp(0)", "1"}, {"abs(-3.5)", "3.5"}, {"abs(2)", "2"},
        {"sh(1)", "1.175201193644"}, {"ch(1)", "1.543080634815"}, {"tgh(1)", "0.761594155956"},
        {"ctgh(1)", "1.313035285499"}, {"ctgh(0)", "fail"}, {"ctg(1)", "0.642092615934"},
        {"cosec(1)", "1.188395105778"}, {"sec(1)", "1.850815717681"},
        {"arcsin(0.5)+sin(1)", "1.365069760406"}, {"sin (1)", "0.841470984808"},
        {"2sin(1)", "fail"}, {"sin(1+1)", "0.909297426826"}, {"sin(cos(0))", "0.841470984808"},
        {"sin()", "fail"}, {"sinn(1)", "fail"}, {"sin(1E19)", "0"}, {"cos(1E19)", "0"},
        {"sec(1E19)", "Floating point division by zero"}, {"tg(1E19)", "fail"},
    });
}

TEST(Functions, Degrees) {
    Check({{"sin(30)", "0.5"}, {"tg(45)", "1"}, {"arctg(1)", "45"}, {"sh(1)", "0.01745417863"},
           {"cos(60)", "0.5"}, {"arcsin(0.5)", "30"}, {"arccos(0.5)", "60"}, {"arcctg(1)", "45"}},
          AngleUnit::Degrees);
}

TEST(Functions, Grads) {
    Check({{"sin(100)", "1"}, {"arcsin(1)", "fail"}, {"arctg(1)", "50"}, {"cos(200)", "-1"}},
          AngleUnit::Grads);
}

TEST(Functions, TouchyPointsAreReproducible) {
    EvalContext context;
    context.angleUnit = AngleUnit::Degrees;
    EXPECT_EQ(Shown("tg(90)", context), Shown("tg(90)", context));
    EXPECT_NE(Shown("tg(90)", context), "fail");
}

TEST(Powers, AndFactorials) {
    Check({
        {"2^0.5", "1.414213562373"}, {"2^-1", "0.5"}, {"(1+1)^3", "8"}, {"2^3^2", "64"},
        {"0^3", "fail"}, {"(-2)^2", "4"}, {"10^5000", "Floating point overflow"}, {"4^0.5*3", "6"},
        {"3!", "6"}, {"2.5!", "2"}, {"3.5!", "24"}, {"(3)!", "6"}, {"0!", "1"}, {"1!", "1"},
        {"10!", "3628800"}, {"3!+1", "7"}, {"2*3!", "12"}, {"1755!", "Floating point overflow"},
        {"1754!", " 2.0E+4930"}, {"1E100!", "Floating point overflow"},
    });
}

TEST(Functions, ApplyFunctionDomain) {
    using F = Function;
    struct Case { Function code; Extended x; bool ok; };
    const Case cases[] = {{F::Arcsin, 1, false}, {F::Arcsin, 0.5L, true}, {F::Arccos, 0, false},
                          {F::Tg, 0, true},      {F::Ctg, 0, false},       {F::Ctgh, 0, false},
                          {F::Abs, -2, true},    {F::Arctg, 1e4000L, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(FunctionName(c.code));
        Extended r = 0;
        EXPECT_EQ(ApplyFunction(c.code, c.x, AngleUnit::Radians, r), c.ok);
    }
}

TEST(Functions, TableHoldsEachCodeOnceAndFindsIt) {
    std::set<int> codes;
    for (const FunctionInfo& f : FunctionTable()) {
        SCOPED_TRACE(f.name);
        codes.insert(static_cast<int>(f.function));
        EXPECT_EQ(&InfoOf(f.function), &f);
        EXPECT_EQ(f.listLine.substr(0, f.name.size() + 1), std::string(f.name) + "(");
    }
    EXPECT_EQ(codes.size(), static_cast<std::size_t>(kFunctionCount));
    EXPECT_EQ(*codes.begin(), 1);
    EXPECT_EQ(*codes.rbegin(), kFunctionCount);
}

}  // namespace
}  // namespace zul
