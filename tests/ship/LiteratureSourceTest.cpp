// The literature source (UTF-8, as kept in the repository) becomes the Windows-1251 file
// with CR LF lines that the program reads.
#include <gtest/gtest.h>

#include <string>

#include "LiteratureSource.h"

namespace zul::datagen {
namespace {

struct Case {
    const char* name;
    std::string source;
    bool ok;
    std::string file;
};

const Case kCases[] = {
    {"LF lines get CR LF", "[Program]\nName=ZUL (ver 1.4)\n", true, "[Program]\r\nName=ZUL (ver 1.4)\r\n"},
    {"CR LF lines stay single", "a=1\r\nb=2\r\n", true, "a=1\r\nb=2\r\n"},
    {"last line without a break", "a=1", true, "a=1\r\n"},
    {"byte order mark dropped", "\xEF\xBB\xBF" "a=1\n", true, "a=1\r\n"},
    {"Cyrillic, dash and quotes", "Lit-01=СП «Шум» — М.\n", true,
     "Lit-01=\xD1\xCF \xAB\xD8\xF3\xEC\xBB \x97 \xCC.\r\n"},
    {"empty lines kept", "a\n\nb\n", true, "a\r\n\r\nb\r\n"},
    {"a character outside the code page", "Lit-01=\xE2\x88\x9A" "2\n", false, ""},
};

TEST(LiteratureSource, ConvertsToWindows1251WithCrLf) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::string file;
        EXPECT_EQ(ConvertLiteratureSource(c.source, file), c.ok);
        if (c.ok) {
            EXPECT_EQ(file, c.file);
        }
    }
}

}  // namespace
}  // namespace zul::datagen
