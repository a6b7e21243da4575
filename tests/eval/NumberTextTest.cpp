// Number reader, exponent text, fixed text, result text and result trimming.
#include <gtest/gtest.h>

#include <clocale>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "eval/NumberText.h"

namespace zul {
namespace {

TEST(ReadNumber, AcceptsTheNumberSyntax) {
    struct Case { const char* text; Extended value; };
    const Case cases[] = {
        {"5", 5}, {"  -5", -5}, {"+5", 5}, {"5.", 5}, {".5", 0.5L}, {".", 0}, {"-.", 0},
        {"1.5E-3", 0.0015L}, {"1.5e-3", 0.0015L}, {"2E+0003", 2000}, {"1E0000000000000000005", 1e5L},
        {" 3.14159265358979E+0000", 3.14159265358979L}, {"1E-5000", 0},
        {"0.1", 0.1L}, {"123456789012345678901", 123456789012345678901.0L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Extended v = -99;
        ASSERT_TRUE(ReadNumber(c.text, v));
        EXPECT_EQ(v, c.value);
    }
}

TEST(ReadNumber, RejectsEverythingElse) {
    const char* cases[] = {"", " ", "+", "-", "5 ", "1,5", "1e", "1E+", "E5", "1.2.3", "--5", "5-", "0x10",
                           "inf", "nan", "1E5000", "1e99999999999999999999", "(5)", "5!"};
    for (const char* c : cases) {
        SCOPED_TRACE(c);
        Extended v = 0;
        EXPECT_FALSE(ReadNumber(c, v));
    }
}

TEST(ReadNumber, IsCorrectlyRoundedOnTheSlowPath) {
    Extended v = 0;
    ASSERT_TRUE(ReadNumber("3.1415926535897932384626433832795", v));
    EXPECT_EQ(v, 3.1415926535897932385L);
    ASSERT_TRUE(ReadNumber("1E-300", v));
    EXPECT_EQ(v, 1E-300L);
}

TEST(ExponentText, HasTwentyThreeCharactersAndFifteenDigits) {
    struct Case { Extended value; const char* text; };
    const Case cases[] = {
        {3.1415926535897932385L, " 3.14159265358979E+0000"},
        {-0.5L, "-5.00000000000000E-0001"},
        {0, " 0.00000000000000E+0000"},
        {-0.0L, " 0.00000000000000E+0000"},
        {6, " 6.00000000000000E+0000"},
        {9.999999999999999L, " 1.00000000000000E+0001"},   // carry out of the first digit
        {1.0L / 3, " 3.33333333333333E-0001"},
        {2.0L / 3, " 6.66666666666667E-0001"},
        {1e4000L, " 1.00000000000000E+4000"},
        {1.234567890123455L, " 1.23456789012346E+0000"},   // half up on the 16th digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ExponentText(c.value), c.text);
    }
}

TEST(ResultText, ShowsTwelveDecimalsTrimmed) {
    struct Case { Extended value; const char* text; };
    const Case cases[] = {
        {5, "5"},
        {2.0L / 3, "0.666666666667"},
        {-0.5L, "-0.5"},
        {1e20L, "100000000000000000000"},
        {123456789012345678901.0L, "123456789012345679000"},  // nearest 18 digits, then zeros
        {1e-13L, " 1.00000000000000E-0013"},
        {1e40L, " 1.0E+0040"},
        {-1e40L, "-1.0E+0040"},
        {9.96e37L, " 1.0E+0038"},
        {0, "0"},
        {4e-13L, " 4.00000000000000E-0013"},
        {-4e-13L, "-4.00000000000000E-0013"},
        {6e-13L, "0.000000000001"},
        {2e-12L, "0.000000000002"},
        {0.9999999999999L, "1"},
        {1234.5L, "1234.5"},
        {-1234567.0000001L, "-1234567.0000001"},
        {1e35L, "100000000000000000000000000000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ResultText(c.value), c.text);
    }
}

TEST(TrimResult, Rules) {
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {" 1.00000000000000E-0013", " 1.00000000000000E-0013"},  // "E": unchanged
        {"  12.500  ", "12.5"}, {"0.000000000000", "0"}, {"007.25", "7.25"}, {"000.5", "0.5"},
        {"100.000", "100"}, {"-0.5", "-0.5"}, {"0042", "42"}, {"0", "0"}, {"5.", "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(TrimResult(c.in), c.out);
    }
}

TEST(NumberText, IgnoresTheProcessLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 not generated";
    Extended v = 0;
    EXPECT_TRUE(ReadNumber("1.5", v));
    EXPECT_EQ(v, 1.5L);
    EXPECT_FALSE(ReadNumber("1,5", v));
    EXPECT_EQ(ResultText(2.0L / 3), "0.666666666667");
    EXPECT_EQ(ExponentText(-0.5L), "-5.00000000000000E-0001");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace zul

namespace zul {
namespace {

// Reference: the 18 correctly rounded digits from the standard library, then half up to 15.
std::string ReferenceExponentText(Extended v) {
    char buf[64];
    const Extended m = v < 0 ? -v : v;
    auto r = std::to_chars(buf, buf + sizeof buf, m, std::chars_format::scientific, 17);
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 17);
    int exponent = std::stoi(std::string(buf + 20, r.ptr));
    if (buf[19] == '-') exponent = -exponent;
    if (m == 0) exponent = 0;
    std::string kept = digits.substr(0, 15);
    if (digits[15] >= '5') {
        int k = 14;
        while (k >= 0 && kept[k] == '9') kept[k--] = '0';
        if (k < 0) {
            kept = "1" + kept.substr(0, 14);
            ++exponent;
        } else {
            ++kept[k];
        }
    }
    char exp[16];
    std::snprintf(exp, sizeof exp, "%04d", exponent < 0 ? -exponent : exponent);
    return std::string(v < 0 ? "-" : " ") + kept[0] + "." + kept.substr(1) + "E" + (exponent < 0 ? "-" : "+") + exp;
}

TEST(ExponentText, AgreesWithTheLibraryOverTheWholeRange) {
    std::uint64_t state = 88172645463325252ULL;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 200000; ++i) {
        const Extended mantissa = static_cast<Extended>(next() >> 11) / 9007199254740992.0L + 1;
        const int exponent = static_cast<int>(next() % 200) - 100;
        Extended v = std::ldexp(mantissa, exponent);
        if (i % 3 == 0) v = static_cast<Extended>(next() % 100000000) / 1000;  // decimal-looking values
        if (i % 5 == 0) v = -v;
        ASSERT_EQ(ExponentText(v), ReferenceExponentText(v)) << static_cast<double>(v);
    }
}

}  // namespace
}  // namespace zul
