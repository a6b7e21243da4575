// The unit reference TFormEdIzm, the function list TFormFunc and the about box TFormAbout:
// their texts, the constants that snap back, the remembered page and cell, the two timers
// (driven by calling their tick) and Escape.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <array>
#include <vector>

#include "GuiTestSupport.h"
#include "widgets/Panels.h"
#include "reference/FunctionListData.h"
#include "reference/UnitReference.h"
#include "reference/window/UAboutC.h"
#include "reference/window/UEdIzm.h"
#include "reference/window/UFunc.h"

namespace zul::test {
namespace {

TEST(ReferenceUnits, PagesAndLinesAsTheReferenceGivesThem) {
    std::array<int, 3> position{7, 1, 1};
    TFormEdIzm w(position);
    ASSERT_EQ(Child<QTabWidget>(w, "PageConEdIzm")->count(), 6);
    const char* titles[] = {"Сила", "Давление", "Энергия, работа", "Мощность", "Теплота", "Константы"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ToStd(Child<QTabWidget>(w, "PageConEdIzm")->tabText(i)), titles[i]);
    // The first opening shows the constants.
    EXPECT_EQ(Child<QTabWidget>(w, "PageConEdIzm")->currentIndex(), 5);

    int total = 0;
    for (const ConversionPage& page : ConversionPages())
        total += static_cast<int>(page.lines.size() + page.linesAfterGap.size() + page.rightColumn.size());
    ASSERT_EQ(w.findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^EditConv"))).size(), total);
    std::vector<QLineEdit*> lines;
    for (int i = 1; i <= total; ++i)
        lines.push_back(Child<QLineEdit>(w, QStringLiteral("EditConv%1").arg(i)));
    EXPECT_EQ(ToStd(lines[0]->text()), "1 кг = 9.80665 H = 980665 Дин;");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(ToStd(lines[i]->text()));
        EXPECT_EQ(lines[i]->isReadOnly(), i >= 2);  // only the two lines of "Сила" take typing
        EXPECT_FALSE(lines[i]->hasFrame());
    }
    const QString energy = QStringLiteral("1 кг-м = 9.80665 Дж; ");  // the trailing blank is part of it
    bool found = false;
    for (QLineEdit* line : lines) found = found || line->text() == energy;
    EXPECT_TRUE(found);
}

TEST(ReferenceUnits, ConstantsGridWithItsWidthsAndHeaders) {
    std::array<int, 3> position{7, 1, 1};
    TFormEdIzm w(position);
    QTableWidget* grid = Child<QTableWidget>(w, "StrGridConst");
    ASSERT_EQ(grid->rowCount(), 28);
    ASSERT_EQ(grid->columnCount(), 4);
    const int widths[] = {26, 248, 130, 90};
    const char* headers[] = {"№п.п.", "Наименование", "Значение", "Размерность"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(grid->columnWidth(c), widths[c]);
        EXPECT_EQ(ToStd(grid->horizontalHeaderItem(c)->text()), headers[c]);
        EXPECT_EQ(static_cast<bool>(grid->item(0, c)->flags() & Qt::ItemIsEditable), c == 2);
    }
    EXPECT_EQ(ToStd(grid->item(27, 0)->text()), "28.");
    EXPECT_EQ(ToStd(grid->item(0, 1)->text()), "Число Авогадро");
    EXPECT_EQ(ToStd(grid->item(27, 2)->text()), "1.4959787E+11");
}

TEST(ReferenceUnits, ValueCellsSnapBackWhenEdited) {
    std::array<int, 3> position{7, 1, 1};
    TFormEdIzm w(position);
    QTableWidget* grid = Child<QTableWidget>(w, "StrGridConst");
    grid->item(2, 2)->setText(QStringLiteral("10"));  // a change that reached the cell
    EXPECT_EQ(ToStd(grid->item(2, 2)->text()), "9.80665");

    w.show();
    grid->setCurrentCell(1, 2);
    grid->editItem(grid->item(1, 2));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(ToStd(editor->text()), "101325");
    QTest::keyClicks(editor, "999");  // typing is put back at once; the text can be copied
    EXPECT_EQ(ToStd(editor->text()), "101325");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(ToStd(grid->item(1, 2)->text()), "101325");
}

TEST(ReferenceUnits, PageAndCellAreRememberedOnlyByTheCloseButton) {
    std::array<int, 3> position{7, 1, 1};
    {
        TFormEdIzm w(position);
        Child<QTabWidget>(w, "PageConEdIzm")->setCurrentIndex(4);  // "Теплота"
        Child<QTableWidget>(w, "StrGridConst")->setCurrentCell(20, 3);
        Child<QPushButton>(w, "BBtnExitFunc")->click();
    }
    EXPECT_EQ(position, (std::array<int, 3>{5, 21, 3}));
    {
        TFormEdIzm w(position);
        EXPECT_EQ(Child<QTabWidget>(w, "PageConEdIzm")->currentIndex(), 4);
        EXPECT_EQ(Child<QTableWidget>(w, "StrGridConst")->currentRow(), 20);
        EXPECT_EQ(Child<QTableWidget>(w, "StrGridConst")->currentColumn(), 3);
        Child<QTabWidget>(w, "PageConEdIzm")->setCurrentIndex(1);
        w.close();  // the close box stores nothing
    }
    EXPECT_EQ(position, (std::array<int, 3>{5, 21, 3}));
}

TEST(ReferenceFunctions, TwentyLinesAndTheHighlightTakingTurns) {
    TFormFunc w;
    EXPECT_EQ(ToStd(w.windowTitle()), "Перечень всех доступных функций");
    const QStringList lines = Child<QPlainTextEdit>(w, "MemoFunc")->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(ToStd(lines[5]), "arccos(x) - арккосинус значения (x)");
    EXPECT_TRUE(Child<QPlainTextEdit>(w, "MemoFunc")->isReadOnly());
    EXPECT_EQ(Child<QTimer>(w, "Timer1")->interval(), 5000);

    struct Tick {
        bool copyLineYellow;
    };
    const Tick ticks[] = {{false}, {true}, {false}};  // 5 s: paste line; 10 s: copy line again
    EXPECT_EQ(Child<CaptionPanel>(w, "PanelUp")->panelColor(), Yellow());
    EXPECT_EQ(Child<CaptionPanel>(w, "PanelDown")->panelColor(), ButtonFace());
    for (std::size_t i = 0; i < std::size(ticks); ++i) {
        SCOPED_TRACE(i + 1);
        w.Timer1Timer();
        EXPECT_EQ(Child<CaptionPanel>(w, "PanelUp")->panelColor(),
                  ticks[i].copyLineYellow ? Yellow() : ButtonFace());
        EXPECT_EQ(Child<CaptionPanel>(w, "PanelDown")->panelColor(),
                  ticks[i].copyLineYellow ? ButtonFace() : Yellow());
        EXPECT_EQ(Child<CaptionPanel>(w, "PanelUp")->frameShape() == QFrame::Box, ticks[i].copyLineYellow);
    }
}

TEST(ReferenceAbout, StripCyclesFromLimeThroughEightColours) {
    TFormAbout w;
    auto strip = [&w] { return Child<QFrame>(w, "PanLine1")->palette().color(QPalette::Window); };
    EXPECT_EQ(strip(), QColor(0, 255, 0));
    const QColor expected[] = {{0, 0, 255},   {0, 255, 0},   {255, 0, 0}, {0, 128, 128}, {0, 0, 0},
                               {255, 255, 0}, {0, 255, 255}, {128, 0, 0}, {0, 0, 255}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i + 1);
        w.TimerAboutTimer();
        EXPECT_EQ(strip(), expected[i]);
    }
    EXPECT_EQ(Child<QTimer>(w, "TimerAbout")->interval(), 500);
    EXPECT_EQ(ToStd(Child<QLabel>(w, "TextRow2")->text()), "1.4.3.  (17.10.1999)");
    EXPECT_EQ(ToStd(Child<QLabel>(w, "TextRow3")->toolTip()), "Чертежники - отдыхают...");
    EXPECT_FALSE(Child<QLabel>(w, "ImagePict")->pixmap().isNull());
    EXPECT_EQ(Child<QPlainTextEdit>(w, "MemoNotes")->toPlainText().split(QLatin1Char('\n')).size(), 5);
}

TEST(ReferenceWindows, EscapeClosesFunctionListAndAboutBox) {
    TFormFunc func;
    TFormAbout about;
    for (QDialog* w : {static_cast<QDialog*>(&func), static_cast<QDialog*>(&about)}) {
        SCOPED_TRACE(ToStd(w->objectName()));
        w->show();
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    }
}

TEST(ReferenceWindows, TimersRunOnlyWhileTheWindowIsActive) {
    GuiFixture fx;
    TFormAbout about;
    about.show();
    QApplication::setActiveWindow(&about);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_TRUE(Child<QTimer>(about, "TimerAbout")->isActive());
    fx.ShowFace();  // another window of the program becomes active
    EXPECT_FALSE(Child<QTimer>(about, "TimerAbout")->isActive());
    about.hide();
}

}  // namespace
}  // namespace zul::test
