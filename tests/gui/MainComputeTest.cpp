// The compute command as the user drives it: Enter in the input line, the history, the
// memory, the fault box, Ctrl+digit and input that is too much.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "GuiTestSupport.h"

namespace zul::test {
namespace {

TEST(MainCompute, EnterComputesAndRecordsHistoryAndMemory) {
    GuiFixture f;
    f.Compute(QStringLiteral("2+3"));
    EXPECT_EQ(f.InputText(), QStringLiteral("5"));
    ASSERT_EQ(f.InputLine()->count(), 1);
    EXPECT_EQ(f.InputLine()->itemText(0), QStringLiteral("2+3"));
    ASSERT_EQ(f.calculator->memory.RowCount(), 1);
    EXPECT_EQ(f.calculator->memory.Row(1).expression, "2+3");
    EXPECT_EQ(f.calculator->memory.Row(1).result, "5");
    EXPECT_EQ(f.InputLine()->lineEdit()->cursorPosition(), 1);  // caret after the result
}

struct LineCase {
    const char* typed;
    const char* shown;   // the input line afterwards
    int historyItems;    // items of CBoxMainStr afterwards
};

// A failed evaluation changes nothing and shows nothing; blanks are not an expression.
const LineCase kLines[] = {
    {"2+3*4", "14", 1},
    {"2*pi", "6.28318530718", 1},
    {"2+", "2+", 0},
    {"abc", "abc", 0},
    {"   ", "   ", 0},
    {"[12.5] [80]", "[12.5] [80]", 0},  // no calculation selected: a bracketed line fails
};

TEST(MainCompute, ResultOrUnchangedLine) {
    for (const LineCase& c : kLines) {
        SCOPED_TRACE(c.typed);
        GuiFixture f;
        f.Compute(QString::fromUtf8(c.typed));
        EXPECT_EQ(f.InputText(), QString::fromUtf8(c.shown));
        EXPECT_EQ(f.InputLine()->count(), c.historyItems);
        EXPECT_TRUE(f.platform.messages().empty());
    }
}

TEST(MainCompute, SameTextAgainUpdatesMemoryRowWithoutNewHistoryItem) {
    GuiFixture f;
    f.Compute(QStringLiteral("2+3"));
    f.Compute(QStringLiteral("4*5"));
    f.Compute(QStringLiteral("2+3"));
    EXPECT_EQ(f.InputLine()->count(), 2);
    EXPECT_EQ(f.calculator->memory.RowCount(), 2);
    EXPECT_EQ(f.InputLine()->itemText(0), QStringLiteral("4*5"));
}

TEST(MainCompute, ButtonAndEnterElsewhereComputeLikeEnterInTheLine) {
    GuiFixture f;
    f.SetInputText(QStringLiteral("6/4"));
    QTest::mouseClick(Child<QPushButton>(f.face(), "BBtnVichisl"), Qt::LeftButton);
    EXPECT_EQ(f.InputText(), QStringLiteral("1.5"));
    f.SetInputText(QStringLiteral("1+1"));
    QTest::keyClick(Child<QTreeWidget>(f.face(), "TViewTip"), Qt::Key_Enter);  // the window previews the keys
    EXPECT_EQ(f.InputText(), QStringLiteral("2"));
}

struct FaultCase {
    const char* typed;
    const char* text;  // the platform's text in the box captioned "Калькулятор"
};

const FaultCase kFaults[] = {
    {"ln(0)", "Floating point division by zero"},
    {"ln(-1)", "Invalid floating point operation"},
};

TEST(MainCompute, ArithmeticFaultShowsItsTextAndKeepsTheLine) {
    for (const FaultCase& c : kFaults) {
        SCOPED_TRACE(c.typed);
        GuiFixture f;
        f.Compute(QString::fromUtf8(c.typed));
        ASSERT_EQ(f.platform.messages().size(), 1u);
        EXPECT_EQ(f.platform.messages()[0].text, c.text);
        EXPECT_EQ(f.platform.messages()[0].kind, MessageKind::Error);
        EXPECT_EQ(f.InputText(), QString::fromUtf8(c.typed));
        EXPECT_EQ(f.InputLine()->count(), 0);
    }
}

struct CtrlDigitCase {
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
    const char* shown;
};

// Memory rows 1 "5" and 2 "20"; the input line holds "1+".
const CtrlDigitCase kCtrlDigits[] = {
    {Qt::ControlModifier, Qt::Key_2, "1+20"},
    {Qt::ControlModifier, Qt::Key_1, "1+5"},
    {Qt::ControlModifier, Qt::Key_3, "1+"},  // no row 3
    {Qt::ControlModifier, Qt::Key_0, "1+"},  // row 10
    {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_2, "1+"},
    {Qt::ControlModifier | Qt::AltModifier, Qt::Key_2, "1+"},
};

TEST(MainCompute, CtrlDigitAppendsMemoryResult) {
    for (const CtrlDigitCase& c : kCtrlDigits) {
        SCOPED_TRACE(c.shown);
        GuiFixture f;
        f.Compute(QStringLiteral("2+3"));
        f.Compute(QStringLiteral("4*5"));
        f.SetInputText(QStringLiteral("1+"));
        QTest::keyClick(f.InputLine()->lineEdit(), c.key, c.modifiers);
        EXPECT_EQ(f.InputText(), QString::fromUtf8(c.shown));
    }
}

// A pasted text far beyond the input bound is refused before any pass of the evaluator
// runs (the busy cursor, shown while passes run, never comes up); no message, the text
// stays for correction and nothing enters the history.
TEST(MainCompute, HugePasteIsRefusedBeforeAnyPass) {
    struct CountingBusy : BusyIndicator {
        void Begin() override { ++begun; }
        void End() override {}
        int begun = 0;
    } busy;
    GuiFixture f(false);
    f.busy = &busy;
    f.Start();
    const QString huge = QStringLiteral("1+").repeated(50 * 1024) + QStringLiteral("1");
    f.InputLine()->lineEdit()->setText(huge);  // as a paste puts it in
    QTest::keyClick(f.InputLine()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(busy.begun, 0);
    EXPECT_TRUE(f.platform.messages().empty());
    EXPECT_FALSE(f.InputText().isEmpty());
    EXPECT_EQ(f.InputLine()->count(), 0);
    f.Compute(QStringLiteral("2+3"));
    EXPECT_EQ(busy.begun, 1);  // an ordinary expression runs its passes under the cursor
}

// The busy cursor is shown while the evaluator works and is gone afterwards, also when a
// fault ends the evaluation.
TEST(MainCompute, BusyIndicatorBalanced) {
    struct Counting : BusyIndicator {
        void Begin() override { ++begins; }
        void End() override { ++ends; }
        int begins = 0;
        int ends = 0;
    };
    for (const char* typed : {"2+3", "ln(0)", "2+"}) {
        SCOPED_TRACE(typed);
        Counting counting;
        GuiFixture f(false);
        f.busy = &counting;
        f.Start();
        f.Compute(QString::fromUtf8(typed));
        EXPECT_GE(counting.begins, 1);
        EXPECT_EQ(counting.begins, counting.ends);
    }
}

TEST(MainCompute, PreviousExpressionStepsThroughHistory) {
    GuiFixture f;
    f.Compute(QStringLiteral("1+1"));
    f.Compute(QStringLiteral("2+2"));
    const char* expected[] = {"2+2", "1+1", "", "2+2"};
    for (const char* shown : expected) {
        SCOPED_TRACE(shown);
        QTest::mouseClick(Child<QToolButton>(f.face(), "SpButtonLastV"), Qt::LeftButton);
        EXPECT_EQ(f.InputText(), QString::fromUtf8(shown));
    }
}

}  // namespace
}  // namespace zul::test
