// The settings window: validation when it closes (button, Esc, close box), the repair
// question, the user-constants grid rules, the highlighting and the track bar.
#include <QCheckBox>
#include <QComboBox>
#include <QTreeWidget>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "widgets/FitText.h"
#include "widgets/FitTextDelegate.h"
#include "widgets/Panels.h"
#include "settings/window/UOpt.h"

namespace zul::test {
namespace {

// The settings window shown (not modally) over the main window of a fresh calculator.
struct OptionsFixture : GuiFixture {
    OptionsFixture() : options(*windows->options) {
        options.show();
        QApplication::setActiveWindow(&options);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&options));
    }
    void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    TFormOptions& options;
};

FrozenGrid* Grid(TFormOptions& options) { return Child<FrozenGrid>(options, "StrGridConst"); }

struct CloseCase {
    const char* name;
    const char* density;           // typed into EditPlotnVoda
    std::vector<MessageResult> answers;
    bool closedAfterFirst;
    const char* fieldAfter;        // EditPlotnVoda after the first "Закрыть"
};

const CloseCase kCloses[] = {
    {"valid", "1000", {}, true, "1000"},
    {"exponent passes", "1e3", {}, true, "1e3"},
    {"comma fails, repaired", "1,5", {MessageResult::Yes}, false, "970"},
    {"trailing blank fails, kept", "970 ", {MessageResult::No}, false, "970 "},
};

TEST(OptionsClose, ValidatesFieldsAndAsksToRepair) {
    for (const CloseCase& c : kCloses) {
        SCOPED_TRACE(c.name);
        OptionsFixture f;
        f.Type(Child<QLineEdit>(f.options, "EditPlotnVoda"), QString::fromUtf8(c.density));
        for (MessageResult r : c.answers) f.platform.QueueMessageResult(r);
        QTest::mouseClick(Child<QPushButton>(f.options, "BBtnExitOpt"), Qt::LeftButton);
        EXPECT_EQ(f.options.isVisible(), !c.closedAfterFirst);
        EXPECT_EQ(Child<QLineEdit>(f.options, "EditPlotnVoda")->text(), QString::fromUtf8(c.fieldAfter));
        if (!c.answers.empty()) {
            ASSERT_FALSE(f.platform.MessageTexts().empty());
            EXPECT_EQ(f.platform.MessageTexts()[0],
                      "В некоторых строках ввода обнаружены ошибки. Исправить их автоматически?...");
        }
    }
}

TEST(OptionsClose, RepairedDensityReachesTheConstantsOnTheSecondClose) {
    OptionsFixture f;
    f.Type(Child<QLineEdit>(f.options, "EditPlotnVoda"), QStringLiteral("abc"));
    f.platform.QueueMessageResult(MessageResult::Yes);
    QTest::keyClick(Child<QLineEdit>(f.options, "EditPlotnVoda"), Qt::Key_Escape);  // Esc is "Закрыть"
    EXPECT_TRUE(f.options.isVisible());
    f.calculator->settings.constants.Set(ConstantsArray::RoVoda, 1.0f);
    QTest::mouseClick(Child<QPushButton>(f.options, "BBtnExitOpt"), Qt::LeftButton);
    EXPECT_FALSE(f.options.isVisible());
    EXPECT_FLOAT_EQ(f.calculator->settings.constants.Get(ConstantsArray::RoVoda), 970.0f);
}

