// The literature file and the help as the build wrote them: read through the program's own
// literature command for every code, and the help checked against the catalogue.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "calc/Catalogue.h"
#include "insert/Literature.h"
#include "reference/FunctionListData.h"
#include "settings/IniDocument.h"
#include "settings/IniEncoding.h"

namespace zul {
namespace {

const std::string kDataDir = ZUL_SHIPPED_DATA_DIR;

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ShippedLiterature, EveryCodeShowsItsSources) {
    std::vector<int> codes = {0};
    for (const CatalogueRow& node : CatalogueRows()) codes.push_back(node.code);
    for (int code : codes) {
        SCOPED_TRACE(code);
        const LiteratureMessage m = FindLiterature(kDataDir, code);
        ASSERT_EQ(m.kind, LiteratureMessage::Kind::Information) << m.text;
        // A reference to a source that the file lacks would show the reading error instead.
        EXPECT_EQ(m.text.find("Ошибка чтения файла"), std::string::npos) << m.text;
        EXPECT_GT(m.text.size(), 40u);
    }
}

TEST(ShippedLiterature, FileIsWindows1251WithItsOwnKeysOnly) {
    const std::string bytes = ReadBytes(std::filesystem::path(kDataDir) / "Zul.lit");
    IniEncoding encoding = IniEncoding::Utf8;
    const std::string text = DecodeIniBytes(bytes, &encoding);
    EXPECT_EQ(encoding, IniEncoding::Windows1251);
    EXPECT_NE(text.find("Справочник по гидравлическим сопротивлениям"), std::string::npos);

    IniDocument file;
    file.Parse(bytes);
    std::set<std::string> nodeKeys = {"LP-0"};
    for (const CatalogueRow& node : CatalogueRows()) nodeKeys.insert("LP-" + std::to_string(node.code));
    std::string allReferences;
    for (const std::string& key : file.Keys("LitPoints")) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(nodeKeys.count(key)) << "no node carries this code";
        allReferences += "/" + file.Read("LitPoints", key, "");
    }
    // Every source is cited somewhere: a list entry nobody can reach is a slip.
    for (const std::string& key : file.Keys("Literature")) {
        SCOPED_TRACE(key);
        const std::string number = std::to_string(std::stoi(key.substr(4)));
        EXPECT_NE(allReferences.find("/" + number + ":"), std::string::npos);
    }
}

TEST(ShippedHelp, NamesEveryCalculationTopicAndFunction) {
    const std::string html = ReadBytes(std::filesystem::path(kDataDir) / "Zul.html");
    ASSERT_FALSE(html.empty());
    EXPECT_TRUE(IsValidUtf8(html));
    for (int i = 0; i < kCatalogueSize; ++i) {
        const CatalogueRow* node = NodeByIndex(i);
        SCOPED_TRACE(node->text);
        const std::string anchor = node->level == 1 ? "id=\"topic-" : IsGroupIndex(i) ? "id=\"group-" : "id=\"calc-";
        EXPECT_NE(html.find(anchor + std::to_string(node->code) + "\""), std::string::npos);
        if (!IsGroupIndex(i) && ZUL_PICTURES_BUILT) {
            EXPECT_NE(html.find("src=\"Pict/" + std::string(node->picture) + ".jpg\""), std::string::npos);
            EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(kDataDir) / "Pict" /
                                                        (std::string(node->picture) + ".jpg")));
        }
    }
    for (std::string_view line : FunctionListLines()) {
        SCOPED_TRACE(std::string(line));
        const std::string name(line.substr(0, line.find('(') == 0 ? 5 : line.find('(')));
        EXPECT_NE(html.find("<code>" + name), std::string::npos);
    }
    // Every link inside the page leads to an anchor of the page.
    for (std::size_t at = html.find("href=\"#"); at != std::string::npos; at = html.find("href=\"#", at + 1)) {
        const std::string target = html.substr(at + 7, html.find('"', at + 7) - at - 7);
        SCOPED_TRACE(target);
        EXPECT_NE(html.find("id=\"" + target + "\""), std::string::npos);
    }
}

}  // namespace
}  // namespace zul
