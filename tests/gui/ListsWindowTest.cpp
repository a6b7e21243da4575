// The expression lists window TFormVirStrings: line commands, computing with references and
// switched-off lines, list files through scripted dialogs, closing with unsaved changes,
// the banner, the menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "widgets/Panels.h"
#include "lists/window/UVichStr.h"
#include "widgets/StringGrid.h"

namespace zul::test {
namespace {

TFormVirStrings& Lists(GuiFixture& fx) { return *fx.windows->lists; }
StringGrid* Grid(TFormVirStrings& w) { return Child<StringGrid>(w, "StrGridVir"); }
CaptionPanel* Indicator(TFormVirStrings& w) { return Child<CaptionPanel>(w, "PanIzmSohr"); }

// Types the expressions into column 1 through the grid, adding lines as the user would.
void TypeLines(TFormVirStrings& w, std::initializer_list<const char*> expressions) {
    int row = 0;
    for (const char* text : expressions) {
        if (++row > w.list().LineCount()) w.BBtnIncClick();
        QAbstractItemModel* model = Grid(w)->model();
        model->setData(model->index(row - 1, kColumnExpression), QString::fromUtf8(text));
    }
}

void SelectLine(TFormVirStrings& w, int row, int column = kColumnExpression) {
    Grid(w)->setCurrentIndex(Grid(w)->model()->index(row - 1, column));
}

std::vector<std::string> Column(TFormVirStrings& w, int column) {
    std::vector<std::string> out;
    for (int r = 1; r <= w.list().LineCount(); ++r) out.push_back(w.list().Cell(r, column));
    return out;
}

TEST(ListsCompute, AllLinesWithReferencesAndSwitchedOffLines) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    TypeLines(w, {"2+2", "[1]*10", "[7]+1", "2*[x]", "[]5", "[2"});
    w.VichAllClick();
    EXPECT_EQ(Column(w, kColumnResult), (std::vector<std::string>{"4", "40", "1", "", "5", ""}));
    EXPECT_FALSE(Child<QProgressBar>(w, "ProgBarV")->isVisible());
    EXPECT_EQ(fx.platform.busyDepth(), 0);
    EXPECT_EQ(ToStd(Indicator(w)->text()), "Изм.");

    SelectLine(w, 1);
    w.SpButOnClick();
    EXPECT_EQ(w.list().Line(1).mark, "#");
    EXPECT_TRUE(Child<QToolButton>(w, "SpButOff")->isVisibleTo(&w));
    EXPECT_FALSE(Child<QToolButton>(w, "SpButOn")->isVisibleTo(&w));
    EXPECT_EQ(Child<QToolButton>(w, "SpButOn")->geometry(), Child<QToolButton>(w, "SpButOff")->geometry());
    Grid(w)->model()->setData(Grid(w)->model()->index(0, kColumnExpression), QStringLiteral("3+3"));
    w.VichAllClick();
    EXPECT_EQ(w.list().Line(1).result, "4");  // switched off: keeps its old result
    EXPECT_EQ(w.list().Line(2).result, "40");

