// Qt implementation of the platform interface.
#include "widgets/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

#include <utility>

#include "widgets/FileDialogLook.h"
#include "widgets/QtText.h"

namespace zul {

namespace {

QString FromUtf8(std::string_view text) {
    QString s = ToQ(text);
    s.remove(QLatin1Char('\r'));
    return s;
}

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoAbort: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Abort;
    }
    return QMessageBox::Ok;
}

}  // namespace

QWidget* DialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

QString QtNameFilters(const std::string& filter) {
    const QStringList parts = FromUtf8(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses at the end of the text.
        if (!description.endsWith(QLatin1Char(')')))
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

MessageResult QtPlatform::ShowMessage(MessageKind kind, std::string_view text, MessageButtons buttons) {
    QMessageBox box(IconOf(kind), FromUtf8(kApplicationTitle), FromUtf8(text), ButtonsOf(buttons),
                    DialogParent());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    // The buttons speak the language of the rest of the program.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "Да"}, {QMessageBox::No, "Нет"}, {QMessageBox::Abort, "Прервать"}};
    for (const auto& [button, caption] : captions)
        if (QAbstractButton* b = box.button(button)) b->setText(QString::fromUtf8(caption));
    const int pressed = box.exec();
    switch (pressed) {
    case QMessageBox::Ok: return MessageResult::Ok;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    case QMessageBox::Abort: return MessageResult::Abort;
    default: return MessageResult::Closed;
    }
}

std::optional<std::string> QtPlatform::RunFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(DialogParent(), FromUtf8(request.title));
    dialog.setObjectName(save ? QStringLiteral("SaveNastr") : QStringLiteral("OpenNastr"));
    // The same dialog on every desktop, with the system's own titles and filters.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtNameFilters(request.filter));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("Сохранить") : QStringLiteral("Открыть"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    dialog.setDefaultSuffix(FromUtf8(request.defaultExtension));
    if (!request.initialFile.empty()) dialog.selectFile(FromUtf8(request.initialFile));
    DressFileDialog(dialog);
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtPlatform::OpenFileDialog(const FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<std::string> QtPlatform::SaveFileDialog(const FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

QuestionOutcome QtPlatform::ShowQuestion(const QuestionPrompt& prompt) {
    if (question_) return question_(prompt);
    return QuestionOutcome{};
}

bool QtPlatform::OpenWithDesktop(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtPlatform::SetBusyCursor(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
    }
}

}  // namespace zul
