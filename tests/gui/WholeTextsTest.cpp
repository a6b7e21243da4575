// Texts that the windows keep in fixed widths show whole: a result with 12 decimals in the
// result columns of the memory (112 px) and of the lists (101 px), the narrow headers; a
// text that is cut even so has its whole text as a tooltip.
#include <gtest/gtest.h>

#include <QToolTip>

#include "GuiTestSupport.h"
#include "app/window/FitText.h"
#include "lists/window/UVichStr.h"
#include "memory/window/GridHeader.h"
#include "memory/window/StringGrid.h"
#include "memory/window/UMemory.h"

namespace zul::test {
namespace {

// The cell's text, painted in its fitted font, stays inside the cell's content rectangle.
void ExpectCellWhole(const StringGrid& grid, int row, int column) {
    const QString text = grid.model()->index(row - 1, column).data().toString();
    SCOPED_TRACE(ToStd(text));
    const QFont font = grid.CellFont(row, column);
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(text), grid.CellTextRect(row, column).width());
    EXPECT_GE(font.pixelSize(), 10);
}

const char* const kLongResults[] = {"2^0.5", "-1234.5/7", "100000/3", "-9999.5/3"};

TEST(WholeTexts, TwelveDecimalResultsInTheMemoryAndTheLists) {
    GuiFixture fx;
    for (const char* input : kLongResults) fx.Compute(QString::fromUtf8(input));
    auto& memory = *static_cast<TFormMem*>(fx.windows->memory.get());
    memory.show();
    memory.RefreshFromTable();
    EXPECT_EQ(memory.StrGridChisl->columnWidth(2), 112);
    for (int row = 1; row <= 4; ++row) ExpectCellWhole(*memory.StrGridChisl, row, 2);
    EXPECT_EQ(ToStd(memory.StrGridChisl->model()->index(0, 2).data().toString()), "1.414213562373");

    auto& lists = *static_cast<TFormVirStrings*>(fx.windows->lists.get());
    int row = 0;
    for (const char* input : kLongResults) {
        if (++row > lists.list().LineCount()) lists.BBtnIncClick();
        lists.StrGridVir->model()->setData(lists.StrGridVir->model()->index(row - 1, kColumnExpression),
                                           QString::fromUtf8(input));
    }
    lists.VichAllClick();
    lists.show();
    EXPECT_EQ(lists.StrGridVir->columnWidth(kColumnResult), 101);
    for (int r = 1; r <= 4; ++r) ExpectCellWhole(*lists.StrGridVir, r, kColumnResult);
    memory.hide();
    fx.platform.QueueMessageResult(MessageResult::No);
    lists.hide();
}

TEST(WholeTexts, NarrowHeadersAndACutCellsTooltip) {
    GuiFixture fx;
    auto& lists = *static_cast<TFormVirStrings*>(fx.windows->lists.get());
    auto& memory = *static_cast<TFormMem*>(fx.windows->memory.get());
    const auto* listHeader = static_cast<GridHeader*>(lists.StrGridVir->horizontalHeader());
    const auto* memoryHeader = static_cast<GridHeader*>(memory.StrGridChisl->horizontalHeader());
    for (int column = 0; column < kListColumnCount; ++column)
        EXPECT_TRUE(listHeader->FittedCaption(column).whole) << column;
    EXPECT_EQ(listHeader->FittedCaption(kColumnMark).lines, QStringList({"Види-", "мость"}));
    for (int column = 0; column < 4; ++column) EXPECT_TRUE(memoryHeader->FittedCaption(column).whole) << column;

    // A note longer than its column is cut, and shows whole as the cell's tooltip.
    const std::string note = "примечание длиннее своей колонки";
    fx.calculator->memory.AddOrUpdateLine(0, "1+1//!2//!" + note);
    memory.show();
    memory.RefreshFromTable();
    const QRect cell = memory.StrGridChisl->visualRect(memory.StrGridChisl->model()->index(0, 3));
    QHelpEvent help(QEvent::ToolTip, cell.center(), memory.StrGridChisl->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(memory.StrGridChisl->viewport(), &help);
    EXPECT_EQ(ToStd(QToolTip::text()), note);
    QToolTip::hideText();
    memory.hide();
}

}  // namespace
}  // namespace zul::test
