// The insert-formula dialog TFormIncFunc: substitution, preview by Enter, insert, the close
// box and "Выход", empty fields, arithmetic faults, the geometry of its fields, the yellow
// caption cue, and the literature shown by a click on its free area.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "GuiTestSupport.h"
#include "widgets/Panels.h"
#include "insert/window/UIncFunc.h"
#include "insert/ShowLiterature.h"
#include "settings/IniEncoding.h"

namespace zul::test {
namespace {

TFormIncFunc& Dialog(GuiFixture& fx) { return *fx.windows->incFunc; }

// The dialog is shown without a modal loop; the script plays the user, and whatever is
// still open afterwards is closed with the close box.
void Script(TFormIncFunc& dialog, std::function<void(TFormIncFunc&)> user) {
    dialog.SetModalRunner([user](QDialog* window) {
        window->show();
        user(*static_cast<TFormIncFunc*>(window));
        if (window->isVisible()) window->close();
    });
}

void Type(TFormIncFunc& d, int field, const char* text) {
    QLineEdit* line = InsertField(d, field)->lineEdit();
    line->clear();
    QTest::keyClicks(line, QString::fromUtf8(text));
}

void SelectCode(GuiFixture& fx, int code) {
    fx.calculator->main.topic.calculationCode = code;
    fx.calculator->main.topic.timeSumMode = code == 50301;
}

TEST(InsertDialog, InsertReplacesTheInputLineWithTheSubstitutedFormula) {
    GuiFixture fx;
    SelectCode(fx, 1);
    fx.InputLine()->setEditText(QStringLiteral("что-то"));
    bool visibleDuringScript = false;
    Script(Dialog(fx), [&](TFormIncFunc& d) {
        EXPECT_EQ(ToStd(Child<CaptionPanel>(d, "PanNameRas")->text()),
                  "Скорость перемещения жидкости по трубопроводу,  м/с");
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadFunc")->text()), "X1/(3600*pi*((X2/1000)^2)/4)");
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadRez")->text()), "=");
        EXPECT_EQ(ToStd(InsertCaption(d, 2)->text()), "Диаметр трубопровода, мм");
        EXPECT_FALSE(InsertField(d, 3)->isVisible());
        Type(d, 1, "10");
        Type(d, 2, "50");
        Child<QPushButton>(d, "BBtnIncF")->click();
        visibleDuringScript = d.isVisible();
    });
    fx.face().SpButtonVstFuncClick();
    EXPECT_FALSE(visibleDuringScript);
    EXPECT_EQ(ToStd(fx.InputText()), "10/(3600*pi*((50/1000)^2)/4)");
}

TEST(InsertDialog, EnterPreviewsAndTheValueListsRememberNewestFirst) {
    GuiFixture fx;
    SelectCode(fx, 4030);  // (X1-X2)/ln(X1/X2)
    Script(Dialog(fx), [&](TFormIncFunc& d) {
        Type(d, 1, "20");
        Type(d, 2, "2+");
        QTest::keyClick(InsertField(d, 2)->lineEdit(), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());  // Enter previews, it does not insert
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadFunc")->text()), "(20-(2+))/ln(20/(2+))");
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadRez")->text()), "= Error");
        Type(d, 2, "10");
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadRez")->text()), "=");  // any change resets the result line
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadFunc")->text()), "(20-(2+))/ln(20/(2+))");
        QTest::keyClick(Child<QPushButton>(d, "BBtnRez"), Qt::Key_Return);
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadRez")->text()), "= 14.42695040889");
        Type(d, 1, "40");
        Child<QPushButton>(d, "BBtnRez")->click();
        Type(d, 1, "20");
        Child<QPushButton>(d, "BBtnRez")->click();
        QStringList items;
        for (int i = 0; i < InsertField(d, 1)->count(); ++i) items << InsertField(d, 1)->itemText(i);
        EXPECT_EQ(items, (QStringList{QStringLiteral("40"), QStringLiteral("20")}));
    });
    fx.face().SpButtonVstFuncClick();
    EXPECT_EQ(ToStd(fx.InputText()), "");  // closed with the close box: nothing inserted
    ASSERT_FALSE(fx.calculator->main.recent.Items().empty());
    EXPECT_NE(fx.calculator->main.recent.Items().front().find("#14.42695040889"), std::string::npos);
}

struct LeaveCase {
    const char* name;
    std::function<void(TFormIncFunc&)> leave;
};

TEST(InsertDialog, LeavingWithoutInsertInsertsNothing) {
    const LeaveCase cases[] = {
        {"Выход", [](TFormIncFunc& d) { Child<QPushButton>(d, "BBtnCansel")->click(); }},
        {"close box after a preview",
         [](TFormIncFunc& d) {
             Child<QPushButton>(d, "BBtnRez")->click();
             d.close();
         }},
        {"Escape does not close",
         [](TFormIncFunc& d) {
             QTest::keyClick(InsertField(d, 1)->lineEdit(), Qt::Key_Escape);
             EXPECT_TRUE(d.isVisible());
         }},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        GuiFixture fx;
        SelectCode(fx, 1);
        fx.InputLine()->setEditText(QStringLiteral("2+2"));
        Script(Dialog(fx), [&](TFormIncFunc& d) {
            Type(d, 1, "1");
            Type(d, 2, "2");
            c.leave(d);
        });
        fx.face().SpButtonVstFuncClick();
        EXPECT_EQ(ToStd(fx.InputText()), "2+2");
    }
}

TEST(InsertDialog, AnEmptyFieldKeepsTheDialogOpenWithItsFocus) {
    GuiFixture fx;
    SelectCode(fx, 1);
    Script(Dialog(fx), [&](TFormIncFunc& d) {
        Type(d, 1, "10");
        Child<QPushButton>(d, "BBtnIncF")->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), InsertField(d, 2));
        EXPECT_TRUE(fx.platform.messages().empty());
    });
    fx.face().SpButtonVstFuncClick();
    EXPECT_EQ(ToStd(fx.InputText()), "");
}

