// The strict integer conversion of INI values.
#include <gtest/gtest.h>

#include "settings/IniInteger.h"

namespace zul {
namespace {

TEST(IniInteger, Conversion) {
    const struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {"-7", true, -7},
        {"+7", true, 7},
        {"  12", true, 12},
        {"$1F", true, 31},
        {"0x10", true, 16},
        {"0X10", true, 16},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"12 ", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"1.5", false, 0},
        {"abc", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"1e3", false, 0},
        {"$1G", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int v = -99;
        EXPECT_EQ(ReadIniInteger(c.text, v), c.ok);
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
        EXPECT_EQ(IniIntegerOr(c.text, 5), c.ok ? c.value : 5);
    }
}

}  // namespace
}  // namespace zul
