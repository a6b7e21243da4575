#include <gtest/gtest.h>

#include "platform/FilePaths.h"

namespace zul {
namespace {

TEST(FilePaths, DefaultExtensionOnlyForANameWithoutDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"list", "list.sl"},       {"/home/u/list", "/home/u/list.sl"}, {"list.txt", "list.txt"},
        {"list.", "list."},        {"a.b/list", "a.b/list.sl"},         {"", ""},
        {"/home/u/", "/home/u/"},  // a folder has no file name
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(WithDefaultExtension(in, "sl"), out) << in;
}

TEST(FilePaths, ExtensionAfterTheLastDotInAnyCase) {
    EXPECT_TRUE(HasExtension("/a/b.INI", "ini"));
    EXPECT_TRUE(HasExtension("b.txt.ini", "ini"));
    EXPECT_FALSE(HasExtension("b.ini.txt", "ini"));
    EXPECT_FALSE(HasExtension("a.ini/b", "ini"));
    EXPECT_FALSE(HasExtension("ini", "ini"));
}

TEST(FilePaths, ShownNameTakesARunOfDotsAsOne) {
    struct Case {
        const char* path;
        bool single;
        const char* shown;
    };
    const Case cases[] = {
        {"/a/list.sl", true, "list.sl"}, {"/a/list...sl", true, "list.sl"},
        {"/a/list.b.sl", false, "list.b.sl"}, {"/a/x..y.sl", false, "x.y.sl"}, {"/a/list", true, "list"},
    };
    for (const Case& c : cases) {
        std::string shown;
        EXPECT_EQ(SingleExtension(c.path, shown), c.single) << c.path;
        EXPECT_EQ(shown, c.shown) << c.path;
    }
}

}  // namespace
}  // namespace zul
