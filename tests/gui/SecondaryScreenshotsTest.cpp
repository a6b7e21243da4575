// The secondary windows as a user sees them: every caption fits its control, and with
// ZUL_SCREENSHOT_DIR set (scripts/screenshots-secondary) each view is written there as a PNG.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "GuiTestSupport.h"
#include "widgets/Panels.h"
#include "insert/window/UIncFunc.h"
#include "lists/window/UVichStr.h"
#include "widgets/StringGrid.h"
#include "memory/window/UMemory.h"
#include "reference/window/UAboutC.h"
#include "reference/window/UEdIzm.h"
#include "reference/window/UFunc.h"

namespace zul::test {
namespace {

// The width a control needs for its caption (and its glyph).
int NeededWidth(const QWidget* w, const QString& text, bool withIcon) {
    int width = w->fontMetrics().horizontalAdvance(text);
    if (withIcon) width += 20 + 8;
    return width + 12;  // the frame and the margins of a button or a panel
}

// Every visible button and label of the window shows its whole caption.
void ExpectCaptionsFit(QWidget* window) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty()) continue;
        SCOPED_TRACE(ToStd(button->objectName() + QLatin1Char(' ') + button->text()));
        EXPECT_LE(NeededWidth(button, button->text(), !button->icon().isNull()), button->width());
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->wordWrap() || label->text().isEmpty()) continue;
        SCOPED_TRACE(ToStd(label->objectName() + QLatin1Char(' ') + label->text()));
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
    }
    for (QLineEdit* line : window->findChildren<QLineEdit*>()) {
        if (!line->isVisibleTo(window) || !line->isReadOnly() || line->parentWidget()->inherits("QComboBox"))
            continue;
        SCOPED_TRACE(ToStd(line->objectName() + QLatin1Char(' ') + line->text()));
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()) + 4, line->width());
    }
}

// Writes the window (and an open menu beside it) when the script asks for the pictures.
void Save(QWidget* window, const QString& name, QMenu* menu = nullptr) {
    const QString dir = qEnvironmentVariable("ZUL_SCREENSHOT_DIR");
    QPixmap shot = window->grab();
    EXPECT_FALSE(shot.isNull());
    if (menu != nullptr) {
        const QPixmap popup = menu->grab();
        const QPoint at =
            menu->mapTo(window, QPoint(0, 0)).x() > 0 ? menu->pos() - window->pos() : QPoint(0, 0);
        QPixmap both(std::max(shot.width(), at.x() + popup.width()),
                     std::max(shot.height(), at.y() + popup.height()));
        both.fill(Qt::white);
        QPainter p(&both);
        p.drawPixmap(0, 0, shot);
        p.drawPixmap(at, popup);
        p.end();
        shot = both;
    }
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    EXPECT_TRUE(shot.save(QDir(dir).filePath(name + QStringLiteral(".png")), "PNG")) << ToStd(name);
}

