// How the picture generator reads a formula template into the shape it draws: one fraction
// per product, roots for the powers 1/2 and 1/4, repeated factors as powers, numbers first.
#include <gtest/gtest.h>

#include <string>

#include "MathFormula.h"
#include "insert/FormulaTemplates.h"

namespace zul::pictgen {
namespace {

// X1 -> "a", X2 -> "b", ...; settings texts and other names as written.
std::string Name(std::string_view id) {
    if (id.size() == 2 && id[0] == 'X') return std::string(1, static_cast<char>('a' + (id[1] - '1')));
    if (id == "pi") return "π";
    return std::string(id);
}

struct Case {
    const char* text;
    const char* shape;
};

const Case kShapes[] = {
    // A quotient inside the denominator moves its divisor up: a/(x/4) = 4a/x.
    {"X1/(3600*pi*((X2/1000)^2)/4)", "[4·a / 3600·π·[b / 1000]^(2)]"},
    {"(X1/1000)*(X1/1000)*3600*pi/4*X2", "[3600·π·a^(2)·b / 1000^(2)·4]"},
    {"(X1/(900*pi*X2))^0.5*1000", "1000·√([a / 900·π·b])"},
    {"10*(X1*X1/X2)^0.25", "10·∜([a^(2) / b])"},
    {"4*pi*X1*X1*X1/3", "[4·π·a^(3) / 3]"},
    {"1E+08*X2/(X1*X3)*(1-X4/100)", "[10^(8)·b·(1 − [d / 100]) / a·c]"},
    {"X1*X2/(3.6E+06*X3)", "[a·b / 3.6·10^(6)·c]"},
    {"X1!/(X2!*(X1-X2)!)", "[a! / b!·(a − b)!]"},
    {"X2+(X4-X2)*(X5-X1)/(X3-X1)", "(b + [(d − b)·(e − a) / (c − a)])"},
    {"(X1-32)*5/9", "[5·(a − 32) / 9]"},
    {"2^3^2", "2^(3)^(2)"},  // left to right, as the calculator computes it
    {"-X1+X2", "(−a + b)"},
    {"X1-(X2-X3)", "(a − b + c)"},
    {"{Cm-Voda}*X1", "{Cm-Voda}·a"},
    {"10*lg(SUM 10^(0.1*Li))", "10·lg(Σ10^(0.1·Li))"},
    {"X1*X2*sin(X3)/2", "[a·b·sin(c) / 2]"},
};

TEST(MathFormula, TemplatesTakeTheirPrintedShape) {
    for (const Case& c : kShapes) {
        SCOPED_TRACE(c.text);
        const std::optional<Expr> e = ParseFormula(c.text, Name);
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(Describe(*e), c.shape);
    }
}

TEST(MathFormula, BrokenTextsAreRefused) {
    for (const char* text : {"", "(X1", "X1+", "X1*/X2", "{Ro-Voda", "sin X1", "X1)", "2^"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseFormula(text, Name).has_value());
    }
}

// Every template of the insert-formula table can be drawn.
TEST(MathFormula, EveryTemplateOfTheCoreParses) {
    for (const FormulaTemplate& t : FormulaTemplateTable()) {
        if (t.pattern.empty()) continue;
        SCOPED_TRACE(t.code);
        EXPECT_TRUE(ParseFormula(t.pattern, Name).has_value()) << t.pattern;
    }
}

}  // namespace
}  // namespace zul::pictgen