    SelectLine(w, 1);
    fx.platform.ClearRecords();
    w.VichTekStrClick();
    EXPECT_EQ(fx.platform.MessageTexts(),
              std::vector<std::string>{"Выражение в этой строке (1) отключено от вычислений."});
    w.SpButOffClick();
    EXPECT_TRUE(Child<QToolButton>(w, "SpButOn")->isVisibleTo(&w));
    w.VichTekStrClick();
    EXPECT_EQ(w.list().Line(1).result, "6");
}

struct LineCommandCase {
    const char* name;
    void (TFormVirStrings::*command)();
    int current;
    std::vector<std::string> expressions;
    int currentAfter;
};

TEST(ListsLines, CommandsOnAListOfFive) {
    const LineCommandCase cases[] = {
        {"insert at line 3", &TFormVirStrings::BBtnIncClick, 3, {"A", "B", "", "C", "D", "E"}, 3},
        {"insert at the last line", &TFormVirStrings::BBtnIncClick, 5, {"A", "B", "C", "D", "E", ""}, 6},
        {"copy line 2", &TFormVirStrings::BBtnTirajClick, 2, {"A", "B", "B", "C", "D", "E"}, 2},
        {"move line 1 up", &TFormVirStrings::SpButUpClick, 1, {"A", "B", "C", "D", "E"}, 1},
        {"move line 4 up", &TFormVirStrings::SpButUpClick, 4, {"A", "B", "D", "C", "E"}, 3},
        {"move line 5 down", &TFormVirStrings::SpButDownClick, 5, {"A", "B", "C", "D", "E"}, 5},
        {"move line 2 down", &TFormVirStrings::SpButDownClick, 2, {"A", "C", "B", "D", "E"}, 3},
        {"delete line 2", &TFormVirStrings::BBtnDecClick, 2, {"A", "C", "D", "E"}, 2},
        {"delete the last line", &TFormVirStrings::BBtnDecClick, 5, {"A", "B", "C", "D"}, 4},
    };
    for (const LineCommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        GuiFixture fx;
        TFormVirStrings& w = Lists(fx);
        TypeLines(w, {"A", "B", "C", "D", "E"});
        SelectLine(w, c.current);
        fx.platform.QueueMessageResult(MessageResult::Yes);
        (w.*c.command)();
        EXPECT_EQ(Column(w, kColumnExpression), c.expressions);
        EXPECT_EQ(Grid(w)->CurrentRow(), c.currentAfter);
        EXPECT_EQ(Grid(w)->model()->rowCount(), static_cast<int>(c.expressions.size()));
        const std::string number = std::to_string(c.currentAfter);
        EXPECT_EQ(ToStd(Child<QPushButton>(w, "BBtnDec")->text()), "Удалить №" + number);
        EXPECT_EQ(ToStd(Grid(w)->model()->headerData(kColumnExpression, Qt::Horizontal).toString()),
                  "Вычисляемое выражение: №" + number);
        EXPECT_EQ(ToStd(Indicator(w)->text()), "Изм.");
    }
}

TEST(ListsLines, TheOnlyLineCannotBeDeleted) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    EXPECT_FALSE(Child<QPushButton>(w, "BBtnDec")->isEnabled());
    EXPECT_EQ(ToStd(Child<QPushButton>(w, "BBtnDec")->text()), "Удалить №");
    EXPECT_EQ(ToStd(Indicator(w)->text()), "Нет");
    EXPECT_FALSE(Child<QLineEdit>(w, "EditNameF")->isVisibleTo(&w));
    Child<QAction>(w, "NDec")->trigger();
    EXPECT_TRUE(fx.platform.messages().empty());
    EXPECT_EQ(w.list().LineCount(), 1);
}

TEST(ListsLines, EmptyingACellIsNoChange) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    QAbstractItemModel* model = Grid(w)->model();
    model->setData(model->index(0, kColumnNote), QStringLiteral("x"));
    model->setData(model->index(0, kColumnNote), QString());
    EXPECT_EQ(ToStd(Indicator(w)->text()), "Изм.");
    w.list().SetIndicator(SavedIndicator::Saved);
    model->setData(model->index(0, kColumnNote), QStringLiteral("y"));
    model->setData(model->index(0, kColumnMark), QStringLiteral("#"));  // typed mark switches off
    EXPECT_TRUE(Child<QToolButton>(w, "SpButOff")->isVisibleTo(&w));
    EXPECT_EQ(ToStd(Indicator(w)->text()), "Изм.");
}

