// The memory window TFormMem: insert modes, row commands, cell captions, closing and the
// history, editing through the grid, placement above the input line.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "widgets/Panels.h"
#include "widgets/StringGrid.h"
#include "memory/window/UMemory.h"

namespace zul::test {
namespace {

TFormMem& Memory(GuiFixture& fx) { return *fx.windows->memory; }
StringGrid* Grid(TFormMem& memory) { return Child<StringGrid>(memory, "StrGridChisl"); }

// Fills the memory with rows given as memory lines and shows the window's table.
void FillMemory(GuiFixture& fx, std::initializer_list<const char*> lines) {
    for (const char* line : lines) fx.calculator->memory.AddOrUpdateLine(0, line);
    Memory(fx).RefreshFromTable();
}

void ClickCell(TFormMem& memory, int row, int column) {
    StringGrid* grid = Grid(memory);
    grid->setCurrentIndex(grid->model()->index(row - 1, column));
}

std::vector<std::string> Expressions(GuiFixture& fx) {
    std::vector<std::string> out;
    for (int r = 1; r <= fx.calculator->memory.RowCount(); ++r)
        out.push_back(fx.calculator->memory.Row(r).expression);
    return out;
}

struct InsertCase {
    const char* name;
    int mode;  // ComBoxKakVst item
    const char* line;
    int column;
    const char* expectedLine;
    const char* message;  // nullptr: nothing inserted, nothing shown
};

const InsertCase kInsertCases[] = {
    {"expression at start", 0, "2", 1, "5*5+2",
     "Выражение  №1  вставлено в главную строку ввода Калькулятора."},
    {"result at end", 1, "2", 2, "2+25", "Результат  №1  вставлен в главную строку ввода Калькулятора."},
    {"replace", 2, "2", 1, "5*5", "Выражение  №1  вставлено в главную строку ввода Калькулятора."},
    {"empty line takes the value alone", 1, "", 2, "25",
     "Результат  №1  вставлен в главную строку ввода Калькулятора."},
    {"note column inserts nothing", 1, "2", 3, "2", nullptr},
};

TEST(MemoryInsert, ModesPutTheCellIntoTheInputLine) {
    for (const InsertCase& c : kInsertCases) {
        SCOPED_TRACE(c.name);
        GuiFixture fx;
        FillMemory(fx, {"5*5//!25//!квадрат"});
        TFormMem& memory = Memory(fx);
        Child<QComboBox>(memory, "ComBoxKakVst")->setCurrentIndex(c.mode);
        fx.InputLine()->setEditText(QString::fromUtf8(c.line));
        ClickCell(memory, 1, c.column);
        fx.platform.ClearRecords();
        std::string lineBehindTheBox;
        fx.platform.onMessage = [&](const ScriptedPlatform::Message&) { lineBehindTheBox = ToStd(fx.InputText()); };
        memory.BBtnAddCalcClick();
        EXPECT_EQ(ToStd(fx.InputText()), c.expectedLine);
        if (c.message) {
            EXPECT_EQ(fx.platform.MessageTexts(), std::vector<std::string>{c.message});
            EXPECT_EQ(lineBehindTheBox, c.expectedLine);  // the box tells of a line already shown
        } else {
            EXPECT_TRUE(fx.platform.messages().empty());
        }
        EXPECT_EQ(static_cast<int>(fx.calculator->memory.InsertMode()), c.mode);
    }
}

struct CellCase {
    int row;
    int column;
    const char* caption;
    bool insertEnabled;
};

TEST(MemorySelection, CaptionAndInsertButtonFollowTheCell) {
    const CellCase cases[] = {
        {2, 1, "Выражение №2", true},
        {1, 2, "Результат №1", true},
        {2, 3, "Строка №2", false},
        {1, 0, "Строка №1", false},
    };
    GuiFixture fx;
    FillMemory(fx, {"1+1//!2//!", "3*3//!9//!"});
    // A new row is selected.
    EXPECT_EQ(ToStd(Child<CaptionPanel>(Memory(fx), "PanWhat")->text()), "Выражение №2");
    for (const CellCase& c : cases) {
        SCOPED_TRACE(c.caption);
        ClickCell(Memory(fx), c.row, c.column);
        EXPECT_EQ(ToStd(Child<CaptionPanel>(Memory(fx), "PanWhat")->text()), c.caption);
        EXPECT_EQ(Child<QPushButton>(Memory(fx), "BBtnAddCalc")->isEnabled(), c.insertEnabled);
    }
}

TEST(MemoryRows, AddPutsTheEmptyRowAtTheSelection) {
    GuiFixture fx;
    FillMemory(fx, {"A", "B", "C"});
    TFormMem& memory = Memory(fx);
    ClickCell(memory, 2, 1);
    memory.BBtnIncClick();
    EXPECT_EQ(Expressions(fx), (std::vector<std::string>{"A", "", "B", "C"}));
    EXPECT_EQ(Grid(memory)->CurrentRow(), 2);
    EXPECT_EQ(Grid(memory)->model()->rowCount(), 4);
    EXPECT_EQ(ToStd(Grid(memory)->model()->index(3, 0).data().toString()), "4.");
    ClickCell(memory, 4, 1);
    memory.BBtnIncClick();  // from the last row: the new row becomes the selection
    EXPECT_EQ(Grid(memory)->CurrentRow(), 5);
}

TEST(MemoryRows, DeleteAsksAndKeepsOneRow) {
    GuiFixture fx;
    FillMemory(fx, {"A", "B"});
    TFormMem& memory = Memory(fx);
    ClickCell(memory, 1, 1);
    fx.platform.QueueMessageResult(MessageResult::No);
    memory.BBtnDecClick();
    EXPECT_EQ(Expressions(fx), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(fx.platform.MessageTexts(), std::vector<std::string>{"Удалить строку №1?"});
    fx.platform.QueueMessageResult(MessageResult::Yes);
    memory.BBtnDecClick();
    EXPECT_EQ(Expressions(fx), std::vector<std::string>{"B"});
    EXPECT_FALSE(Child<QPushButton>(memory, "BBtnDec")->isEnabled());
    fx.platform.ClearRecords();
    memory.BBtnDecClick();  // one data row: no question, nothing happens
    EXPECT_TRUE(fx.platform.messages().empty());
    EXPECT_EQ(Expressions(fx), std::vector<std::string>{"B"});
}

TEST(MemoryRows, MoveAndClear) {
    GuiFixture fx;
    FillMemory(fx, {"A", "B", "C"});
    TFormMem& memory = Memory(fx);
    ClickCell(memory, 3, 2);
    memory.SpButUpClick();
    EXPECT_EQ(Expressions(fx), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_EQ(Grid(memory)->CurrentRow(), 2);
    memory.SpButDownClick();
    memory.SpButDownClick();  // already the last row
    EXPECT_EQ(Expressions(fx), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Grid(memory)->CurrentRow(), 3);

    fx.platform.QueueMessageResult(MessageResult::No);
    memory.SpButClearClick();
    EXPECT_EQ(fx.calculator->memory.RowCount(), 3);
    fx.platform.QueueMessageResult(MessageResult::Yes);
    memory.SpButClearClick();
    EXPECT_EQ(fx.platform.MessageTexts().back(), "Очистить память Калькулятора?");
    EXPECT_EQ(Expressions(fx), std::vector<std::string>{""});
    EXPECT_EQ(Grid(memory)->CurrentRow(), 1);
    EXPECT_EQ(Grid(memory)->CurrentColumn(), 1);
    EXPECT_FALSE(Child<QPushButton>(memory, "BBtnDec")->isEnabled());
}

TEST(MemoryClose, EscRebuildsTheHistoryInRowOrder) {
    GuiFixture fx;
    FillMemory(fx, {"1+1//!2//!", "  //!7//!", "3*3//!9//!"});
    TFormMem& memory = Memory(fx);
    memory.show();
    QTest::keyClick(Grid(memory), Qt::Key_Escape);
    EXPECT_FALSE(memory.isVisible());
    EXPECT_EQ(fx.calculator->main.history.Items(), (std::vector<std::string>{"1+1", "3*3"}));
}

TEST(MemoryClose, AnOpenCellEditorIsKeptWhenTheWindowCloses) {
    GuiFixture fx;
    TFormMem& memory = Memory(fx);
    memory.show();
    ClickCell(memory, 1, 1);
    Grid(memory)->edit(Grid(memory)->currentIndex());
    QWidget* editor = Grid(memory)->indexWidget(Grid(memory)->currentIndex());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "7*6");
    memory.BBtnExitMemClick();
    EXPECT_EQ(fx.calculator->memory.Row(1).expression, "7*6");
    EXPECT_EQ(fx.calculator->main.history.Items(), std::vector<std::string>{"7*6"});
}

TEST(MemoryGrid, EditsReachTheTableAndAMegabyteCellIsKeptWhole) {
    GuiFixture fx;
    TFormMem& memory = Memory(fx);
    QAbstractItemModel* model = Grid(memory)->model();
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);  // the numbers stay
    const QString big(1'000'000, QLatin1Char('7'));
    ASSERT_TRUE(model->setData(model->index(0, 1), big));
    EXPECT_EQ(fx.calculator->memory.Row(1).expression.size(), 1'000'000u);
    EXPECT_LE(model->index(0, 1).data(Qt::DisplayRole).toString().size(), GridModel::kShownCharacters + 1);
    EXPECT_EQ(model->index(0, 1).data(Qt::EditRole).toString().size(), 1'000'000);
    memory.BBtnExitMemClick();
    ASSERT_EQ(fx.calculator->main.history.Count(), 1);
    EXPECT_EQ(fx.calculator->main.history.Items()[0].size(), 1'000'000u);
}

TEST(MemoryWindow, ShowsRowsComputedWhileItWasHidden) {
    GuiFixture fx;
    fx.Compute("2+3");
    fx.Compute("4*5");
    Memory(fx).show();
    QAbstractItemModel* model = Grid(Memory(fx))->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(ToStd(model->index(1, 1).data().toString()), "4*5");
    EXPECT_EQ(ToStd(model->index(1, 2).data().toString()), "20");
    EXPECT_EQ(ToStd(model->headerData(0, Qt::Horizontal).toString()), "№п.п.");
    EXPECT_EQ(Grid(Memory(fx))->columnWidth(1), 310);
    Memory(fx).hide();
}

TEST(MemoryWindow, HelpOpensTheHelpFileOrTheMainWindowsCommand) {
    GuiFixture fx;
    fx.WriteFile(QStringLiteral("Zul.html"), "<html></html>");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(fx.dir.path());
    Child<QPushButton>(Memory(fx), "BBtnHelp")->click();
    QDir::setCurrent(previous);
    ASSERT_EQ(fx.platform.openedWithDesktop().size(), 1u);
    EXPECT_TRUE(
        QString::fromStdString(fx.platform.openedWithDesktop()[0]).endsWith(QStringLiteral("Zul.html")));
    int handed = 0;
    Memory(fx).SetHelpCommand([&handed] { ++handed; });
    Child<QPushButton>(Memory(fx), "BBtnHelp")->click();
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(fx.platform.openedWithDesktop().size(), 1u);
}

}  // namespace
}  // namespace zul::test
