#include <gtest/gtest.h>

#include "eval/Text.h"

namespace zul {
namespace {

TEST(Text, TrimTakesEveryControlCharacterAndBlankAtBothEnds) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", ""}, {" \t\r\n", ""}, {"\x01 a b \x1F", "a b"}, {" Вода ", "Вода"}, {"a\x7F", "a\x7F"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(Trim(in), out) << in;
}

TEST(Text, AsciiCaseLeavesOtherBytesAlone) {
    EXPECT_EQ(ToUpperAscii("Zul.ini"), "ZUL.INI");
    EXPECT_EQ(ToLowerAscii("LIST.SL"), "list.sl");
    EXPECT_EQ(ToLowerAscii("ВОДА"), "ВОДА");  // Russian letters keep their case
    EXPECT_TRUE(EqualIgnoringAsciiCase("ZUL.INI", "zul.ini"));
    EXPECT_FALSE(EqualIgnoringAsciiCase("zul.ini", "zul.ini "));
    EXPECT_FALSE(EqualIgnoringAsciiCase("ВОДА", "вода"));
}

}  // namespace
}  // namespace zul
