// The code page conversion at the boundary of the INI files.
#include <gtest/gtest.h>

#include "settings/IniEncoding.h"

namespace zul {
namespace {

struct CodePageCase {
    const char* name;
    std::string cp1251;
    std::string utf8;
};

TEST(IniEncoding, Windows1251MapsBothWays) {
    const CodePageCase cases[] = {
        {"ascii", "Ro-Voda=970", "Ro-Voda=970"},
        {"capital A..YA", "\xC0\xC1\xDF", "АБЯ"},
        {"small a..ya", "\xE0\xFF", "ая"},
        {"yo", "\xA8\xB8", "Ёё"},
        {"numero sign", "\xB9", "№"},
        {"degree", "\xB0", "°"},
        {"dashes and quotes", "\x96\x97\xAB\xBB", "–—«»"},
        {"euro", "\x88", "€"},
        {"unassigned 0x98 survives", "\x98", "\xC2\x98"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Windows1251ToUtf8(c.cp1251), c.utf8);
        std::string back;
        EXPECT_TRUE(Utf8ToWindows1251(c.utf8, back));
        EXPECT_EQ(back, c.cp1251);
    }
}

TEST(IniEncoding, CharactersOutsideTheCodePageAreRefused) {
    const char* cases[] = {"α", "中", "😀", "ĳ"};
    for (const char* c : cases) {
        SCOPED_TRACE(c);
        std::string out;
        EXPECT_FALSE(Utf8ToWindows1251(c, out));
    }
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string text;
    IniEncoding detected;
};

TEST(IniEncoding, DecodingDetectsTheEncoding) {
    const DecodeCase cases[] = {
        {"ascii", "[Program]", "[Program]", IniEncoding::Windows1251},
        {"cp1251 russian", "\xCF\xF0\xE8\xEC\xE5\xF7\xE0\xED\xE8\xE5", "Примечание",
         IniEncoding::Windows1251},
        {"utf8 russian", "Примечание", "Примечание", IniEncoding::Utf8},
        {"utf8 with bom", "\xEF\xBB\xBFName=ЗУЛ", "Name=ЗУЛ", IniEncoding::Utf8},
        {"bom with a broken byte", "\xEF\xBB\xBF\xC0x", "Аx", IniEncoding::Utf8},
        {"empty", "", "", IniEncoding::Windows1251},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniEncoding detected{};
        EXPECT_EQ(DecodeIniBytes(c.bytes, &detected), c.text);
        EXPECT_EQ(detected, c.detected);
    }
}

TEST(IniEncoding, EncodingLosesNoCharacter) {
    const char* cases[] = {
        "plain",
        "Расход воды, м3/ч",
        "№ 5 — «примечание»",
        "α = 5°",
        "π·r²",
        "中文 и русский",
        // Windows-1251 bytes of these letters form valid UTF-8 ("Рѕ" is D0 BE in cp1251).
        "Рѕ",
        "РїСЂРёРІРµС‚",
        // A text beginning with the byte order mark's character, once or twice, and
        // Windows-1251 letters whose bytes are the UTF-8 byte order mark.
        "\xEF\xBB\xBFName=1",
        "\xEF\xBB\xBF\xEF\xBB\xBF[S]",
        "п»ї[S]",
        "п»їРѕ",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        IniEncoding chosen{};
        const std::string bytes = EncodeIniText(text, &chosen);
        EXPECT_EQ(DecodeIniBytes(bytes), text);
    }
}

TEST(IniEncoding, Windows1251IsPreferredWhenItFits) {
    const struct {
        const char* text;
        IniEncoding chosen;
    } cases[] = {
        {"ascii", IniEncoding::Windows1251},
        {"Плотность воды", IniEncoding::Windows1251},
        {"α", IniEncoding::Utf8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        IniEncoding chosen{};
        EncodeIniText(c.text, &chosen);
        EXPECT_EQ(chosen, c.chosen);
    }
}

}  // namespace
}  // namespace zul
