// The main window's commands: the windows its keys and menus open, the settings file
// commands through scripted dialogs, help, the exit with its question and program INI,
// Esc, the hint banner and the auto-load at the first activation.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "lists/window/UVichStr.h"
#include "memory/window/UMemory.h"

#include "GuiTestSupport.h"
#include "widgets/Panels.h"
#include "settings/window/UOpt.h"

namespace zul::test {
namespace {

struct OpenCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* window;  // objectName of the window shown
};

const OpenCase kKeys[] = {
    {Qt::Key_F4, Qt::NoModifier, "FormOptions"},
    {Qt::Key_F5, Qt::NoModifier, "FormMem"},
    {Qt::Key_F7, Qt::NoModifier, "FormVirStrings"},
    {Qt::Key_F8, Qt::NoModifier, "FormFunc"},
    {Qt::Key_F6, Qt::NoModifier, "FormEdIzm"},
    {Qt::Key_F9, Qt::NoModifier, "FormAbout"},
};

TEST(MainCommands, FunctionKeysOpenTheirWindows) {
    GuiFixture f;
    f.ShowFace();
    for (const OpenCase& c : kKeys) {
        SCOPED_TRACE(c.window);
        f.opened.clear();
        QTest::keyClick(f.InputLine()->lineEdit(), c.key, c.modifiers);
        ASSERT_EQ(f.opened.size(), 1u);
        EXPECT_EQ(f.opened[0], QString::fromUtf8(c.window));
    }
}

TEST(MainCommands, MenuItemsAndToolButtonsOpenTheirWindows) {
    GuiFixture f;
    struct Case {
        std::function<void()> run;
        const char* window;
    };
    TFormFace& w = f.face();
    const Case cases[] = {
        {[&] { Child<QAction>(w, "NNastrOptions")->trigger(); }, "FormOptions"},
        {[&] { Child<QAction>(w, "NMemory")->trigger(); }, "FormMem"},
        {[&] { Child<QAction>(w, "NVichStrings")->trigger(); }, "FormVirStrings"},
        {[&] { Child<QAction>(w, "NHelpFunc")->trigger(); }, "FormFunc"},
        {[&] { Child<QAction>(w, "NHelpEdIzm")->trigger(); }, "FormEdIzm"},
        {[&] { Child<QAction>(w, "NHelpAbout")->trigger(); }, "FormAbout"},
        {[&] { Child<QAction>(w, "NZulExe")->trigger(); }, "FormAbout"},
        {[&] { Child<QToolButton>(w, "SpButOpt")->click(); }, "FormOptions"},
        {[&] { Child<QToolButton>(w, "SpButSList")->click(); }, "FormVirStrings"},
        {[&] { Child<QToolButton>(w, "SpButtonMem")->click(); }, "FormMem"},
        {[&] { Child<QToolButton>(w, "SpButtonSprav")->click(); }, "FormEdIzm"},
        {[&] { Child<QToolButton>(w, "SpButtonInsFunc")->click(); }, "FormFunc"},
        {[&] { Child<QToolButton>(w, "SpeedButton1")->click(); }, "FormAbout"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        f.opened.clear();
        c.run();
        ASSERT_EQ(f.opened.size(), 1u);
        EXPECT_EQ(f.opened[0], QString::fromUtf8(c.window));
    }
}

// The memory window opens flush with the main window's left edge, just above the input
// line: its lower edge lies over the main window within a title bar's height of the line,
// which stays in view.
TEST(MainCommands, MemoryWindowOpensJustAboveTheInputLine) {
    GuiFixture f;
    f.ShowFace();
    f.face().move(120, 300);
    f.face().SpButtonMemClick();
    ASSERT_EQ(f.opened, std::vector<QString>{QStringLiteral("FormMem")});
    const QRect memory = f.windows->memory->frameGeometry();
    const int inputTop = f.InputLine()->mapToGlobal(QPoint(0, 0)).y();
    EXPECT_EQ(memory.left(), f.face().frameGeometry().left());
    EXPECT_GT(memory.bottom(), f.face().frameGeometry().top());
    EXPECT_LT(memory.bottom(), inputTop);
    EXPECT_LT(inputTop - memory.bottom(), 40);
}

TEST(MainCommands, MenuShortcutsAsTheSystemGivesThem) {
    GuiFixture f;
    struct Case {
        const char* action;
        const char* shortcut;
    };
    const Case cases[] = {
        {"NFileLoad", "F3"},     {"NFileSave", "F2"},  {"NFileSaveAs", "Alt+F2"}, {"NFileClose", "Alt+F3"},
        {"NNastrOptions", "F4"}, {"NMemory", "F5"},    {"NVichStrings", "F7"},    {"NFileExit", "Alt+X"},
        {"NHelpFunc", "F8"},     {"NHelpEdIzm", "F6"}, {"NHelpHtml", "F1"},       {"NHelpAbout", "F9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortcut);
        EXPECT_EQ(Child<QAction>(f.face(), c.action)->shortcut().toString(), QString::fromLatin1(c.shortcut));
    }
}

TEST(MainCommands, SaveAsSaveOpenAndCloseThroughScriptedDialogs) {
    GuiFixture f;
    f.Compute(QStringLiteral("2+3"));
    const std::string first = f.Path(QStringLiteral("first.ini"));
    f.platform.QueueFile(first);
    f.face().NFileSaveAsClick();
    ASSERT_EQ(f.platform.fileDialogs().size(), 1u);
    EXPECT_EQ(f.platform.fileDialogs()[0].request.title, "Сохранить настройки Калькулятора");
    EXPECT_EQ(f.platform.fileDialogs()[0].request.defaultExtension, "ini");
    EXPECT_TRUE(f.ReadFile(QStringLiteral("first.ini")).contains("str-1=2+3//!5//!"));
    EXPECT_EQ(f.calculator->main.settingsFile.currentFile, first);

    f.platform.ClearRecords();
    f.face().NFileSaveClick();  // nothing changed since
    ASSERT_EQ(f.platform.MessageTexts().size(), 1u);
    EXPECT_NE(f.platform.MessageTexts()[0].find("уже сохранена"), std::string::npos);

    f.Compute(QStringLiteral("7*6"));
    f.face().NFileSaveClick();
    EXPECT_TRUE(f.ReadFile(QStringLiteral("first.ini")).contains("str-2=7*6//!42//!"));

    // Open it again with "Заменить": the history becomes the file's strings.
    f.platform.ClearRecords();
    f.platform.QueueFile(first);
    f.platform.QueueContinue(kAnswerReplace);
    f.face().NFileLoadClick();
    ASSERT_EQ(f.platform.questions().size(), 1u);
    EXPECT_EQ(f.platform.questions()[0].kind, QuestionKind::History);
    EXPECT_EQ(f.InputLine()->count(), 2);

    // Close with "По умолчанию": history and memory emptied, the information box shown.
    f.platform.ClearRecords();
    f.platform.QueueContinue(kAnswerDefaults);
    f.face().NFileCloseClick();
    EXPECT_EQ(f.InputLine()->count(), 0);
    EXPECT_TRUE(f.calculator->main.settingsFile.currentFile.empty());
    ASSERT_FALSE(f.platform.MessageTexts().empty());
    EXPECT_NE(f.platform.MessageTexts().back().find("по умолчанию"), std::string::npos);
}

TEST(MainCommands, OpenRestoresTheStoredNodeInTheTree) {
    GuiFixture f;
    f.SelectNode(QStringLiteral("Скорость жидкости"));
    const std::string file = f.Path(QStringLiteral("node.ini"));
    f.platform.QueueFile(file);
    f.face().NFileSaveAsClick();
    f.SelectNode(QStringLiteral("Гидравлика"));
    f.platform.QueueFile(file);
    f.face().NFileLoadClick();
    ASSERT_NE(Child<QTreeWidget>(f.face(), "TViewTip")->currentItem(), nullptr);
    EXPECT_EQ(Child<QTreeWidget>(f.face(), "TViewTip")->currentItem()->text(0),
              QStringLiteral("Скорость жидкости"));
    EXPECT_EQ(Child<CaptionPanel>(f.face(), "PanelPodsk")->text(),
              QStringLiteral("[Расход, м3/ч] [Диаметр трубопровода, мм]"));
    EXPECT_TRUE(Child<QToolButton>(f.face(), "SpButtonIncFunc")->isEnabled());
}

TEST(MainCommands, OpenOfAForeignFileKeepsEverything) {
    GuiFixture f;
    f.Compute(QStringLiteral("2+3"));
    f.WriteFile(QStringLiteral("foreign.ini"), "[Program]\r\nName=Other\r\n[General]\r\nCurrentType=26\r\n");
    f.platform.QueueFile(f.Path(QStringLiteral("foreign.ini")));
    f.face().NFileLoadClick();
    ASSERT_EQ(f.platform.messages().size(), 1u);
    EXPECT_EQ(f.platform.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(f.InputLine()->count(), 1);
    EXPECT_TRUE(f.calculator->main.settingsFile.currentFile.empty());
    EXPECT_EQ(f.ReadFile(QStringLiteral("foreign.ini")), QByteArray("[Program]\r\nName=Other\r\n[General]\r\nCurrentType=26\r\n"));
}

struct ExitCase {
    const char* name;
    bool askExit;
    MessageResult answer;
    bool closes;
};

const ExitCase kExits[] = {
    {"no question", false, MessageResult::Ok, true},
    {"question answered yes", true, MessageResult::Yes, true},
    {"question answered no", true, MessageResult::No, false},
    {"question closed", true, MessageResult::Closed, false},
};

TEST(MainExit, QuestionAndProgramIni) {
    for (const ExitCase& c : kExits) {
        SCOPED_TRACE(c.name);
        GuiFixture f;
        f.ShowFace();
        f.calculator->settings.askExit = c.askExit;
        f.calculator->settings.angleUnit = AngleUnit::Degrees;
        if (c.askExit) f.platform.QueueMessageResult(c.answer);
        Child<QAction>(f.face(), "NFileExit")->trigger();
        EXPECT_EQ(f.face().isVisible(), !c.closes);
        const QByteArray ini = f.ReadFile(QStringLiteral("Zul.ini"));
        if (c.closes) {
            EXPECT_TRUE(ini.contains("Name=ZUL (ver 1.4)"));
            EXPECT_TRUE(ini.contains("Radian=1"));
        } else {
            EXPECT_TRUE(ini.isEmpty());
        }
        if (c.askExit) {
            ASSERT_FALSE(f.platform.MessageTexts().empty());
            EXPECT_EQ(f.platform.MessageTexts()[0], "Закрыть программу ЗУЛ?");
        }
    }
}

TEST(MainExit, EscClosesOnlyWhenTheSettingsSaySo) {
    for (bool escExit : {false, true}) {
        SCOPED_TRACE(escExit);
        GuiFixture f;
        f.ShowFace();
        f.calculator->settings.escExit = escExit;
        QTest::keyClick(f.InputLine()->lineEdit(), Qt::Key_Escape);
        EXPECT_EQ(f.face().isVisible(), !escExit);
    }
}

TEST(MainStart, ProgramIniGivesTheStartValues) {
    struct Case {
        const char* name;
        const char* ini;  // "" for no file
        bool escExit;
        AngleUnit unit;
    };
    const Case cases[] = {
        {"missing", "", false, AngleUnit::Radians},
        {"foreign", "[Program]\r\nName=Something\r\n[General]\r\nEscExit=1\r\nRadian=2\r\n", false, AngleUnit::Radians},
        {"ours", "[Program]\r\nName=ZUL (ver 1.4)\r\n[General]\r\nEscExit=1\r\nRadian=2\r\n", true, AngleUnit::Grads},
        {"binary junk", "\x01\x02\xff\xfe[[[=\r\n", false, AngleUnit::Radians},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GuiFixture f(false);
        if (*c.ini) f.WriteFile(QStringLiteral("Zul.ini"), c.ini);
        f.Start();
        auto& options = *f.windows->options;
        options.RefreshFromModel();
        EXPECT_EQ(Child<QCheckBox>(options, "ChBoxEscExit")->isChecked(), c.escExit);
        EXPECT_EQ(Child<QRadioButton>(options, "RButtonGrad")->isChecked(), c.unit == AngleUnit::Grads);
        EXPECT_EQ(Child<QRadioButton>(options, "RButtonRad")->isChecked(), c.unit == AngleUnit::Radians);
    }
}

TEST(MainStart, AutoLoadAtTheFirstActivationOnly) {
    GuiFixture f(false);
    f.WriteFile(QStringLiteral("auto.ini"),
                "[Program]\r\nName=ZUL (ver 1.4)\r\n[UserStrings]\r\nCountStrings=1\r\nstr-1=1+1//!2//!\r\n");
    const QByteArray ini = "[Program]\r\nName=ZUL (ver 1.4)\r\n[AutoLoad]\r\nTrue=1\r\nFileName=" +
                           QByteArray::fromStdString(f.Path(QStringLiteral("auto.ini"))) + "\r\n";
    f.WriteFile(QStringLiteral("Zul.ini"), ini);
    f.Start();
    f.face().FormActivate();
    f.face().FormActivate();  // later activations load nothing
    EXPECT_EQ(f.InputLine()->count(), 1);
    EXPECT_EQ(f.calculator->main.settingsFile.currentFile, f.Path(QStringLiteral("auto.ini")));
    f.windows->options->RefreshFromModel();  // as its next showing does
    EXPECT_EQ(Child<QTableWidget>(*f.windows->options, "StrGridConst")->item(0, 0)->text(),
              QStringLiteral("auto.ini"));
}

TEST(MainHelp, OpensZulHtmThenZulHtml) {
    struct Case {
        std::vector<const char*> files;
        const char* opened;  // "" for nothing
    };
    const Case cases[] = {
        {{}, ""},
        {{"Zul.html"}, "Zul.html"},
        {{"Zul.htm", "Zul.html"}, "Zul.htm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opened);
        GuiFixture f(false);
        for (const char* name : c.files) f.WriteFile(QString::fromUtf8(name), "<html></html>");
        f.Start();
        f.face().BBtnHelpClick();
        if (*c.opened) {
            ASSERT_EQ(f.platform.openedWithDesktop().size(), 1u);
            EXPECT_EQ(f.platform.openedWithDesktop()[0], f.Path(QString::fromUtf8(c.opened)));
        } else {
            EXPECT_TRUE(f.platform.openedWithDesktop().empty());
        }
    }
}

// The hint handler runs for every status tip of the application: menu items that are
// pointed at and controls alike.
TEST(MainHints, BannerFollowsTheCurrentHint) {
    GuiFixture f;
    TFormFace& w = f.face();
    auto* menuBar = Child<QMenuBar>(w, "MenuCalc");
    auto* compute = Child<QPushButton>(w, "BBtnVichisl");
    auto* banner = Child<CaptionPanel>(w, "PanCloseProg");
    struct Case {
        std::function<void()> point;
        bool visible;
        const char* caption;
        QColor background;
    };
    const Case cases[] = {
        {[&] { Child<QAction>(w, "NFileExit")->showStatusText(menuBar); }, true, "Закрыть программу", Red()},
        {[&] {
             compute->setFocus();
             QStatusTipEvent tip(compute->statusTip());
             QApplication::sendEvent(compute, &tip);
         },
         false, "", QColor()},
        {[&] { Child<QAction>(w, "NHelpAbout")->showStatusText(menuBar); }, true,
         "Краткие сведения о Программе ЗУЛ", Yellow()},
        {[&] {
             QStatusTipEvent tip{QString()};
             QApplication::sendEvent(menuBar, &tip);
         },
         false, "", QColor()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        c.point();
        EXPECT_EQ(banner->isVisibleTo(&w), c.visible);
        if (c.visible) {
            EXPECT_EQ(banner->text(), QString::fromUtf8(c.caption));
            EXPECT_EQ(banner->panelColor(), c.background);
        }
    }
}

TEST(MainHints, PointingAtExitInTheOpenMenuShowsTheBanner) {
    GuiFixture f;
    f.ShowFace();
    TFormFace& w = f.face();
    auto* file = Child<QMenu>(w, "NFile");
    auto* banner = Child<CaptionPanel>(w, "PanCloseProg");
    Child<QMenuBar>(w, "MenuCalc")->setActiveAction(file->menuAction());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    file->setActiveAction(Child<QAction>(w, "NFileExit"));
    EXPECT_TRUE(banner->isVisibleTo(&w));
    EXPECT_EQ(banner->text(), QStringLiteral("Закрыть программу"));
    file->setActiveAction(Child<QAction>(w, "NFileLoad"));
    EXPECT_FALSE(banner->isVisibleTo(&w));
    file->setActiveAction(Child<QAction>(w, "NFileExit"));
    file->close();  // a closed menu leaves no hint behind
    EXPECT_FALSE(banner->isVisibleTo(&w));
}

// The hints of the expression lists window reach its own banner through the same handler.
TEST(MainHints, ListsWindowBanner) {
    GuiFixture f;
    QLabel* banner = Child<CaptionPanel>(*f.windows->lists, "PanCloseWin");
    struct Case {
        const char* hint;
        bool visible;
        const char* caption;
    };
    const Case cases[] = {
        {"Закрыть программу", false, ""},  // the main window's banner takes that one
        {"Вернуться в главное окно Калькулятора", true, "Вернуться в главное окно Калькулятора"},
        {"Списки строк для вычисления", false, ""},
        {"О Программе ", true, "Краткие сведения о Программе ЗУЛ"},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hint);
        QStatusTipEvent tip(QString::fromUtf8(c.hint));
        QApplication::sendEvent(f.windows->lists, &tip);
        EXPECT_EQ(banner->isVisibleTo(f.windows->lists), c.visible);
        if (c.visible) {
            EXPECT_EQ(banner->text(), QString::fromUtf8(c.caption));
        }
    }
}

}  // namespace
}  // namespace zul::test