TEST(InsertDialog, AnArithmeticFaultEndsTheInsertWithItsMessage) {
    GuiFixture fx;
    SelectCode(fx, 1);
    Script(Dialog(fx), [&](TFormIncFunc& d) {
        Type(d, 1, "ln(0)");
        Type(d, 2, "50");
        Child<QPushButton>(d, "BBtnIncF")->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadRez")->text()), "= Error");
        Child<QPushButton>(d, "BBtnCansel")->click();
    });
    fx.face().SpButtonVstFuncClick();
    EXPECT_EQ(fx.platform.MessageTexts(), std::vector<std::string>{"Floating point division by zero"});
    EXPECT_EQ(ToStd(fx.InputText()), "");
}

TEST(InsertDialog, TimeSumFieldsStartWithTheEmptyTime) {
    GuiFixture fx;
    SelectCode(fx, 50301);
    Script(Dialog(fx), [&](TFormIncFunc& d) {
        EXPECT_EQ(ToStd(InsertField(d, 1)->currentText()), "[00:00:00]");
        EXPECT_EQ(ToStd(InsertField(d, 2)->currentText()), "[00:00:00]");
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadFunc")->text()),
                  "Расчет имеет несколько формул или формула слишком сложная...");
        Type(d, 1, "[01:30:00]");
        Type(d, 2, "[00:45:30] [-00:00:30]");
        Child<QPushButton>(d, "BBtnRez")->click();
        EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadRez")->text()), "= [02:15:00]");
        Child<QPushButton>(d, "BBtnIncF")->click();
    });
    fx.face().SpButtonVstFuncClick();
    EXPECT_EQ(ToStd(fx.InputText()), "[01:30:00] [00:45:30] [-00:00:30]");
}

TEST(InsertDialog, CalculationsWithoutATemplateInsertArgumentGroups) {
    struct GroupCase {
        int code;
        std::vector<const char*> values;
        const char* preview;
        const char* inserted;
    };
    const GroupCase cases[] = {
        {50026, {"3", "4", "5"}, "= 6", "[3] [4] [5]"},
        {5002, {"62 65 70"}, "= 71.687087117758", "[62] [65] [70]"},
        {50026, {"1", "2", "3"}, "= Error", "[1] [2] [3]"},  // rejected, inserted all the same
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.inserted);
        GuiFixture fx;
        SelectCode(fx, c.code);
        Script(Dialog(fx), [&](TFormIncFunc& d) {
            for (std::size_t k = 0; k < c.values.size(); ++k) Type(d, static_cast<int>(k + 1), c.values[k]);
            Child<QPushButton>(d, "BBtnRez")->click();
            EXPECT_EQ(ToStd(Child<QLineEdit>(d, "ReadRez")->text()), c.preview);
            Child<QPushButton>(d, "BBtnIncF")->click();
        });
        fx.face().SpButtonVstFuncClick();
        EXPECT_EQ(ToStd(fx.InputText()), c.inserted);
    }
}

