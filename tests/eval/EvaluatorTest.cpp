// EvaluateExpression: syntax, constants, precedence, signs, parentheses and failures.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "EvalTestUtil.h"
#include "eval/Evaluator.h"

namespace zul {
namespace {

using test::Carried;
using test::Shown;

struct Case {
    const char* text;
    const char* shown;
};

void Check(const Case* begin, const Case* end, const EvalContext& context = {}) {
    for (const Case* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->text);
        EXPECT_EQ(Shown(c->text, context), c->shown);
    }
}

TEST(Evaluate, PrecedenceAndSigns) {
    const Case cases[] = {
        {"2+3*4", "14"}, {"2*3+4", "10"}, {"2-3-4", "-5"}, {"8/2/2", "2"}, {"2^3^2", "64"},
        {"2*3^2", "18"}, {"-2*3", "-6"}, {"2*-3", "-6"}, {"3*-2^2", "-12"}, {"2^-1", "0.5"},
        {"2--3", "5"}, {"2+-3", "-1"}, {"2-+3", "fail"}, {"2++3", "5"}, {"-5+2", "-3"},
        {"1E-3*2", "0.002"}, {"2*1E+3", "2000"}, {"10/4*2", "5"}, {"2*3*4*5", "120"},
        {"1-2+3-4+5", "3"}, {"2/-4", "-0.5"}, {"-2^2", "-4"},
    };
    Check(std::begin(cases), std::end(cases));
}

TEST(Evaluate, Parentheses) {
    const Case cases[] = {
        {"(1+2)*3", "9"}, {"2*(1+2)", "6"}, {"((1+2))", "fail"}, {"((5))", "fail"}, {"(5)", "5"},
        {"((1)", "fail"}, {")(", "fail"}, {"(1+2)*(3+4)", "21"}, {"2*(3+(4-1))", "12"},
        {"(-5)*2", "-10"}, {"2*(-5)", "-10"}, {"((2+3)*(4-1))*2", "30"},
        // A sign opening a parenthesis belongs to its first number.
        {"(1-2-3)", "-4"}, {"(2-3+1)", "0"}, {"((-2.2)+1)", "-1.2"}, {"(-2+1)", "-1"},
        {"(-2-1)*2", "-6"}, {"(-2*3-1)", "-7"}, {"2*(-3+1)", "-4"}, {"(+2-5)", "-3"},
        {"(-2^2)", "-4"}, {"(5-8)/(1-4)", "1"},
    };
    Check(std::begin(cases), std::end(cases));
}

TEST(Evaluate, NumbersCommentsAndBlanks) {
    const Case cases[] = {
        {"5", "5"}, {"1.5", "1.5"}, {"1,5+1", "2.5"}, {"1 2", "12"}, {"2 + 3 // sum", "5"},
        {"2*3 // area", "6"}, {"", "fail"}, {"   ", "fail"}, {"//", "fail"}, {"// 5", "fail"},
        {"1/3*3", "1"}, {"1/0", "fail"}, {"1/(2-2)", "fail"}, {"(-2)^2", "4"}, {"0^3", "fail"},
        {"2+*3", "fail"}, {"abc", "fail"}, {"2+", "fail"}, {"3*/4", "fail"}, {"1.5e-3", "0.0015"},
        {"1.5E-3", "0.0015"}, {"1E5000", "fail"}, {"1E-5000", "0"}, {"2 sin (1)", "fail"},
    };
    Check(std::begin(cases), std::end(cases));
}

TEST(Evaluate, IntermediateValuesCarryFifteenDigits) {
    EXPECT_EQ(Carried("1/3*3"), " 9.99999999999999E-0001");
    EXPECT_EQ(Carried("2*pi"), " 6.28318530717958E+0000");
    EXPECT_EQ(Carried("pi"), " 3.14159265358979E+0000");
    EXPECT_EQ(Carried("e"), " 2.71828182845905E+0000");
    EXPECT_EQ(Carried("exp(1)"), " 2.71828182845905E+0000");
    EXPECT_EQ(Carried("arcsin(0.5)"), " 5.23598775598299E-0001");
    EXPECT_EQ(Carried("1/3"), " 3.33333333333333E-0001");
}

TEST(Evaluate, NamedConstants) {
    const Case cases[] = {
        {"2*pi", "6.28318530718"}, {"PI/2", "1.570796326795"}, {"pI/2", "1.570796326795"},
        {"Pi/2", "1.570796326795"}, {"PI2", "fail"}, {"e", "2.718281828459"}, {"g*2", "19.6133"},
        {"sec(0)", "1"}, {"2*pi3", "fail"}, {"pi^2", "9.869604401089"},
        {"-e", "-2.718281828459"}, {"e*e", "7.389056098931"},
    };
    Check(std::begin(cases), std::end(cases));
}

// A name glued to a letter on either side, or to a digit or "." in front, is no standalone
// constant: the e of exp and of user names stays, and "2pi" or "1e+5" do not take pi or e.
TEST(Evaluate, StandaloneTestKeepsWordsAndNumbersWhole) {
    const Case cases[] = {
        {"2*exp(1)", "5.436563656918"}, {"1-exp(-0.5)", "0.393469340287"}, {"ln(exp(2))", "2"},
        {"2*1e+5", "fail"}, {"2pi+1", "fail"}, {"2pi", "fail"}, {".e", "fail"},
    };
    Check(std::begin(cases), std::end(cases));
    EvalContext context;
    context.userConstants = {{"Re", "1000"}, {"eta", "0.5"}, {"ge", "3"}};
    const Case named[] = {{"Re*2", "2000"}, {"eta+1", "1.5"}, {"2*ge", "6"}, {"Re/eta", "2000"}};
    Check(std::begin(named), std::end(named), context);
}

TEST(Evaluate, UserConstants) {
    EvalContext context;
    context.userConstants = {{"a", "2+1"}, {"", "7"}, {"b", "a*2"}, {"длина", "4"}};
    const Case cases[] = {
        {"a*2", "4"},      // the value text goes in unchanged, without parentheses
        {"ab", "fail"},    // not standalone
        {"b", "4"},        // b -> a*2 -> 2+1*2 in a later pass
        {"длина*2", "8"},  // Cyrillic names
        {"2длина", "fail"},
    };
    Check(std::begin(cases), std::end(cases), context);
}

// A constant that reaches its own name through the values never becomes a number: it fails
// as soon as a name is still replaced after as many passes as there are constants, before the
// text grows. A chain without a cycle settles, however its rows are ordered.
TEST(Evaluate, SelfReferencingConstantStopsWithinItsBounds) {
    EvalContext context;  // cycles, direct and through another constant
    context.userConstants = {{"a", "a*a"}, {"b", "b+1"}, {"c", "k--c"}, {"d", "f+1"}, {"f", "d*2"}};
    const int bound = static_cast<int>(context.userConstants.size()) + 2;
    for (const char* text : {"a", "b", "c*2", "d", "f-1", "2+c"}) {
        SCOPED_TRACE(text);
        Extended value = 0;
        EvaluationCost cost;
        EXPECT_FALSE(EvaluateExpression(text, value, context, &cost));
        EXPECT_LE(cost.passes, bound);
        EXPECT_LE(cost.longestText, 1024u);
    }
    EvalContext chain;  // k1 -> k2+1 -> ... -> k40 = 1, the rows from k40 down: one link a pass
    const int links = 40;
    for (int i = links; i >= 1; --i)
        chain.userConstants.push_back({"k" + std::to_string(i), i == links ? "1" : "k" + std::to_string(i + 1) + "+1"});
    EXPECT_EQ(Shown("k1", chain), "40");
    EXPECT_EQ(Shown("k20+k1", chain), "61");
}

TEST(Evaluate, InputAndWorkingTextBounds) {
    std::string pis = "pi";
    for (int i = 1; i < 420; ++i) pis += "+pi";  // some 10,000 characters once pi is substituted
    EXPECT_EQ(Shown(pis), "1319.46891450779");
    const std::string longest = "(" + std::string(kMaxInputText - 3, '0') + "1)";
    EXPECT_EQ(Shown(longest), "1");
    EXPECT_EQ(Shown("+" + longest), "fail");  // one character beyond the input bound
    EvalContext russian;                       // the bound counts characters, not bytes
    std::string name;
    for (std::size_t i = 0; i < kMaxInputText; ++i) name += "ж";
    russian.userConstants = {{name, "1"}, {"ж" + name, "2"}};
    EXPECT_EQ(Shown(name, russian), "1");
    EXPECT_EQ(Shown("ж" + name, russian), "fail");
    std::string sum = "1";
    for (int i = 0; i < 3000; ++i) sum += "+1";  // 6001 characters, needs 3000 passes
    EXPECT_EQ(Shown(sum), "3001");
    std::string longer = "1";
    for (int i = 0; i < 6000; ++i) longer += "+1";  // needs more passes than the limit
    EXPECT_EQ(Shown(longer), "fail");
    EXPECT_EQ(Shown(std::string(1'000'000, '1')), "fail");
}

TEST(Evaluate, ValueIsOneAfterFailure) {
    Extended v = 42;
    EXPECT_FALSE(EvaluateExpression("2+", v, {}));
    EXPECT_EQ(v, 1);
    EXPECT_FALSE(EvaluateExpression("", v, {}));
    EXPECT_EQ(v, 1);
}

TEST(Evaluate, ArithmeticFaultsCarryThePlatformText) {
    const Case cases[] = {
        {"ln(0)", "Floating point division by zero"}, {"ln(-1)", "Invalid floating point operation"},
        {"lg(0)", "Floating point division by zero"}, {"lg(-5)", "Invalid floating point operation"},
        {"cosec(0)", "Floating point division by zero"}, {"exp(12000)", "Floating point overflow"},
        {"1755!", "Floating point overflow"}, {"10^5000", "Floating point overflow"},
        {"1E4000*1E4000", "Floating point overflow"}, {"1E4000/1E-4000", "Floating point overflow"},
        {"1E4932+1E4932", "Floating point overflow"}, {"sh(20000)", "Floating point overflow"},
        {"arcsin(1E3000)", "Floating point overflow"},
    };
    Check(std::begin(cases), std::end(cases));
}

class CountingBusy : public BusyIndicator {
public:
    int begun = 0, ended = 0;
    void Begin() override { ++begun; }
    void End() override { ++ended; }
};

TEST(Evaluate, BusyIndicatorIsRestoredOnEveryWayOut) {
    CountingBusy busy;
    EvalContext context;
    context.busy = &busy;
    Extended v;
    EXPECT_TRUE(EvaluateExpression("5", v, context));  // no pass: no busy cursor
    EXPECT_EQ(busy.begun, 0);
    EXPECT_TRUE(EvaluateExpression("2+3", v, context));
    EXPECT_FALSE(EvaluateExpression("2+", v, context));
    EXPECT_THROW(EvaluateExpression("ln(0)", v, context), ArithmeticFault);
    EXPECT_EQ(busy.begun, 3);
    EXPECT_EQ(busy.ended, 3);
}

TEST(Evaluate, ResultsIgnoreARussianLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 not generated";
    EXPECT_EQ(Shown("1.5+1"), "2.5");
    EXPECT_EQ(Shown("1,5*2"), "3");
    EXPECT_EQ(Shown("2/3"), "0.666666666667");
    EXPECT_EQ(Shown("sin(0.5)+cos(0.5)*2^3"), "7.500086033727");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace zul
