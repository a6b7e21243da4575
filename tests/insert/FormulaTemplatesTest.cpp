// The template table: one row per calculation, fields matching the hint lines, and the
// settings texts spelled in when the command runs.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc/Catalogue.h"
#include "insert/FormulaTemplates.h"

namespace zul {
namespace {

TEST(FormulaTemplates, OneRowPerCalculationNodeInAscendingOrder) {
    const auto table = FormulaTemplateTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(kCalculationCount));
    for (std::size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i - 1].code, table[i].code);
    for (const auto& row : table) {
        SCOPED_TRACE(row.code);
        EXPECT_TRUE(IsCalculationCode(row.code));
        EXPECT_EQ(FindFormulaTemplate(row.code), &row);
    }
    for (const auto& node : CatalogueRows()) {
        SCOPED_TRACE(node.code);
        EXPECT_EQ(FindFormulaTemplate(node.code) != nullptr, IsCalculationCode(node.code));
    }
}

TEST(FormulaTemplates, FieldsFollowTheHintLine) {
    for (const auto& row : FormulaTemplateTable()) {
        SCOPED_TRACE(row.code);
        ASSERT_GE(row.fieldCount, 1);
        ASSERT_LE(row.fieldCount, 6);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(row.captions[static_cast<std::size_t>(k)].empty(), k >= row.fieldCount);
        const CatalogueRow* node = NodeByCode(row.code);
        ASSERT_NE(node, nullptr);
        const bool noise = row.code == 5001 || row.code == 5002;
        if (node->pairs > 0 && !noise) {
            EXPECT_EQ(row.fieldCount, node->pairs);
        }
        if (row.pattern.empty()) continue;
        // Every shown field is used, and no placeholder points past the shown fields.
        for (int k = 1; k <= 9; ++k) {
            const std::string placeholder{'X', static_cast<char>('0' + k)};
            const bool mentioned = row.pattern.find(placeholder) != std::string_view::npos;
            EXPECT_EQ(mentioned, k <= row.fieldCount) << "X" << k;
        }
    }
}

TEST(FormulaTemplates, SixCalculationsHaveNoTemplate) {
    std::set<int> without;
    for (const auto& row : FormulaTemplateTable())
        if (row.pattern.empty()) without.insert(row.code);
    EXPECT_EQ(without, (std::set<int>{5001, 5002, 6003, 6011, 50026, 50301}));
}

TEST(FormulaTemplates, SettingsTextsAreSpelledInVerbatim) {
    SettingsTexts settings;
    settings.roVoda = "1000";
    settings.cmVoda = "4.19 ";
    settings.roMatTrub = "abc";
    struct Case { int code; const char* templ; };
    const Case cases[] = {
        {62, "10*((X1*1000)^2/(X2*1000000/9806.65))^0.25"},
        {52, "(X1/(4.19 *1000*pi*X2*X3/4))^0.5*1000"},
        {2021, "abc*((X1/1000)^2-((X1-2*X2)/1000)^2)*X3*pi/4"},
        {3030, "X2*X3*1.25/(X1*3.6)"},
        {1016, "(4*X1/(1.005*353/(273.15+X4)*pi*X2*X3))^0.5*1000"},
        {1, "X1/(3600*pi*((X2/1000)^2)/4)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        std::string title;
        TMasDatStr record;
        ASSERT_TRUE(MakeSetupRecord(c.code, settings, title, record));
        EXPECT_EQ(record.Template(), c.templ);
    }
}

TEST(FormulaTemplates, RecordCarriesTitleAndCaptions) {
    std::string title;
    TMasDatStr record;
    ASSERT_TRUE(MakeSetupRecord(52, SettingsTexts{}, title, record));
    EXPECT_EQ(title, "Диаметр трубопровода,  мм");
    EXPECT_EQ(record.count, 3);
    EXPECT_EQ(record.Caption(3), "Температурный перепад в системе, °C");
    ASSERT_TRUE(MakeSetupRecord(50012, SettingsTexts{}, title, record));
    EXPECT_EQ(record.count, 6);
    ASSERT_TRUE(MakeSetupRecord(50116, SettingsTexts{}, title, record));
    EXPECT_EQ(record.count, 1);
    EXPECT_EQ(title, "Поверхность шара");
    for (int code : {0, 50, 1000, 50301 + 1, -1}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(MakeSetupRecord(code, SettingsTexts{}, title, record));
        EXPECT_EQ(record.count, 0);
    }
}

TEST(InsertFormulaCommand, ReplacesTheInputLineOnlyAfterAnInsert) {
    struct Case { const char* name; int code; bool insert; bool dialogShown; bool replaced; };
    const Case cases[] = {
        {"inserted", 1, true, true, true},
        {"left without inserting", 1, false, true, false},
        {"group node", 50, true, false, false},
        {"plain expressions", 0, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool shown = false;
        auto run = [&](const std::string& title, const TMasDatStr& record) {
            shown = true;
            EXPECT_FALSE(title.empty());
            EXPECT_GT(record.count, 0);
            return DialogOutcome{c.insert, "10/(3600*pi*((50/1000)^2)/4)"};
        };
        const auto text = RunInsertFormula(c.code, SettingsTexts{}, run);
        EXPECT_EQ(shown, c.dialogShown);
        EXPECT_EQ(text.has_value(), c.replaced);
        if (text) {
            EXPECT_EQ(*text, "10/(3600*pi*((50/1000)^2)/4)");
        }
    }
}

}  // namespace
}  // namespace zul
