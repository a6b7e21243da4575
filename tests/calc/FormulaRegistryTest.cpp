// The registry against the catalogue: every calculation node has exactly one formula (the
// time sum excepted, which is no formula), and no group node has one.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calc/Catalogue.h"
#include "calc/Formula.h"
#include "calc/TimeSum.h"

namespace zul {
namespace {

TEST(FormulaRegistry, EveryCalculationNodeHasExactlyOneFormula) {
    std::map<int, int> entries;
    for (const auto& f : AllFormulas()) ++entries[f.code];
    int calculations = 0;
    for (const auto& row : CatalogueRows()) {
        SCOPED_TRACE(std::to_string(row.code) + " " + row.text);
        bool isCalculation = row.pairs != kGroup;
        calculations += isCalculation;
        int expected = (isCalculation && row.code != kTimeSumCode) ? 1 : 0;
        EXPECT_EQ(entries[row.code], expected);
        EXPECT_EQ(FindFormula(row.code) != nullptr, expected == 1);
    }
    EXPECT_EQ(calculations, kCalculationCount);
    EXPECT_EQ(AllFormulas().size(), static_cast<std::size_t>(kCalculationCount - 1));
}

TEST(FormulaRegistry, EveryFormulaBelongsToACalculationNode) {
    for (const auto& f : AllFormulas()) {
        SCOPED_TRACE(f.code);
        EXPECT_TRUE(IsCalculationCode(f.code));
        EXPECT_EQ(FindFormula(f.code), &f);
    }
}

TEST(FormulaRegistry, CodesWithoutFormula) {
    for (int code : {0, -1, 50, 5000, 50301, 50000, 99999, 1003}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(FindFormula(code), nullptr);
    }
}

}  // namespace
}  // namespace zul