void Show(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

TEST(SecondaryScreenshots, Memory) {
    GuiFixture fx;
    for (const char* text : {"2+3*4", "sin(pi/6)+2^10", "2*pi*0.5", "1/3*3"})
        fx.Compute(QString::fromUtf8(text));
    fx.calculator->memory.AddOrUpdateLine(3, "//!//!скорость, м/с");
    auto& memory = *fx.windows->memory;
    Show(&memory);
    StringGrid* grid = Child<StringGrid>(memory, "StrGridChisl");
    grid->setCurrentIndex(grid->model()->index(1, 2));
    ExpectCaptionsFit(&memory);
    Save(&memory, QStringLiteral("memory"));
    memory.hide();
}

TEST(SecondaryScreenshots, Lists) {
    GuiFixture fx;
    auto& lists = *fx.windows->lists;
    StringGrid* grid = Child<StringGrid>(lists, "StrGridVir");
    const char* lines[][2] = {{"2+2", ""},
                              {"[1]*10", "в десять раз больше"},
                              {"sqrt(16)", "нет такой функции"},
                              {"[2]/3", ""},
                              {"(1+[4])^2", "квадрат"}};
    int row = 0;
    for (const auto& line : lines) {
        if (++row > lists.list().LineCount()) lists.BBtnIncClick();
        QAbstractItemModel* model = grid->model();
        model->setData(model->index(row - 1, kColumnExpression), QString::fromUtf8(line[0]));
        model->setData(model->index(row - 1, kColumnNote), QString::fromUtf8(line[1]));
    }
    lists.VichAllClick();
    grid->setCurrentIndex(grid->model()->index(1, kColumnExpression));
    fx.platform.QueueFile(fx.Path(QStringLiteral("расчет.sl")));
    lists.VirSaveAsClick();
    // The file field shows where a user keeps a list, not the test's temporary folder.
    lists.list().SetPath("/home/user/Проекты/отопление корпуса А.sl");
    lists.ShowList();
    grid->setCurrentIndex(grid->model()->index(2, kColumnExpression));
    lists.SpButOnClick();
    Show(&lists);
    ExpectCaptionsFit(&lists);
    Save(&lists, QStringLiteral("lists"));

    fx.face().ApplicationHint(QStringLiteral("Вернуться в главное окно Калькулятора"));
    Save(&lists, QStringLiteral("lists-banner"));
    fx.face().ApplicationHint(QString());

    Child<QMenuBar>(lists, "MainMenu")->setActiveAction(Child<QMenu>(lists, "NString")->menuAction());
    QApplication::processEvents();
    Child<QMenu>(lists, "NString")->setActiveAction(Child<QMenu>(lists, "NVich")->menuAction());
    Save(&lists, QStringLiteral("lists-string-menu"), Child<QMenu>(lists, "NString"));
    Child<QMenu>(lists, "NString")->hide();
    fx.platform.QueueMessageResult(MessageResult::No);
    lists.hide();
}

TEST(SecondaryScreenshots, InsertDialog) {
    struct DialogView {
        int code;
        const char* name;
        std::vector<const char*> values;
    };
    const DialogView views[] = {
        {1, "insert-formula", {"12.5", "80"}},
        {50012, "insert-formula-six-fields", {"0", "0", "0", "3", "4", "12"}},
        {5002, "insert-formula-groups", {"62 65 70"}},
    };
    for (const DialogView& v : views) {
        SCOPED_TRACE(v.name);
        GuiFixture fx;
        fx.calculator->main.topic.calculationCode = v.code;
        auto& dialog = *fx.windows->incFunc;
        dialog.SetModalRunner([&](QDialog* window) {
            auto& d = *static_cast<TFormIncFunc*>(window);
            Show(&d);
            for (std::size_t k = 0; k < v.values.size(); ++k) {
                InsertField(d, k + 1)->lineEdit()->clear();
                QTest::keyClicks(InsertField(d, k + 1)->lineEdit(), QString::fromUtf8(v.values[k]));
            }
            d.BBtnRezClick();
            InsertField(d, 1)->setFocus();
            QApplication::processEvents();
            ExpectCaptionsFit(&d);
            Save(&d, QString::fromUtf8(v.name));
            d.BBtnCanselClick();
        });
        fx.face().SpButtonVstFuncClick();
    }
}

TEST(SecondaryScreenshots, UnitReferencePages) {
    std::array<int, 3> position{7, 1, 1};
    TFormEdIzm w(position);
    Show(&w);
    const char* names[] = {"reference-force", "reference-pressure", "reference-energy",
                           "reference-power", "reference-heat",     "reference-constants"};
    for (int page = 0; page < 6; ++page) {
        SCOPED_TRACE(names[page]);
        Child<QTabWidget>(w, "PageConEdIzm")->setCurrentIndex(page);
        QApplication::processEvents();
        ExpectCaptionsFit(Child<QTabWidget>(w, "PageConEdIzm")->currentWidget());
        Save(&w, QString::fromUtf8(names[page]));
    }
    w.hide();
}

TEST(SecondaryScreenshots, FunctionListAndAbout) {
    TFormFunc func;
    Show(&func);
    func.Timer1Timer();
    ExpectCaptionsFit(&func);
    Save(&func, QStringLiteral("functions"));
    func.hide();

    TFormAbout about;
    Show(&about);
    ExpectCaptionsFit(&about);
    Save(&about, QStringLiteral("about"));
    about.hide();
}

}  // namespace
}  // namespace zul::test