TEST(ListsFiles, SaveCloseOpenAndAppendThroughScriptedDialogs) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    TypeLines(w, {"1+1", "[1]*3"});
    w.VichAllClick();
    SelectLine(w, 2);
    w.SpButOnClick();
    Grid(w)->model()->setData(Grid(w)->model()->index(1, kColumnNote), QStringLiteral("заметка"));

    const std::string first = fx.Path(QStringLiteral("first.sl"));
    fx.platform.QueueFile(fx.Path(QStringLiteral("first")));  // typed without extension
    w.VirSaveClick();
    ASSERT_EQ(fx.platform.fileDialogs().size(), 1u);
    EXPECT_EQ(fx.platform.fileDialogs()[0].request.title, "Сохранение списка вычислений");
    EXPECT_EQ(fx.platform.fileDialogs()[0].request.filter,
              "Списки вычислений (*.sl)|*.sl|Все файлы (*.*)|*.*");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(first)));
    EXPECT_EQ(ToStd(Indicator(w)->text()), "Сохр.");
    EXPECT_TRUE(Child<QLineEdit>(w, "EditNameF")->isVisibleTo(&w));
    EXPECT_EQ(ToStd(Child<QLineEdit>(w, "EditNameF")->text()), first);
    EXPECT_FALSE(Child<QAction>(w, "NOpen")->isEnabled());
    for (const char* item : {"NClose", "NErase", "NSave"})
        EXPECT_TRUE(Child<QAction>(w, item)->isEnabled()) << item;

    w.VirCloseClick();  // saved: no question
    EXPECT_EQ(w.list().LineCount(), 1);
    EXPECT_EQ(ToStd(Indicator(w)->text()), "Нет");
    EXPECT_FALSE(Child<QLineEdit>(w, "EditNameF")->isVisibleTo(&w));
    EXPECT_TRUE(Child<QAction>(w, "NOpen")->isEnabled());
    EXPECT_FALSE(Child<QAction>(w, "NClose")->isEnabled());

    fx.platform.QueueFile(first);
    w.VirOpenClick();
    EXPECT_EQ(fx.platform.fileDialogs().back().request.title, "Открытие списка вычислений");
    ASSERT_EQ(w.list().LineCount(), 2);
    EXPECT_EQ(w.list().Line(2), (ListLine{"[1]*3", "6", "#", "заметка"}));
    EXPECT_EQ(ToStd(Indicator(w)->text()), "Сохр.");
    EXPECT_TRUE(Child<QToolButton>(w, "SpButOn")->isVisibleTo(&w));  // line 1 is current and on

    // With a file open the list question comes first; "Добавить" appends.
    TFormVirStrings other(*fx.calculator, fx.platform, fx.windows->factory);
    TypeLines(other, {"7"});
    const std::string second = fx.Path(QStringLiteral("second.sl"));
    fx.platform.QueueFile(second);
    other.VirSaveAsClick();
    fx.platform.QueueContinue(kAnswerAppend);
    fx.platform.QueueFile(second);
    w.VirOpenClick();
    ASSERT_FALSE(fx.platform.questions().empty());
    EXPECT_EQ(fx.platform.questions().back().kind, QuestionKind::ListFile);
    EXPECT_EQ(Column(w, kColumnExpression), (std::vector<std::string>{"1+1", "[1]*3", "7"}));
    EXPECT_EQ(ToStd(Grid(w)->model()->index(2, 0).data().toString()), "3.");
    EXPECT_EQ(Grid(w)->CurrentRow(), 3);
    EXPECT_EQ(ToStd(Child<QLineEdit>(w, "EditNameF")->text()), first);
    EXPECT_EQ(ToStd(Indicator(w)->text()), "Изм.");
}

// A message box speaks of what the list already shows: the list emptied when "Файл удален."
// appears, the failing line highlighted while a fault stops "Вычислить все".
TEST(ListsOrder, TheListIsShownBeforeTheBoxSpeaksOfIt) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    std::vector<std::pair<std::string, int>> seen;  // message, current line of the grid behind it
    std::vector<int> linesBehind;
    fx.platform.onMessage = [&](const ScriptedPlatform::Message& m) {
        seen.emplace_back(m.text, Grid(w)->CurrentRow());
        linesBehind.push_back(Grid(w)->model()->rowCount());
    };
    TypeLines(w, {"1+1", "ln(0)", "2+2"});
    SelectLine(w, 1);
    w.VichAllClick();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], (std::pair<std::string, int>{"Floating point division by zero", 2}));

    fx.platform.QueueFile(fx.Path(QStringLiteral("список.sl")));
    w.VirSaveAsClick();
    fx.platform.QueueMessageResult(MessageResult::Yes);
    w.VirEraseClick();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].first, "Файл удален.");
    EXPECT_EQ(linesBehind[2], 1);
    EXPECT_EQ(ToStd(Grid(w)->model()->index(0, kColumnExpression).data().toString()), "");
}

