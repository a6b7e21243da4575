// The Qt platform: message boxes captioned "Калькулятор" with the kind's icon and buttons,
// the file dialogs with their titles, filters and default extension, and the question
// dialog. Each modal dialog is answered from the event loop it runs.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "app/window/QtPlatform.h"
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

TEST(QtPlatformDialogs, QuestionGoesThroughTheQuestionWindow) {
    QtPlatform platform;
    TVopros question;
    platform.SetQuestionWindow(&question);
    QuestionDialog model;
    AnswerNextModal([&](QWidget* modal) {
        ASSERT_EQ(modal, &question);
        question.RButtonNo->click();
        question.BBtnContin->click();
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
