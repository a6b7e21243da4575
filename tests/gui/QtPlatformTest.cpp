// The Qt platform: message boxes captioned "Калькулятор" with the kind's icon and buttons,
// the file dialogs with their titles, filters and default extension, and the question
// dialog. Each modal dialog is answered from the event loop it runs.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeView>

#include <functional>

#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "widgets/QtPlatform.h"
#include "reference/window/Vopr.h"

namespace zul::test {
namespace {

// Runs `answer` with the modal window once the dialog about to be shown is up.
void AnswerNextModal(std::function<void(QWidget*)> answer) {
    QMetaObject::invokeMethod(
        qApp, [answer] { answer(QApplication::activeModalWidget()); }, Qt::QueuedConnection);
}

TEST(QtPlatformFilters, EachPairBecomesOneNameFilter) {
    struct Case {
        const char* filter;
        const char* qt;
    };
    const Case cases[] = {
        {"Настройки (*.ini)|*.ini|Все файлы (*.*)|*.*", "Настройки (*.ini);;Все файлы (*.*)"},
        {"Списки|*.sl", "Списки (*.sl)"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(QtNameFilters(c.filter), QString::fromUtf8(c.qt));
    }
}

struct MessageCase {
    MessageKind kind;
    MessageButtons buttons;
    QMessageBox::StandardButton press;  // NoButton: closed with Esc
    QMessageBox::Icon icon;
    MessageResult result;
    const char* caption;  // of the button pressed
};

const MessageCase kMessages[] = {
    {MessageKind::Error, MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Critical, MessageResult::Ok, "OK"},
    {MessageKind::Warning, MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Warning, MessageResult::Ok, "OK"},
    {MessageKind::Information, MessageButtons::Ok, QMessageBox::Ok, QMessageBox::Information, MessageResult::Ok, "OK"},
    {MessageKind::Confirmation, MessageButtons::YesNo, QMessageBox::Yes, QMessageBox::Question, MessageResult::Yes, "Да"},
    {MessageKind::Confirmation, MessageButtons::YesNo, QMessageBox::No, QMessageBox::Question, MessageResult::No, "Нет"},
    {MessageKind::Confirmation, MessageButtons::YesNoAbort, QMessageBox::Abort, QMessageBox::Question,
     MessageResult::Abort, "Прервать"},
};

TEST(QtPlatformMessages, CaptionIconButtonsAndAnswer) {
    for (const MessageCase& c : kMessages) {
        SCOPED_TRACE(static_cast<int>(c.result));
        QtPlatform platform;
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        QString pressedCaption;
        AnswerNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttonCount = static_cast<int>(box->buttons().size());
            pressedCaption = box->button(c.press)->text();
            box->button(c.press)->click();
        });
        const MessageResult result = platform.ShowMessage(c.kind, "Строка 1\r\nСтрока 2", c.buttons);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(caption, QStringLiteral("Калькулятор"));
        EXPECT_EQ(text, QStringLiteral("Строка 1\nСтрока 2"));
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(pressedCaption, QString::fromUtf8(c.caption));
        EXPECT_EQ(buttonCount, c.buttons == MessageButtons::Ok ? 1 : c.buttons == MessageButtons::YesNo ? 2 : 3);
    }
}

TEST(QtPlatformDialogs, SaveDialogTitleFiltersAndDefaultExtension) {
    GuiFixture f;
    QtPlatform platform;
    QString title, suffix;
    QStringList filters;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        dialog->selectFile(QString::fromStdString(f.Path(QStringLiteral("chosen"))));
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept checks the name
    });
    const auto chosen = platform.SaveFileDialog(
        {"Сохранить настройки Калькулятора", "Настройки (*.ini)|*.ini|Все файлы (*.*)|*.*", "ini", {}});
    EXPECT_EQ(title, QStringLiteral("Сохранить настройки Калькулятора"));
    EXPECT_EQ(filters, QStringList({QStringLiteral("Настройки (*.ini)"), QStringLiteral("Все файлы (*.*)")}));
    EXPECT_EQ(suffix, QStringLiteral("ini"));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, f.Path(QStringLiteral("chosen.ini")));  // a name without extension gets "ini"
}