TEST(InsertDialog, GeometryFollowsTheNumberOfFields) {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const int d = static_cast<long long>(screen.width()) * screen.height() > 480000 ? 6 : 0;
    struct GeometryCase {
        int code;
        int fields;
    };
    for (const GeometryCase c : {GeometryCase{4030, 2}, GeometryCase{7051, 1}, GeometryCase{50012, 6}}) {
        SCOPED_TRACE(c.code);
        GuiFixture fx;
        SelectCode(fx, c.code);
        Script(Dialog(fx), [&](TFormIncFunc& w) {
            for (int k = 1; k <= 6; ++k) EXPECT_EQ(InsertField(w, k)->isVisible(), k <= c.fields);
            const QRect exit = Child<QPushButton>(w, "BBtnCansel")->geometry();
            if (c.fields == 1) {
                EXPECT_EQ(exit.top(), Child<QPushButton>(w, "BBtnIncF")->geometry().top() + 32 + d);
                EXPECT_EQ(Child<QFrame>(w, "PanLine2")->geometry().top(), exit.top() + 32 + d);
            } else {
                const QRect last = InsertField(w, c.fields)->geometry();
                EXPECT_EQ(exit.bottom(), last.bottom());
                EXPECT_EQ(Child<QFrame>(w, "PanLine2")->geometry().top(), last.top() + 40);
            }
            EXPECT_GT(w.height(), Child<QFrame>(w, "PanLine2")->geometry().bottom());
            EXPECT_EQ(w.width(), 532);
            EXPECT_GE(exit.top(), Child<QPushButton>(w, "BBtnIncF")->geometry().bottom());  // no overlap
            const int outer = Child<QFrame>(w, "PanLine2")->geometry().top() + 41;
            EXPECT_EQ(w.y(), static_cast<int>(std::lrint((screen.height() - outer) / 2.0)));
            Child<QPushButton>(w, "BBtnCansel")->click();
        });
        fx.face().SpButtonVstFuncClick();
    }
}