TEST(ListsFiles, AMegabytePastedIntoACellSurvivesSaveAndOpen) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    const QString big(1'000'000, QLatin1Char('7'));
    QAbstractItemModel* model = Grid(w)->model();
    ASSERT_TRUE(model->setData(model->index(0, kColumnNote), big));
    w.VichTekStrClick();  // an empty expression: nothing to compute
    const std::string path = fx.Path(QStringLiteral("big.sl"));
    fx.platform.QueueFile(path);
    w.VirSaveAsClick();
    w.VirCloseClick();
    fx.platform.QueueFile(path);
    w.VirOpenClick();
    EXPECT_EQ(w.list().Line(1).note.size(), 1'000'000u);
    EXPECT_LE(model->index(0, kColumnNote).data().toString().size(), GridModel::kShownCharacters + 1);
}

struct CloseCase {
    const char* name;
    std::vector<MessageResult> answers;
    bool saveDialogChoosesFile;
    bool closes;
    const char* indicatorAfter;
};

TEST(ListsClose, UnsavedChangesAreAskedFor) {
    const CloseCase cases[] = {
        {"abort stays", {MessageResult::Abort}, false, false, "Изм."},
        {"box closed stays", {MessageResult::Closed}, false, false, "Изм."},
        {"no closes", {MessageResult::No}, false, true, "Изм."},
        {"yes with the dialog cancelled stays", {MessageResult::Yes}, false, false, "Изм."},
        {"yes saves and closes", {MessageResult::Yes}, true, true, "Сохр."},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        GuiFixture fx;
        TFormVirStrings& w = Lists(fx);
        TypeLines(w, {"1+2"});
        w.show();
        for (MessageResult answer : c.answers) fx.platform.QueueMessageResult(answer);
        if (c.saveDialogChoosesFile) fx.platform.QueueFile(fx.Path(QStringLiteral("kept.sl")));
        Child<QPushButton>(w, "BBtnExitVichStr")->click();
        EXPECT_EQ(fx.platform.MessageTexts().front(), "Список строк был изменен. Сохранить изменения?...");
        EXPECT_EQ(w.isVisible(), !c.closes);
        EXPECT_EQ(ToStd(Indicator(w)->text()), c.indicatorAfter);
        EXPECT_EQ(w.list().Line(1).expression, "1+2");  // the list stays in memory
        w.hide();
    }
}

TEST(ListsClose, ASavedListClosesWithoutAQuestion) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    w.show();
    Child<QAction>(w, "NExit")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(fx.platform.messages().empty());
}

TEST(ListsBanner, TheMainWindowsHintHandlerDrivesIt) {
    struct BannerCase {
        const char* hint;
        bool shown;
        const char* caption;
    };
    const BannerCase cases[] = {
        {"Вернуться в главное окно Калькулятора", true, "Вернуться в главное окно Калькулятора"},
        {"Вычислить все", false, nullptr},
        {"О Программе ", true, "Краткие сведения о Программе ЗУЛ"},
        {"", false, nullptr},
    };
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    for (const BannerCase& c : cases) {
        SCOPED_TRACE(c.hint);
        fx.face().ApplicationHint(QString::fromUtf8(c.hint));
        EXPECT_EQ(Child<CaptionPanel>(w, "PanCloseWin")->isVisibleTo(&w), c.shown);
        if (c.caption) {
            EXPECT_EQ(ToStd(Child<CaptionPanel>(w, "PanCloseWin")->text()), c.caption);
        }
    }
    EXPECT_EQ(ToStd(Child<QAction>(w, "NExit")->statusTip()), "Вернуться в главное окно Калькулятора");
    EXPECT_EQ(ToStd(Child<QToolButton>(w, "SpeedButton1")->statusTip()), "О Программе ");
}

