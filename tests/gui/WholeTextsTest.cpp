// Texts that the windows keep in fixed widths show whole: a result with 12 decimals in the
// result columns of the memory (112 px) and of the lists (101 px), the narrow headers, the
// titles and formulas of the insert-formula dialog, the captions of the settings window; a
// text that is cut even so has its whole text as a tooltip.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include "GuiTestSupport.h"
#include "widgets/FitText.h"
#include "widgets/Panels.h"
#include "insert/window/UIncFunc.h"
#include "lists/window/UVichStr.h"
#include "widgets/GridHeader.h"
#include "widgets/StringGrid.h"
#include "memory/window/UMemory.h"
#include "settings/window/UOpt.h"

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

// The long titles of 3052 and 4005 and the long formula of 3020 show whole, clear of the
// panel's edges.
TEST(WholeTexts, InsertDialogTitlesAndFormulas) {
    for (int code : {3020, 3052, 4005}) {
        SCOPED_TRACE(code);
        GuiFixture fx;
        fx.calculator->main.topic.calculationCode = code;
        auto& dialog = *static_cast<TFormIncFunc*>(fx.windows->incFunc.get());
        dialog.SetModalRunner([](QDialog* window) {
            auto& d = *static_cast<TFormIncFunc*>(window);
            const QRect room = d.PanNameRas->contentsRect();
            EXPECT_GE(room.left(), 6);
            EXPECT_LE(d.PanNameRas->fontMetrics().horizontalAdvance(d.PanNameRas->text()), room.width());
            EXPECT_LE(d.ReadFunc->fontMetrics().horizontalAdvance(d.ReadFunc->text()) + 4, d.ReadFunc->width());
            EXPECT_TRUE(d.ReadFunc->toolTip().isEmpty());
        });
        fx.face().SpButtonVstFuncClick();
    }
}

TEST(WholeTexts, SettingsCaptionsKeepClearOfTheirEdges) {
    GuiFixture fx;
    TFormOptions& options = *fx.windows->options;
    options.TrBarNVir->setValue(255);
    for (CaptionPanel* panel : {options.PanelConst, options.PanelNVir}) {
        SCOPED_TRACE(ToStd(panel->objectName()));
        const QRect room = panel->contentsRect();
        EXPECT_GE(room.left(), 6);
        EXPECT_LE(room.right(), panel->width() - 7);
        const QRect text = panel->fontMetrics().boundingRect(room, Qt::TextWordWrap | panel->alignment(), panel->text());
        EXPECT_TRUE(room.contains(text));
    }
}

}  // namespace
}  // namespace zul::test