TEST(InsertDialog, FocusedFieldsCaptionTurnsYellow) {
    GuiFixture fx;
    SelectCode(fx, 1);
    Script(Dialog(fx), [&](TFormIncFunc& d) {
        QApplication::setActiveWindow(&d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        InsertField(d, 1)->setFocus();
        EXPECT_EQ(InsertCaption(d, 1)->panelColor(), Yellow());
        InsertCaption(d, 2)->clicked();  // a click on a caption focuses its field
        EXPECT_EQ(d.focusWidget(), InsertField(d, 2));
        EXPECT_EQ(InsertCaption(d, 2)->panelColor(), Yellow());
        EXPECT_EQ(InsertCaption(d, 1)->panelColor(), ButtonFace());
    });
    fx.face().SpButtonVstFuncClick();
}

TEST(InsertDialog, PopupItemWithoutACalculationAsksForOne) {
    GuiFixture fx;
    fx.face().PMIncRasClick();
    EXPECT_EQ(fx.platform.MessageTexts(), std::vector<std::string>{"Выберите тип расчета (формулу)..."});
    EXPECT_TRUE(fx.opened.empty());
}

std::string Windows1251(const std::string& utf8) {
    std::string out;
    EXPECT_TRUE(Utf8ToWindows1251(utf8, out));
    return out;
}

struct LiteratureCase {
    const char* name;
    std::string fileBytes;  // empty: no file
    int code;
    const char* shown;  // nullptr: nothing shown
    MessageKind kind;
};

const std::string kLitUtf8 =
    "[Program]\nName=ZUL (ver 1.4)\n[LitPoints]\nLP-1=3:12-15/7:/\nLP-0=Общий список литературы\n"
    "[Literature]\nLit-03=Справочник проектировщика\nLit-07=Внутренние санитарно-технические устройства\n";

TEST(Literature, MessageBoxesOfTheReferences) {
    const LiteratureCase cases[] = {
        {"utf-8 file, references", kLitUtf8, 1,
         "Справочник проектировщика\n(12-15)\n\nВнутренние санитарно-технические устройства\n\n",
         MessageKind::Information},
        {"windows-1251 file", Windows1251(kLitUtf8), 1,
         "Справочник проектировщика\n(12-15)\n\nВнутренние санитарно-технические устройства\n\n",
         MessageKind::Information},
        {"code without its own list", kLitUtf8, 1001, "Общий список литературы", MessageKind::Information},
        {"missing source", "[Program]\nName=ZUL\n[LitPoints]\nLP-5=9:1/\n", 5,
         "\nОшибка чтения файла\n\nZul.lit\n\nили нет данных...\n\n(1)\n", MessageKind::Information},
        {"broken lines and an unended list",
         "[Program]\r\nName=ZUL\r\ngarbage without "
         "equals\r\n[LitPoints\r\nLP-2=3:4\r\n[Literature]\r\nLit-03=Книга\r\n",
         2, nullptr, MessageKind::Information},
        {"not a literature file", "[Program]\nName=XZUL\n", 1,
         "Этот файл не является файлом со ссылками на используемую литературу для программы ЗУЛ.",
         MessageKind::Error},
        {"no file", "", 1, nullptr, MessageKind::Information},
    };
    for (const LiteratureCase& c : cases) {
        SCOPED_TRACE(c.name);
        GuiFixture fx;
        if (!c.fileBytes.empty())
            fx.WriteFile(QStringLiteral("Zul.lit"), QByteArray::fromStdString(c.fileBytes));
        ShowLiterature(fx.platform, fx.calculator->main.startDirectory, c.code);
        if (c.shown == nullptr) {
            // Nothing to show, or whatever the reader made of a broken file: never a hang.
            EXPECT_LE(fx.platform.messages().size(), 1u);
            continue;
        }
        ASSERT_EQ(fx.platform.messages().size(), 1u);
        EXPECT_EQ(fx.platform.messages()[0].text, c.shown);
        EXPECT_EQ(fx.platform.messages()[0].kind, c.kind);
    }
}

TEST(Literature, AClickOnTheDialogsFreeAreaShowsIt) {
    GuiFixture fx;
    fx.WriteFile(QStringLiteral("Zul.lit"), QByteArray::fromStdString(kLitUtf8));
    SelectCode(fx, 1);
    TFormIncFunc dialog(*fx.calculator, fx.platform);  // with its own literature command
    Script(dialog, [&](TFormIncFunc& d) {
        QTest::mouseClick(InsertCaption(d, 1), Qt::LeftButton);  // a caption is no free area
        EXPECT_TRUE(fx.platform.messages().empty());
        QTest::mouseClick(&d, Qt::LeftButton, {}, QPoint(396, 100));
    });
    std::string title;
    TMasDatStr record;
    ASSERT_TRUE(MakeSetupRecord(1, SettingsTexts{}, title, record));
    dialog.RunDialog(title, record);
    ASSERT_EQ(fx.platform.messages().size(), 1u);
    EXPECT_EQ(fx.platform.messages()[0].text.rfind("Справочник проектировщика\n(12-15)", 0), 0u);
}

TEST(Literature, EveryEntryPointShowsTheSameReferences) {
    GuiFixture fx(false);
    fx.WriteFile(QStringLiteral("Zul.lit"), QByteArray::fromStdString(kLitUtf8));
    fx.Start();
    fx.SelectNode(QStringLiteral("Скорость жидкости"));
    ASSERT_EQ(fx.calculator->main.topic.calculationCode, 1);
    TFormFace& face = fx.face();
    const std::pair<const char*, std::function<void()>> entries[] = {
        {"toolbar button", [&] { Child<QToolButton>(face, "SpButtonliterature")->click(); }},
        {"menu item", [&] { Child<QAction>(face, "NVstLiter")->trigger(); }},
        {"popup item", [&] { Child<QAction>(face, "PMLiter")->trigger(); }},
        {"free area of the insert dialog", [&] { Dialog(fx).FormClick(); }},
    };
    for (const auto& [name, run] : entries) {
        SCOPED_TRACE(name);
        fx.platform.ClearRecords();
        run();
        ASSERT_EQ(fx.platform.messages().size(), 1u);
        EXPECT_EQ(fx.platform.messages()[0].text,
                  "Справочник проектировщика\n(12-15)\n\nВнутренние санитарно-технические устройства\n\n");
    }
}

}  // namespace
}  // namespace zul::test
