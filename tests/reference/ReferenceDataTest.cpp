// The reference windows' data and their small rules: the constants grid fill, the page the
// unit reference opens on, and the two timer cycles.
#include <gtest/gtest.h>

#include <set>

#include "reference/FunctionListData.h"
#include "reference/UnitReference.h"

namespace zul {
namespace {

TEST(UnitReference, ConstantsGridIsNumberedAndComplete) {
    const auto cells = FillConstantsTable();
    ASSERT_EQ(cells.size(), 29u);
    EXPECT_EQ(cells[0][1], "Наименование");
    std::set<std::string> names;
    for (std::size_t r = 1; r < cells.size(); ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(cells[r][0], std::to_string(r) + ".");
        for (int c = 1; c < 4; ++c) EXPECT_FALSE(cells[r][static_cast<std::size_t>(c)].empty());
        names.insert(cells[r][1]);
    }
    EXPECT_EQ(names.size(), 28u);
    EXPECT_EQ(cells[28][2], "1.4959787E+11");
}

TEST(UnitReference, OpensOnTheRememberedPage) {
    struct Case { int remembered; int page; };
    const Case cases[] = {{7, 6}, {6, 6}, {1, 1}, {5, 5}, {0, 6}, {-3, 6}, {100, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.remembered);
        EXPECT_EQ(ReferenceStartPage(c.remembered), c.page);
    }
    EXPECT_EQ(ReferencePosition{}.page, 7);
}

TEST(UnitReference, PagesInOrderWithOnlyForceEditable) {
    const auto pages = ConversionPages();
    ASSERT_EQ(pages.size(), 5u);
    const char* titles[] = {"Сила", "Давление", "Энергия, работа", "Мощность", "Теплота"};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(titles[i]);
        EXPECT_EQ(pages[i].title, titles[i]);
        EXPECT_EQ(pages[i].editable, i == 0);
        EXPECT_FALSE(pages[i].lines.empty());
    }
    EXPECT_EQ(pages[4].rightColumn.size(), 3u);
    EXPECT_EQ(pages[2].linesAfterGap.front(), "1 кг-м = 9.80665 Дж; ");
}

TEST(FunctionList, TwentyLinesEachNamingOneFunction) {
    const auto lines = FunctionListLines();
    ASSERT_EQ(lines.size(), 20u);
    const char* names[] = {"sin(", "cos(", "tg(", "ctg(", "arcsin(", "arccos(", "arctg(", "arcctg(", "sh(", "ch(",
                           "tgh(", "ctgh(", "lg(", "ln(", "exp(", "abs(", "sec(", "cosec(", "(x)^(y)", "x!"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(lines[i].substr(0, std::string_view(names[i]).size()), names[i]);
    }
}

TEST(FunctionList, HighlightMovesEveryTick) {
    FunctionListHighlight h;
    const bool expected[] = {false, true, false, true};
    for (bool copyLine : expected) {
        h.Tick();
        EXPECT_EQ(h.copyLineHighlighted, copyLine);
    }
}

TEST(AboutBox, StripCyclesThroughEightColoursFromBlue) {
    AboutStripCycle cycle;
    const Rgb expected[] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {0, 128, 128}, {0, 0, 0},
                            {255, 255, 0}, {0, 255, 255}, {128, 0, 0}, {0, 0, 255}};
    for (const Rgb& colour : expected) EXPECT_EQ(cycle.Tick(), colour);
    EXPECT_EQ(AboutRows()[1].text, AboutVersionText());
    EXPECT_EQ(AboutNoteLines().size(), 5u);
}

}  // namespace
}  // namespace zul
