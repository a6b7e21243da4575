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
    auto& memory = *fx.windows->memory;
    memory.show();
    memory.RefreshFromTable();
    StringGrid* memoryGrid = Child<StringGrid>(memory, "StrGridChisl");
    EXPECT_EQ(memoryGrid->columnWidth(2), 112);
    for (int row = 1; row <= 4; ++row) ExpectCellWhole(*memoryGrid, row, 2);
    EXPECT_EQ(ToStd(memoryGrid->model()->index(0, 2).data().toString()), "1.414213562373");

    auto& lists = *fx.windows->lists;
    StringGrid* listGrid = Child<StringGrid>(lists, "StrGridVir");
    int row = 0;
    for (const char* input : kLongResults) {
        if (++row > lists.list().LineCount()) lists.BBtnIncClick();
        QAbstractItemModel* model = listGrid->model();
        model->setData(model->index(row - 1, kColumnExpression), QString::fromUtf8(input));
    }
    lists.VichAllClick();
    lists.show();
    EXPECT_EQ(listGrid->columnWidth(kColumnResult), 101);
    for (int r = 1; r <= 4; ++r) ExpectCellWhole(*listGrid, r, kColumnResult);
    memory.hide();
    fx.platform.QueueMessageResult(MessageResult::No);
    lists.hide();
}

TEST(WholeTexts, NarrowHeadersAndACutCellsTooltip) {
    GuiFixture fx;
    auto& lists = *fx.windows->lists;
    auto& memory = *fx.windows->memory;
    StringGrid* memoryGrid = Child<StringGrid>(memory, "StrGridChisl");
    StringGrid* listGrid = Child<StringGrid>(lists, "StrGridVir");
    const auto* listHeader = static_cast<GridHeader*>(listGrid->horizontalHeader());
    const auto* memoryHeader = static_cast<GridHeader*>(memoryGrid->horizontalHeader());
    for (int column = 0; column < kListColumnCount; ++column)
        EXPECT_TRUE(listHeader->FittedCaption(column).whole) << column;
    EXPECT_EQ(listHeader->FittedCaption(kColumnMark).lines, QStringList({"Види-", "мость"}));
    for (int column = 0; column < 4; ++column) EXPECT_TRUE(memoryHeader->FittedCaption(column).whole) << column;

    // A note longer than its column is cut, and shows whole as the cell's tooltip.
    const std::string note = "примечание длиннее своей колонки";
    fx.calculator->memory.AddOrUpdateLine(0, "1+1//!2//!" + note);
    memory.show();
    memory.RefreshFromTable();
    const QRect cell = memoryGrid->visualRect(memoryGrid->model()->index(0, 3));
    QHelpEvent help(QEvent::ToolTip, cell.center(), memoryGrid->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(memoryGrid->viewport(), &help);
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
        auto& dialog = *fx.windows->incFunc;
        dialog.SetModalRunner([](QDialog* window) {
            auto& d = *static_cast<TFormIncFunc*>(window);
            const CaptionPanel* title = Child<CaptionPanel>(d, "PanNameRas");
            const QLineEdit* formula = Child<QLineEdit>(d, "ReadFunc");
            const QRect room = title->contentsRect();
            EXPECT_GE(room.left(), 6);
            EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()), room.width());
            EXPECT_LE(formula->fontMetrics().horizontalAdvance(formula->text()) + 4, formula->width());
            EXPECT_TRUE(formula->toolTip().isEmpty());
        });
        fx.face().SpButtonVstFuncClick();
    }
}

TEST(WholeTexts, SettingsCaptionsKeepClearOfTheirEdges) {
    GuiFixture fx;
    TFormOptions& options = *fx.windows->options;
    Child<QSlider>(options, "TrBarNVir")->setValue(255);
    for (CaptionPanel* panel :
         {Child<CaptionPanel>(options, "PanelConst"), Child<CaptionPanel>(options, "PanelNVir")}) {
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
