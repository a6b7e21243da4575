// The rules that turn dialog fields into the inserted text: wrapping of values,
// substitution of placeholders and the argument groups of the template-less calculations.
#include <gtest/gtest.h>

#include "insert/InsertFormula.h"

namespace zul {
namespace {

TEST(WrapValue, WrapsOnlyWhatCouldChangeThePrecedence) {
    struct Case { const char* value; const char* wrapped; };
    const Case cases[] = {
        {"12.5", "12.5"},       {"-3", "(-3)"},         {"2*pi", "(2*pi)"},
        {"+5", "+5"},           {"(1+2)*(3+4)", "(1+2)*(3+4)"},
        {"  7  ", "7"},         {"", ""},               {"   ", ""},
        {"1E-5", "(1E-5)"},     {"2^3", "(2^3)"},       {"/4", "/4"},
        {"*4", "*4"},           {"(2)+1", "((2)+1)"},   {"sin(1)", "sin(1)"},
        {"(3", "(3"},           {"3/4", "(3/4)"},       {"+5+1", "+5+1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(WrapValue(c.value), c.wrapped);
    }
}

std::array<bool, 6> Shown(int count) {
    std::array<bool, 6> visible{};
    for (int i = 0; i < count; ++i) visible[static_cast<std::size_t>(i)] = true;
    return visible;
}

TEST(SubstituteFields, PlaceholdersTakeTheirFieldValues) {
    struct Case {
        const char* name;
        const char* templ;
        std::array<std::string, 6> fields;
        int shown;
        const char* text;
        int firstEmpty;
    };
    const Case cases[] = {
        {"negative value wrapped", "9/5*X1+32", {"-5"}, 1, "9/5*(-5)+32", 0},
        {"plain value", "9/5*X1+32", {"2"}, 1, "9/5*2+32", 0},
        {"twice the same placeholder", "X1*X1+X2", {"3", "4"}, 2, "3*3+4", 0},
        {"value that names its own placeholder", "X1+1", {"X1"}, 1, "X1+1", 0},
        {"blank field replaced by nothing", "X1+X2", {"1", "   "}, 2, "1+", 0},
        {"empty field reported", "X1+X2+X3", {"1", "", "3"}, 3, "1+X2+X3", 2},
        {"first empty field stops", "X1+X2", {"", ""}, 2, "X1+X2", 1},
        {"unmentioned field not checked", "X2*2", {"", "4"}, 2, "4*2", 0},
        {"placeholder beyond the shown fields stays", "X1+X3", {"1", "2", "3"}, 2, "1+X3", 0},
        {"fields in any order", "X2-X1", {"1", "5"}, 2, "5-1", 0},
        {"earlier value holding a later placeholder", "X1*X2", {"X2", "7"}, 2, "X2*7", 0},
        {"later value holding an earlier placeholder", "X1*X2", {"2", "X1"}, 2, "2*X1", 0},
        {"placeholder followed by a digit", "X12+X7", {"5"}, 1, "52+X7", 0},
        {"six fields", "X1+X2+X3+X4+X5+X6", {"1", "2", "3", "4", "5", "6"}, 6, "1+2+3+4+5+6", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SubstitutionResult r = SubstituteFields(c.templ, c.fields, Shown(c.shown), 1);
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(r.firstEmpty, c.firstEmpty);
    }
}

TEST(SubstituteFields, ValuesNamingPlaceholdersDoNotMultiply) {
    // Code 8012 has six fields; each value names the next placeholder many times over.
    const std::string templ = "1E+05*X2*(X5-X6)/(X1*X3)*(1-X4/100)";
    std::array<std::string, 6> fields;
    std::size_t longest = 0;
    for (int n = 1; n <= 6; ++n) {
        std::string value;
        for (int k = 0; k < 20; ++k) value += n < 6 ? "X" + std::to_string(n + 1) : "1";
        fields[static_cast<std::size_t>(n - 1)] = value;
        longest = std::max(longest, value.size());
    }
    const SubstitutionResult r = SubstituteFields(templ, fields, Shown(6), 8012);
    EXPECT_EQ(r.firstEmpty, 0);
    EXPECT_LE(r.text.size(), templ.size() + 6 * longest);
    EXPECT_EQ(r.text.find("1E+05*" + fields[1] + "*(" + fields[4] + "-" + fields[5] + ")/(" + fields[0]), 0u);
}

TEST(SubstituteFields, WithoutTemplateEveryShownFieldIsNeeded) {
    struct Case { const char* name; int code; std::array<std::string, 6> fields; int shown; const char* text; int firstEmpty; };
    const Case cases[] = {
        {"heron", 50026, {"3", "4", "5"}, 3, "[3] [4] [5]", 0},
        {"heron with empty side", 50026, {"3", "", "5"}, 3, "[3] [] [5]", 2},
        {"one field ignores hidden ones", 6011, {"0.5", ""}, 1, "[0.5]", 0},
        {"empty first field", 6011, {""}, 1, "[]", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SubstitutionResult r = SubstituteFields("", c.fields, Shown(c.shown), c.code);
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(r.firstEmpty, c.firstEmpty);
    }
}

TEST(BuildArgumentGroups, EachTemplateLessCodeHasItsShape) {
    struct Case { const char* name; int code; std::array<std::string, 6> fields; const char* text; };
    const Case cases[] = {
        {"noise levels", 5001, {"62 65 70"}, "[62] [65] [70]"},
        {"noise sum", 5002, {" 80 80 "}, "[80] [80]"},
        {"two blanks give an empty group", 5002, {"62  65"}, "[62] [] [65]"},
        {"one level", 5001, {"80"}, "[80]"},
        {"water flow", 6003, {" 10 ", "0.3", "120"}, "[10] [0.3] [120]"},
        {"heron", 50026, {"3", "4", "5"}, "[3] [4] [5]"},
        {"coefficient a", 6011, {"1"}, "[1]"},
        {"time plain", 50301, {"01:30:00", "00:45:30"}, "[01:30:00] [00:45:30]"},
        {"time groups unchanged", 50301, {"[00:10:00] [-00:05:00]", "[00:00:00]"},
         "[00:10:00] [-00:05:00] [00:00:00]"},
        {"other code", 1, {"1", "2"}, ""},
        {"no code", 0, {"1"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildArgumentGroups(c.code, c.fields), c.text);
    }
}

TEST(ArrangeFieldGeometry, ExitButtonAndStripFollowTheLastField) {
    FieldGeometryInput in;
    in.insertButtonTop = 100;
    in.exitButtonHeight = 25;
    in.comboTops = {60, 110, 160, 210, 260, 310};
    in.comboHeight = 24;
    in.desktopHeight = 600;
    struct Case { const char* name; int count; long long pixels; int exitTop; int lineTop; int height; int top; };
    const Case cases[] = {
        {"one field, small desktop", 1, 800 * 600, 132, 164, 205, 198},
        {"one field, large desktop", 1, 1024 * 768, 138, 176, 217, 192},
        {"two fields", 2, 800 * 600, 109, 150, 191, 204},
        {"six fields", 6, 1024 * 768, 309, 350, 391, 104},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        in.count = c.count;
        in.desktopPixels = c.pixels;
        const FieldGeometry g = ArrangeFieldGeometry(in);
        EXPECT_EQ(g.exitButtonTop, c.exitTop);
        EXPECT_EQ(g.lineTop, c.lineTop);
        EXPECT_EQ(g.windowHeight, c.height);
        EXPECT_EQ(g.windowTop, c.top);
    }
    EXPECT_EQ(ActivatedWindowTop(-20, 700, 600), 1);
    EXPECT_EQ(ActivatedWindowTop(50, 500, 600), 50);
}

}  // namespace
}  // namespace zul