TEST(QtPlatformDialogs, CancelledOpenDialogGivesNothing) {
    QtPlatform platform;
    AnswerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(platform.OpenFileDialog({"Открыть настройки Калькулятора", "Настройки (*.ini)|*.ini", "ini", {}}));
}

// A text of Qt's own that the user reads: Cyrillic, and no Latin word left over (a menu
// item's key, "Ctrl+X" after the tab, is a key's name).
void ExpectRussian(const QString& shown) {
    const QString text = shown.section(QLatin1Char('\t'), 0, 0);
    SCOPED_TRACE(ToStd(shown));
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("[А-Яа-яЁё]"))));
    EXPECT_FALSE(text.contains(latinWord));
}

// With Qt's Russian catalogue installed (the program installs it at start, as the tests do),
// the file dialog's columns, buttons and folder type and the input line's context menu are
// Russian, and the columns of the details view are not cut.
TEST(QtTranslations, FileDialogAndContextMenuSpeakRussian) {
    const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
    if (!QFile::exists(catalogue)) GTEST_SKIP() << "Qt's translations are not installed";
    GuiFixture f;
    QDir(f.dir.path()).mkdir(QStringLiteral("Проекты"));
    f.WriteFile(QStringLiteral("отопление.sl"), "[Program]\r\n");
    QtPlatform platform;
    QStringList texts;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(f.dir.path());
        auto* details = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(details, nullptr);
        const QDeadlineTimer deadline(5000);  // the folder is read in the background
        while (details->model()->rowCount(details->rootIndex()) < 2 && !deadline.hasExpired()) QTest::qWait(10);
        ASSERT_EQ(details->model()->rowCount(details->rootIndex()), 2);
        const QAbstractItemModel* model = details->model();
        for (int column = 0; column < 4; ++column) {
            texts << model->headerData(column, Qt::Horizontal).toString();
            if (column == 0) continue;
            EXPECT_GE(details->columnWidth(column), details->header()->sectionSizeHint(column)) << column;
            for (int row = 0; row < 2; ++row) {
                const QModelIndex cell = model->index(row, column, details->rootIndex());
                const QString text = cell.data().toString();
                if (column != 3 && !text.isEmpty()) texts << text;
                EXPECT_LE(details->fontMetrics().horizontalAdvance(text), details->visualRect(cell).width())
                    << ToStd(text);
            }
        }
        for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons()) texts << button->text();
        dialog->reject();
    });
    platform.OpenFileDialog({"Открытие списка вычислений", "Списки вычислений (*.sl)|*.sl", "sl", {}});
    std::unique_ptr<QMenu> menu(f.InputLine()->lineEdit()->createStandardContextMenu());
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) texts << action->text();
    ASSERT_GE(texts.size(), 12);
    for (const QString& text : texts) ExpectRussian(text);
}

TEST(QtPlatformDialogs, QuestionGoesThroughTheQuestionWindow) {
    QtPlatform platform;
    TVopros question;
    platform.SetQuestionWindow([&question](const QuestionPrompt& prompt) { return question.Run(prompt); });
    QuestionDialog model;
    AnswerNextModal([&](QWidget* modal) {
        ASSERT_EQ(modal, &question);
        Child<QRadioButton>(question, "RButtonNo")->click();
        Child<QPushButton>(question, "BBtnContin")->click();
    });
    EXPECT_EQ(model.Ask(platform, QuestionKind::History), kAnswerKeep);
}

TEST(QtPlatformBusy, NestedBusyCursorIsRestoredOnce) {
    QtPlatform platform;
    BusyCursor busy(platform);
    busy.Begin();
    busy.Begin();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    busy.End();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    busy.End();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    busy.End();  // one End too many does not take away a cursor someone else set
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace zul::test