TEST(ListsMenu, ShortcutsAsTheWindowGivesThem) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    const std::pair<const char*, const char*> cases[] = {
        {"NOpen", "F3"},        {"NSave", "F2"},      {"NSaveAs", "Alt+F2"},  {"NClose", "Alt+F3"},
        {"NOptions", "F4"},     {"NVichTek", "F8"},   {"NVichAll", "Alt+F8"}, {"NUp", "Ctrl+Up"},
        {"NDown", "Ctrl+Down"}, {"NInc", "Alt+Ins"},  {"NDec", "Alt+Del"},    {"NHelpEdIzm", "F6"},
        {"NHelpHtml", "F1"},    {"NHelpAbout", "F9"}, {"NHelpFunc", ""},      {"NErase", ""},
    };
    for (const auto& [action, keys] : cases) {
        SCOPED_TRACE(action);
        EXPECT_EQ(ToStd(Child<QAction>(w, action)->shortcut().toString()), keys);
    }
    // Shown, but F8 computes.
    EXPECT_TRUE(Child<QAction>(w, "NHelpFunc")->text().endsWith(QStringLiteral("\tF8")));
}

TEST(ListsMenu, HelpCommandsOpenTheirWindows) {
    struct OpenCase {
        void (TFormVirStrings::*command)();
        const char* window;
    };
    const OpenCase cases[] = {
        {&TFormVirStrings::NHelpFuncClick, "FormFunc"},
        {&TFormVirStrings::NHelpEdIzmClick, "FormEdIzm"},
        {&TFormVirStrings::NHelpAboutClick, "FormAbout"},
    };
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.window);
        fx.opened.clear();
        (w.*c.command)();
        EXPECT_EQ(fx.opened, std::vector<QString>{QString::fromLatin1(c.window)});
    }
    // The settings command opens the settings window, as the main window's does.
    fx.opened.clear();
    w.SpButOptClick();
    EXPECT_EQ(fx.opened, std::vector<QString>{QStringLiteral("FormOptions")});
}

// A list file of n lines "k+1" with the line numbers as written by the list file writer.
QByteArray ListFileOfLines(int n) {
    QByteArray bytes =
        "[Program]\r\nName=ZUL (ver 1.4)\r\n[Design]\r\nColWidths=40 380 101 39 100\r\n[Strings]\r\n";
    bytes += "CountStrings=" + QByteArray::number(n) + "\r\n";
    for (int k = 1; k <= n; ++k)
        bytes += "str-" + QByteArray::number(k) + "=" + QByteArray::number(k) + "+1//!//!//!\r\n";
    return bytes;
}

TEST(ListsLarge, TenThousandLinesComputeWithTheWindowRepainting) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    fx.WriteFile(QStringLiteral("big.sl"), ListFileOfLines(10'000));
    fx.platform.QueueFile(fx.Path(QStringLiteral("big.sl")));
    w.VirOpenClick();
    ASSERT_EQ(w.list().LineCount(), 10'000);
    w.show();
    int maximum = 0;
    QObject::connect(Child<QProgressBar>(w, "ProgBarV"), &QProgressBar::valueChanged, &w,
                     [&](int) { maximum = Child<QProgressBar>(w, "ProgBarV")->maximum(); });
    w.VichAllClick();
    EXPECT_EQ(w.list().Line(10'000).result, "10001");
    EXPECT_FALSE(Child<QProgressBar>(w, "ProgBarV")->isVisible());
    if (maximum != 0) {
        EXPECT_EQ(maximum, 10'000);  // the pass took long enough to show progress
    }
    EXPECT_EQ(Grid(w)->CurrentRow(), 10'000);
    fx.platform.QueueMessageResult(MessageResult::No);
    w.hide();
}

// The grid asks the list for the cells it shows: 100,000 lines cost it no widget per line.
TEST(ListsLarge, AHundredThousandLineFileOpensAndShows) {
    GuiFixture fx;
    TFormVirStrings& w = Lists(fx);
    fx.WriteFile(QStringLiteral("huge.sl"), ListFileOfLines(100'000));
    fx.platform.QueueFile(fx.Path(QStringLiteral("huge.sl")));
    const qsizetype widgets = w.findChildren<QWidget*>().size();
    w.VirOpenClick();
    StringGrid* grid = Grid(w);
    ASSERT_EQ(grid->model()->rowCount(), 100'000);
    EXPECT_EQ(ToStd(grid->model()->index(99'999, 0).data().toString()), "100000.");
    EXPECT_LE(w.findChildren<QWidget*>().size(), widgets + 10);
}

}  // namespace
}  // namespace zul::test
