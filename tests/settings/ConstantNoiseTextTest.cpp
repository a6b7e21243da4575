// The number test of the settings fields and the rules of the noise text.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "settings/ConstantsNumber.h"
#include "settings/NoiseText.h"

namespace zul {
namespace {

struct NumberCase { const char* text; bool number; long double value; };
const NumberCase kNumbers[] = {
    {"970", true, 970},       {" 970", true, 970},     {"  -1.5", true, -1.5L},
    {"+5", true, 5},          {"1e3", true, 1000},     {"1E3", true, 1000},
    {"1e-2", true, 0.01L},    {"2.5E+2", true, 250},   {"5.", true, 5},
    {".5", true, 0.5L},       {"0", true, 0},          {"970 ", false, 0},
    {"9,7", false, 0},        {"", false, 0},          {" ", false, 0},
    {"+", false, 0},          {"-", false, 0},         {".", false, 0},
    {"-.", false, 0},         {".e5", false, 0},       {"1e", false, 0},
    {"1e+", false, 0},        {"e5", false, 0},        {"abc", false, 0},
    {"1 2", false, 0},        {"0x10", false, 0},      {"--5", false, 0},
    {"5e3.2", false, 0},      {"\t5", false, 0},       {"1e99999", false, 0},
};

TEST(ConstantNumber, IsNumberIsStrict) {
    for (const auto& c : kNumbers) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        Extended v = -123;
        EXPECT_EQ(IsNumber(c.text, v), c.number);
        EXPECT_EQ(IsNumber(c.text), c.number);
        if (c.number) {
            EXPECT_EQ(v, c.value);
        }
    }
}

struct SingleCase { const char* text; bool ok; float value; };
const SingleCase kSingles[] = {
    {"4.18", true, 4.18f}, {"3.4e38", true, 3.4e38f}, {"-3.4e38", true, -3.4e38f},
    {"1e-60", true, 0.0f}, {"1e39", false, 0},        {"-1e39", false, 0},
    {"1e4000", false, 0},  {"x", false, 0},
};

TEST(ConstantNumber, ConstantValuesFitASingle) {
    for (const auto& c : kSingles) {
        SCOPED_TRACE(c.text);
        float v = -1;
        EXPECT_EQ(ReadConstantValue(c.text, v), c.ok);
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }
}

struct CheckCase { const char* name; const char* text; bool ok; };
const CheckCase kChecks[] = {
    {"default", "-26.2 -16.1 -8.6 -3.2 0 1.2 1 -1.1", true},
    {"eight numbers", "1 2 3 4 5 6 7 8", true},
    {"blanks around and between", "  1   2 3 4  5 6 7 8  ", true},
    {"exponents", "1e1 2 3 4 5 6 7 -8E-1", true},
    {"seven numbers", "1 2 3 4 5 6 7", false},
    {"nine numbers", "1 2 3 4 5 6 7 8 9", false},
    {"letters", "a b c d e f g h", false},
    {"comma", "1,5 2 3 4 5 6 7 8", false},
    {"empty", "", false},
    {"blanks only", "   ", false},
    {"beyond a single", "1 2 3 4 5 6 7 1e39", false},
    {"tab is no separator", "1\t2 3 4 5 6 7 8", false},
};

TEST(NoiseText, CheckAcceptsExactlyEightNumbers) {
    for (const auto& c : kChecks) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckNoiseText(c.text), c.ok);
    }
}

using Eight = std::array<float, kNoiseCount>;
struct ParseCase { const char* name; const char* text; Eight values; };
const ParseCase kParses[] = {
    {"default", kDefaultNoiseText, {-26.2f, -16.1f, -8.6f, -3.2f, 0.0f, 1.2f, 1.0f, -1.1f}},
    {"numbers", " 1 2  3 4 5 6 7 0.5 ", {1, 2, 3, 4, 5, 6, 7, 0.5f}},
    {"empty gives fall-backs", "", {-26.2f, -16.1f, -8.6f, -3.2f, 0.0f, 1.2f, 1.0f, -1.1f}},
    {"bad item takes its fall-back", "1 x 3 4 5 6 7 8", {1, -16.1f, 3, 4, 5, 6, 7, 8}},
    {"missing items take fall-backs", "1 2", {1, 2, -8.6f, -3.2f, 0.0f, 1.2f, 1.0f, -1.1f}},
};

TEST(NoiseText, ParseGivesEightCorrections) {
    for (const auto& c : kParses) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseNoiseCorrections(c.text), c.values);
    }
}

struct RepairCase { const char* name; const char* text; const char* repaired; bool changed; };
const RepairCase kRepairs[] = {
    {"nine numbers lose the eighth item", "1 2 3 4 5 6 7 8 9", "1 2 3 4 5 6 7 -1.1", true},
    {"letters", "a b c d e f g h", "-26.2 -16.1 -8.6 -3.2 0.0 1.2 1.0 -1.1", true},
    {"three numbers", "1 2 3", "1 2 3 -3.2 0.0 1.2 1.0 -1.1", true},
    {"comma", "1,5 2 3 4 5 6 7 8", "-26.2 2 3 4 5 6 7 8", true},
    {"blanks are tidied with a repair", "  1   2 3 4 5 6 7 x  ", "1 2 3 4 5 6 7 -1.1", true},
    {"empty", "", "-26.2 -16.1 -8.6 -3.2 0 1.2 1 -1.1", true},
    {"blanks only", "  ", "-26.2 -16.1 -8.6 -3.2 0 1.2 1 -1.1", true},
    {"good text is left alone", "1  2 3 4 5 6 7 8 ", "1  2 3 4 5 6 7 8 ", false},
};

TEST(NoiseText, RepairReplacesBadItemsByFallBackTexts) {
    for (const auto& c : kRepairs) {
        SCOPED_TRACE(c.name);
        std::string text = c.text;
        EXPECT_EQ(RepairNoiseText(text), c.changed);
        EXPECT_EQ(text, c.repaired);
        EXPECT_TRUE(CheckNoiseText(text));
    }
}

}  // namespace
}  // namespace zul
