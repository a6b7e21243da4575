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
#include "app/window/Panels.h"
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
        f.Type(f.options.EditPlotnVoda, QString::fromUtf8(c.density));
        for (MessageResult r : c.answers) f.platform.QueueMessageResult(r);
        QTest::mouseClick(f.options.BBtnExitOpt, Qt::LeftButton);
        EXPECT_EQ(f.options.isVisible(), !c.closedAfterFirst);
        EXPECT_EQ(f.options.EditPlotnVoda->text(), QString::fromUtf8(c.fieldAfter));
        if (!c.answers.empty()) {
            ASSERT_FALSE(f.platform.MessageTexts().empty());
            EXPECT_EQ(f.platform.MessageTexts()[0],
                      "В некоторых строках ввода обнаружены ошибки. Исправить их автоматически?...");
        }
    }
}

TEST(OptionsClose, RepairedDensityReachesTheConstantsOnTheSecondClose) {
    OptionsFixture f;
    f.Type(f.options.EditPlotnVoda, QStringLiteral("abc"));
    f.platform.QueueMessageResult(MessageResult::Yes);
    QTest::keyClick(f.options.EditPlotnVoda, Qt::Key_Escape);  // Esc is "Закрыть"
    EXPECT_TRUE(f.options.isVisible());
    f.calculator->settings.constants.Set(ConstantsArray::RoVoda, 1.0f);
    QTest::mouseClick(f.options.BBtnExitOpt, Qt::LeftButton);
    EXPECT_FALSE(f.options.isVisible());
    EXPECT_FLOAT_EQ(f.calculator->settings.constants.Get(ConstantsArray::RoVoda), 970.0f);
}

TEST(OptionsClose, CloseBoxValidatesWithoutCopyingTheFields) {
    OptionsFixture f;
    f.Type(f.options.EditTeplMVoda, QStringLiteral("x"));
    f.options.close();
    EXPECT_TRUE(f.options.isVisible());
    ASSERT_EQ(f.platform.messages().size(), 1u);
    EXPECT_EQ(f.platform.messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(f.platform.messages()[0].text,
              "Обнаружена ошибка записи значения константы. Строка с ошибкой сейчас текущая.");
    EXPECT_TRUE(f.options.EditTeplMVoda->hasFocus());
    f.Type(f.options.EditTeplMVoda, QStringLiteral("4.5"));
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
        QTableWidgetItem* item = f.options.StrGridConst->item(c.row, c.column);
        ASSERT_NE(item, nullptr);
        if (item->flags() & Qt::ItemIsEditable) item->setText(QString::fromUtf8(c.text));  // as the editor commits
        QCoreApplication::processEvents();
        EXPECT_EQ(f.options.StrGridConst->rowCount(), c.rowsAfter);
        EXPECT_EQ(f.calculator->settings.grid.RowCount(), c.rowsAfter);
    }
}

TEST(OptionsGrid, SystemNameFailsWithTheRowMadeCurrent) {
    OptionsFixture f;
    f.options.StrGridConst->item(4, 1)->setText(QStringLiteral("pi"));
    f.options.StrGridConst->item(4, 2)->setText(QStringLiteral("3"));
    QCoreApplication::processEvents();
    f.options.close();
    EXPECT_TRUE(f.options.isVisible());
    EXPECT_EQ(f.options.StrGridConst->currentRow(), 4);
    EXPECT_EQ(f.options.StrGridConst->currentColumn(), 1);
    ASSERT_EQ(f.platform.messages().size(), 1u);
    EXPECT_NE(f.platform.messages()[0].text.find("новых констант"), std::string::npos);
}

TEST(OptionsWindow, FocusedFieldIsHighlighted) {
    OptionsFixture f;
    const auto& water = f.options.Field(ConstantField::PlotnVoda);
    const auto& pipe = f.options.Field(ConstantField::PlotnMatTr);
    water.edit->setFocus();
    EXPECT_EQ(water.text->panelColor(), Yellow());
    EXPECT_EQ(f.options.PanelConst->panelColor(), Lime());
    pipe.edit->setFocus();
    EXPECT_EQ(water.text->panelColor(), ButtonFace());
    EXPECT_EQ(pipe.text->panelColor(), Yellow());
    f.options.TrBarNVir->setFocus();
    EXPECT_EQ(f.options.PanelNVir->panelColor(), Yellow());
    EXPECT_EQ(f.options.PanelConst->panelColor(), ButtonFace());
}

TEST(OptionsWindow, TrackBarSetsTheCaptionAndTheModifiedFlag) {
    OptionsFixture f;
    f.calculator->main.settingsFile.modified = false;
    f.options.TrBarNVir->setValue(40);
    EXPECT_EQ(f.options.PanelNVir->text(), QStringLiteral("Количество запоминаемых выражений = 40"));
    EXPECT_TRUE(f.calculator->main.settingsFile.modified);
    EXPECT_EQ(f.calculator->settings.TrackBarPosition(), 40);
}

TEST(OptionsWindow, RadioButtonsAndExitBoxesReachTheModel) {
    OptionsFixture f;
    QTest::mouseClick(f.options.RButtonGradus, Qt::LeftButton);
    EXPECT_EQ(f.calculator->settings.angleUnit, AngleUnit::Degrees);
    f.options.ChBoxEscExit->click();
    f.options.ChBoxAskExit->click();
    EXPECT_TRUE(f.calculator->settings.escExit);
    EXPECT_TRUE(f.calculator->settings.askExit);
}

TEST(OptionsWindow, AutoLoadFileChosenThroughTheDialog) {
    OptionsFixture f;
    f.WriteFile(QStringLiteral("mine.ini"), "[Program]\r\nName=ZUL (ver 1.4)\r\n");
    f.platform.QueueFile(f.Path(QStringLiteral("mine.ini")));
    f.options.ChBoxAutoLoad->click();  // checked with an empty path: the dialog opens
    ASSERT_EQ(f.platform.fileDialogs().size(), 1u);
    EXPECT_EQ(f.platform.fileDialogs()[0].request.title, "Файл с настройками калькулятора");
    EXPECT_EQ(f.options.EditFAutoLoad->text(), QString::fromStdString(f.Path(QStringLiteral("mine.ini"))));
    EXPECT_TRUE(f.options.ChBoxAutoLoad->isChecked());
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
    ASSERT_GE(options.CBoxIniFile->count(), 2);
    EXPECT_EQ(options.CBoxIniFile->itemText(0), QString::fromStdString(f.Path(QStringLiteral("b.ini"))));
    options.CBoxIniFileChange(1);  // a.ini
    EXPECT_EQ(f.calculator->main.settingsFile.currentFile, f.Path(QStringLiteral("a.ini")));
    EXPECT_EQ(f.face().PanelPodsk->text(), QStringLiteral("[Расход, м3/ч] [Диаметр трубопровода, мм]"));
}

TEST(OptionsFiles, FileButtonAsksBeforeOpening) {
    for (MessageResult answer : {MessageResult::No, MessageResult::Yes}) {
        SCOPED_TRACE(answer == MessageResult::Yes);
        GuiFixture f;
        f.platform.QueueMessageResult(answer);
        f.windows->options->BBtnIniFile->click();
        ASSERT_FALSE(f.platform.MessageTexts().empty());
        EXPECT_EQ(f.platform.MessageTexts()[0],
                  "Перед загрузкой новых настроек текущие будут потеряны. Загрузить новые?...");
        EXPECT_EQ(f.platform.fileDialogs().size(), answer == MessageResult::Yes ? 1u : 0u);
    }
}

}  // namespace
}  // namespace zul::test