TEST(OptionsClose, CloseBoxValidatesWithoutCopyingTheFields) {
    OptionsFixture f;
    f.Type(Child<QLineEdit>(f.options, "EditTeplMVoda"), QStringLiteral("x"));
    f.options.close();
    EXPECT_TRUE(f.options.isVisible());
    ASSERT_EQ(f.platform.messages().size(), 1u);
    EXPECT_EQ(f.platform.messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(f.platform.messages()[0].text,
              "Обнаружена ошибка записи значения константы. Строка с ошибкой сейчас текущая.");
    EXPECT_TRUE(Child<QLineEdit>(f.options, "EditTeplMVoda")->hasFocus());
    f.Type(Child<QLineEdit>(f.options, "EditTeplMVoda"), QStringLiteral("4.5"));
    f.options.close();
    EXPECT_FALSE(f.options.isVisible());
    EXPECT_FLOAT_EQ(f.calculator->settings.constants.Get(ConstantsArray::CmVoda), 4.18f);
}

// Typing into a cell of the grid: the text the user commits, then the rows that follow.
struct GridCase {
    const char* name;
    int row;
    int column;
    const char* text;
    int rowsAfter;
};

const GridCase kGrid[] = {
    {"name into the blank row adds a row", 4, 1, "a", 6},
    {"value into the blank row adds a row", 4, 2, "5", 6},
    {"system rows are not editable", 1, 1, "x", 5},
};

TEST(OptionsGrid, BlankRowRules) {
    for (const GridCase& c : kGrid) {
        SCOPED_TRACE(c.name);
        OptionsFixture f;
        QTableWidgetItem* item = Grid(f.options)->item(c.row, c.column);
        ASSERT_NE(item, nullptr);
        if (item->flags() & Qt::ItemIsEditable) item->setText(QString::fromUtf8(c.text));  // as the editor commits
        QCoreApplication::processEvents();
        EXPECT_EQ(Grid(f.options)->rowCount(), c.rowsAfter);
        EXPECT_EQ(f.calculator->settings.grid.RowCount(), c.rowsAfter);
    }
}

TEST(OptionsGrid, SystemNameFailsWithTheRowMadeCurrent) {
    OptionsFixture f;
    Grid(f.options)->item(4, 1)->setText(QStringLiteral("pi"));
    Grid(f.options)->item(4, 2)->setText(QStringLiteral("3"));
    QCoreApplication::processEvents();
    f.options.close();
    EXPECT_TRUE(f.options.isVisible());
    EXPECT_EQ(Grid(f.options)->currentRow(), 4);
    EXPECT_EQ(Grid(f.options)->currentColumn(), 1);
    ASSERT_EQ(f.platform.messages().size(), 1u);
    EXPECT_NE(f.platform.messages()[0].text.find("новых констант"), std::string::npos);
}

// Types into the grid as the user does: the first key opens the cell's editor, the rest go
// to whatever has the focus.
void TypeKeys(const QString& text) {
    for (QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

void StartTyping(OptionsFixture& f, int row, int column, const QString& text) {
    Grid(f.options)->setFocus();
    Grid(f.options)->setCurrentCell(row, column);
    TypeKeys(text);
}

// Tab and Enter commit the cell and move on to the next; the name and the value both stay.
TEST(OptionsGrid, TabAndEnterMoveOnAndKeepNameAndValue) {
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return}) {
        SCOPED_TRACE(key == Qt::Key_Tab ? "Tab" : "Enter");
        OptionsFixture f;
        StartTyping(f, 4, 1, QStringLiteral("Kz"));
        QTest::keyClick(QApplication::focusWidget(), key);
        TypeKeys(QStringLiteral("1.15"));
        QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::processEvents();
        const std::vector<UserConstant> constants = f.calculator->settings.grid.UserConstants();
        ASSERT_EQ(constants.size(), 1u);
        EXPECT_EQ(constants[0].name, "Kz");
        EXPECT_EQ(constants[0].value, "1.15");
        EXPECT_EQ(Grid(f.options)->item(4, 1)->text(), QStringLiteral("Kz"));
        EXPECT_EQ(Grid(f.options)->item(4, 2)->text(), QStringLiteral("1.15"));
        EXPECT_EQ(Grid(f.options)->currentRow(), 5);  // on to the blank row's name
        EXPECT_EQ(Grid(f.options)->currentColumn(), 1);
    }
}

TEST(OptionsGrid, TheBlankRowAppearsAtTheFirstKeystroke) {
    OptionsFixture f;
    StartTyping(f, 4, 1, QStringLiteral("K"));
    EXPECT_TRUE(Grid(f.options)->EditedIndex().isValid());  // nothing committed yet
    EXPECT_EQ(Grid(f.options)->rowCount(), 6);
    EXPECT_EQ(Grid(f.options)->item(5, 0)->text(), QStringLiteral("2."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);  // emptied again: the row goes
    EXPECT_EQ(Grid(f.options)->rowCount(), 5);
}

// Esc is "Закрыть" also while a cell is being edited: the typed text is validated and kept.
struct EscCase {
    const char* typed;  // into the blank row's name, not committed
    bool closes;
    const char* message;  // the first message shown, "" for none
};

const EscCase kEscCases[] = {
    {"Kz", true, ""},
    {"pi", false, "В некоторых строках ввода обнаружены ошибки. Исправить их автоматически?..."},
};

TEST(OptionsGrid, EscWithAnOpenEditorValidatesItsText) {
    for (const EscCase& c : kEscCases) {
        SCOPED_TRACE(c.typed);
        OptionsFixture f;
        StartTyping(f, 4, 1, QString::fromUtf8(c.typed));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(f.options.isVisible(), !c.closes);
        const std::vector<UserConstant> constants = f.calculator->settings.grid.UserConstants();
        ASSERT_EQ(constants.size(), 1u);
        EXPECT_EQ(constants[0].name, c.typed);
        const auto texts = f.platform.MessageTexts();
        EXPECT_EQ(texts.empty() ? std::string() : texts[0], c.message);
    }
}

// Twenty constants: the header row, pi, g, e and the numbers stay in view whatever row is
// current, and the columns stay inside the visible width.
TEST(OptionsGrid, FixedRowsAndColumnStayInViewWithTwentyConstants) {
    OptionsFixture f;
    std::vector<UserConstant> constants;
    for (int i = 1; i <= 20; ++i) constants.push_back({"K" + std::to_string(i), std::to_string(i)});
    f.calculator->settings.grid.SetUserConstants(constants);
    f.options.RefreshFromModel();
    FrozenGrid* grid = Grid(f.options);
    const int last = grid->rowCount() - 1;
    grid->setFocus();
    grid->setCurrentCell(last, 2);
    QCoreApplication::processEvents();
    const QRect area = grid->viewport()->rect();
    EXPECT_TRUE(area.contains(grid->visualItemRect(grid->item(last, 2))));
    EXPECT_LE(grid->columnViewportPosition(2) + grid->columnWidth(2), area.width());
    EXPECT_EQ(grid->columnViewportPosition(1), 0);  // nothing shifted sideways

    QTableView* rows = grid->FrozenRowsView();
    const QPoint rowsTop = rows->mapTo(grid, QPoint(0, 0));
    EXPECT_EQ(rowsTop.y() + rows->height(), grid->viewport()->mapTo(grid, QPoint(0, 0)).y());
    for (int r = 0; r < UserConstantsGrid::kFirstUserRow; ++r)
        EXPECT_TRUE(rows->viewport()->rect().contains(rows->visualRect(grid->model()->index(r, 1)))) << r;
    EXPECT_EQ(rows->visualRect(grid->model()->index(1, 1)).x(), rows->columnWidth(0));
    // The fixed column shows the number of the current row beside it.
    QTableView* numbers = grid->FrozenColumnView();
    const QRect number = numbers->visualRect(grid->model()->index(last, 0));
    EXPECT_EQ(numbers->viewport()->mapTo(grid, number.topLeft()).y(),
              grid->viewport()->mapTo(grid, grid->visualItemRect(grid->item(last, 1)).topLeft()).y());
    EXPECT_EQ(grid->item(last, 0)->text(), QStringLiteral("21."));
}

// Row 0 shows the settings file's name whole and has its full path as the tooltip.
TEST(OptionsGrid, FileNameShowsWholeWithThePathAsTooltip) {
    GuiFixture f;
    f.platform.QueueFile(f.Path(QStringLiteral("test.ini")));
    f.face().NFileSaveAsClick();
    TFormOptions& options = *f.windows->options;
    options.RefreshFromModel();
    QTableWidgetItem* name = Grid(options)->item(0, 0);
    EXPECT_EQ(name->text(), QStringLiteral("test.ini"));
    EXPECT_EQ(ToStd(name->toolTip()), f.Path(QStringLiteral("test.ini")));
    QTableView* rows = Grid(options)->FrozenRowsView();
    const QModelIndex cell = rows->model()->index(0, 0);
    QStyleOptionViewItem option;
    option.font = rows->font();
    option.rect = rows->visualRect(cell);
    EXPECT_TRUE(static_cast<FitTextDelegate*>(rows->itemDelegate())->Fit(option, cell).whole);
}

TEST(OptionsWindow, FocusedFieldIsHighlighted) {
    OptionsFixture f;
    // Each field's description panel above it is PanText + the field's suffix.
    CaptionPanel* waterText = Child<CaptionPanel>(f.options, "PanTextPV");
    CaptionPanel* pipeText = Child<CaptionPanel>(f.options, "PanTextPMatTr");
    Child<QLineEdit>(f.options, "EditPlotnVoda")->setFocus();
    EXPECT_EQ(waterText->panelColor(), Yellow());
    EXPECT_EQ(Child<CaptionPanel>(f.options, "PanelConst")->panelColor(), Lime());
    Child<QLineEdit>(f.options, "EditPlotnMatTr")->setFocus();
    EXPECT_EQ(waterText->panelColor(), ButtonFace());
    EXPECT_EQ(pipeText->panelColor(), Yellow());
    Child<QSlider>(f.options, "TrBarNVir")->setFocus();
    EXPECT_EQ(Child<CaptionPanel>(f.options, "PanelNVir")->panelColor(), Yellow());
    EXPECT_EQ(Child<CaptionPanel>(f.options, "PanelConst")->panelColor(), ButtonFace());
    StartTyping(f, 4, 1, QStringLiteral("K"));  // a cell's editor has the focus
    EXPECT_EQ(Child<CaptionPanel>(f.options, "PanelConst")->panelColor(), Lime());
}

TEST(OptionsWindow, TrackBarSetsTheCaptionAndTheModifiedFlag) {
    OptionsFixture f;
    f.calculator->main.settingsFile.modified = false;
    Child<QSlider>(f.options, "TrBarNVir")->setValue(40);
    EXPECT_EQ(Child<CaptionPanel>(f.options, "PanelNVir")->text(),
              QStringLiteral("Количество запоминаемых выражений = 40"));
    EXPECT_TRUE(f.calculator->main.settingsFile.modified);
    EXPECT_EQ(f.calculator->settings.TrackBarPosition(), 40);
}

TEST(OptionsWindow, RadioButtonsAndExitBoxesReachTheModel) {
    OptionsFixture f;
    QTest::mouseClick(Child<QRadioButton>(f.options, "RButtonGradus"), Qt::LeftButton);
    EXPECT_EQ(f.calculator->settings.angleUnit, AngleUnit::Degrees);
    Child<QCheckBox>(f.options, "ChBoxEscExit")->click();
    Child<QCheckBox>(f.options, "ChBoxAskExit")->click();
    EXPECT_TRUE(f.calculator->settings.escExit);
    EXPECT_TRUE(f.calculator->settings.askExit);
}

TEST(OptionsWindow, AutoLoadFileChosenThroughTheDialog) {
    OptionsFixture f;
    f.WriteFile(QStringLiteral("mine.ini"), "[Program]\r\nName=ZUL (ver 1.4)\r\n");
    f.platform.QueueFile(f.Path(QStringLiteral("mine.ini")));
    Child<QCheckBox>(f.options, "ChBoxAutoLoad")->click();  // checked with an empty path: the dialog opens
    ASSERT_EQ(f.platform.fileDialogs().size(), 1u);
    EXPECT_EQ(f.platform.fileDialogs()[0].request.title, "Файл с настройками калькулятора");
    EXPECT_EQ(Child<QLineEdit>(f.options, "EditFAutoLoad")->text(),
              QString::fromStdString(f.Path(QStringLiteral("mine.ini"))));
    EXPECT_TRUE(Child<QCheckBox>(f.options, "ChBoxAutoLoad")->isChecked());
}

// The recent settings files: picking one saves the current file first, then reads the
// picked one; the main window shows what was read.
TEST(OptionsFiles, PickingARecentFileSwitchesToIt) {
    GuiFixture f;
    f.SelectNode(QStringLiteral("Скорость жидкости"));
    f.platform.QueueFile(f.Path(QStringLiteral("a.ini")));
    f.face().NFileSaveAsClick();
    f.SelectNode(QStringLiteral("Гидравлика"));
    f.platform.QueueFile(f.Path(QStringLiteral("b.ini")));
    f.face().NFileSaveAsClick();
    TFormOptions& options = *f.windows->options;
    options.RefreshFromModel();
    ASSERT_GE(Child<QComboBox>(options, "CBoxIniFile")->count(), 2);
    EXPECT_EQ(Child<QComboBox>(options, "CBoxIniFile")->itemText(0),
              QString::fromStdString(f.Path(QStringLiteral("b.ini"))));
    options.CBoxIniFileChange(1);  // a.ini
    EXPECT_EQ(f.calculator->main.settingsFile.currentFile, f.Path(QStringLiteral("a.ini")));
    EXPECT_EQ(Child<CaptionPanel>(f.face(), "PanelPodsk")->text(),
              QStringLiteral("[Расход, м3/ч] [Диаметр трубопровода, мм]"));
}

TEST(OptionsFiles, FileButtonAsksBeforeOpening) {
    for (MessageResult answer : {MessageResult::No, MessageResult::Yes}) {
        SCOPED_TRACE(answer == MessageResult::Yes);
        GuiFixture f;
        f.platform.QueueMessageResult(answer);
        Child<QPushButton>(*f.windows->options, "BBtnIniFile")->click();
        ASSERT_FALSE(f.platform.MessageTexts().empty());
        EXPECT_EQ(f.platform.MessageTexts()[0],
                  "Перед загрузкой новых настроек текущие будут потеряны. Загрузить новые?...");
        EXPECT_EQ(f.platform.fileDialogs().size(), answer == MessageResult::Yes ? 1u : 0u);
    }
}

}  // namespace
}  // namespace zul::test
