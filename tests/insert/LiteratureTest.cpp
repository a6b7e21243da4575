// Literature references: which list a code reads, how a reference list expands, and the
// file checks.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

#include "insert/Literature.h"
#include "settings/IniDocument.h"

namespace zul {
namespace {

const std::map<std::string, std::string> kSources = {
    {"Lit-03", "Справочник проектировщика"}, {"Lit-05", "СНиП 2.04.05"},
    {"Lit-07", "Внутренние санитарно-технические устройства"}, {"Lit-123", "Сто двадцать три"},
    {"Lit-00", "Нулевой"}, {"Lit-12", "Двенадцать"},
};

std::optional<std::string> Lookup(const std::string& key) {
    auto it = kSources.find(key);
    if (it == kSources.end()) return std::nullopt;
    return it->second;
}

const std::string kFallback = "\rОшибка чтения файла\r\rZul.lit\r\rили нет данных...\r";

TEST(LiteratureKey, NumbersArePaddedToTwoDigits) {
    struct Case { const char* number; const char* key; };
    const Case cases[] = {
        {"5", "Lit-05"}, {"12", "Lit-12"}, {"123", "Lit-123"}, {"x", "Lit-00"},
        {"", "Lit-00"},  {"0", "Lit-00"},  {"09", "Lit-009"}, {"5a", "Lit-00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(LiteratureKey(c.number), c.key);
    }
}

TEST(ExpandReferenceList, ReferencesBecomeSourcesWithPages) {
    struct Case { const char* name; const char* list; std::string text; };
    const Case cases[] = {
        {"two references", "3:12-15/7:/",
         "Справочник проектировщика\r(12-15)\r\rВнутренние санитарно-технические устройства\r\r"},
        {"colon inside the pages", "3:5:7/",
         "Справочник проектировщика\r(5:7)\rСНиП 2.04.05\r(7)\r"},
        {"missing source", "9:1/", kFallback + "\r(1)\r"},
        {"three digit number", "123:4/", "Сто двадцать три\r(4)\r"},
        {"number not an integer", "ab:/", "Нулевой\r\r"},
        {"reference without colon", "5/3:1/", "Справочник проектировщика\r(1)\r"},
        {"free text without colon", "См. раздел 5", "См. раздел 5"},
        {"free text with late colon", "Литература: 3:5/", "Литература: 3:5/"},
        {"colon position counts characters", "Лит:3/", "Нулевой\r(3)\r"},
        {"colon at the fifth character", "1234:5/", "1234:5/"},
        {"tail without slash is one more reference", "3:1/12:2",
         "Справочник проектировщика\r(1)\r\rДвенадцать\r(2)\r"},
        {"only a tail", "3:1", "Справочник проектировщика\r(1)\r"},
        {"tail that is free text replaces everything", "3:1/Смотри: x", "Смотри: x"},
        {"tail without colon adds nothing", "3:1/abc", "Справочник проектировщика\r(1)\r\r"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ExpandReferenceList(c.list, Lookup), c.text);
    }
}

TEST(ExpandReferenceList, HugeListsEndWithBoundedText) {
    std::string list;
    for (int i = 0; i < 200000; ++i) list += "3:1/";
    const std::string text = ExpandReferenceList(list, Lookup);
    EXPECT_LE(text.size(), (1u << 20) + 4096);
    EXPECT_FALSE(text.empty());
}

IniDocument Parsed(const std::string& text) {
    IniDocument d;
    d.Parse(text);
    return d;
}

TEST(BuildLiteratureMessage, KeyFallbacksAndHeader) {
    const std::string sources = "[Literature]\nLit-03=Справочник\nLit-05=Пособие\n";
    struct Case { const char* name; std::string file; int code; LiteratureMessage::Kind kind; std::string text; };
    using K = LiteratureMessage::Kind;
    const Case cases[] = {
        {"own entry", "[Program]\nName=ZUL (ver 1.4)\n[LitPoints]\nLP-1001=3:1/\nLP-0=5:/\n" + sources, 1001,
         K::Information, "Справочник\r(1)\r"},
        {"LP-0 for a code without entry", "[Program]\nName=ZUL (ver 1.4)\n[LitPoints]\nLP-0=5:/\n" + sources, 1001,
         K::Information, "Пособие\r\r"},
        {"code 0 reads LP-0", "[Program]\nName=ZULx\n[LitPoints]\nLP-0=5:/\nLP=3:/\n" + sources, 0, K::Information,
         "Пособие\r\r"},
        {"LP last", "[Program]\nName=ZUL 2\n[LitPoints]\nLP=3:/\n" + sources, 7, K::Information,
         "Справочник\r\r"},
        {"empty own entry falls back", "[Program]\nName=ZUL\n[LitPoints]\nLP-7=\nLP=3:/\n" + sources, 7,
         K::Information, "Справочник\r\r"},
        {"no list at all", "[Program]\nName=ZUL\n" + sources, 7, K::None, ""},
        {"leading blank fails", "[Program]\nName=\" ZUL\"\n[LitPoints]\nLP=3:/\n", 7, K::NotLiteratureFile,
         "Этот файл не является файлом со ссылками на используемую литературу для программы ЗУЛ."},
        {"lower case fails", "[Program]\nName=zul\n", 7, K::NotLiteratureFile,
         "Этот файл не является файлом со ссылками на используемую литературу для программы ЗУЛ."},
        {"no header", "[LitPoints]\nLP=3:/\n", 7, K::NotLiteratureFile,
         "Этот файл не является файлом со ссылками на используемую литературу для программы ЗУЛ."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LiteratureMessage m = BuildLiteratureMessage(Parsed(c.file), c.code);
        EXPECT_EQ(m.kind, c.kind);
        EXPECT_EQ(m.text, c.text);
    }
}

TEST(FindLiterature, ReadsTheFileInTheStartDirectory) {
    const auto dir = std::filesystem::temp_directory_path() / ("zul_lit_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    EXPECT_EQ(FindLiterature(dir.string(), 1).kind, LiteratureMessage::Kind::None);
    {
        std::ofstream f(dir / "Zul.lit", std::ios::binary);
        // Windows-1251 bytes: "[LitPoints]" list and one source in Russian ("Книга").
        f << "[Program]\r\nName=ZUL (ver 1.4)\r\n[LitPoints]\r\nLP-1=3:7/\r\n[Literature]\r\nLit-03=\xCA\xED\xE8\xE3\xE0\r\n";
    }
    const LiteratureMessage m = FindLiterature(dir.string(), 1);
    EXPECT_EQ(m.kind, LiteratureMessage::Kind::Information);
    EXPECT_EQ(m.text, "Книга\r(7)\r");
    {
        std::ofstream f(dir / "Zul.lit", std::ios::binary);
        f << std::string("\0\x01\x02\xff binary", 12);
    }
    EXPECT_EQ(FindLiterature(dir.string(), 1).kind, LiteratureMessage::Kind::NotLiteratureFile);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zul
