// TFormZapiska: the exports of the document. A file that cannot be written is reported
// before the document is rendered; the rendered bytes go through a temporary file that
// replaces the target only when it is complete (SaveFileBytes), so a failure leaves
// nothing half-written.
#include "report/window/UZapiska.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QTextDocument>

#include "app/Calculator.h"
#include "platform/Platform.h"
#include "app/ReportFile.h"
#include "app/ReportHtml.h"
#include "app/ReportPictures.h"
#include "widgets/QtText.h"
#include "report/window/ReportDocument.h"
#include "settings/IniFile.h"

namespace zul {

namespace {

// The busy cursor while an export works.
class BusyScope {
public:
    explicit BusyScope(Platform& platform) : platform_(platform) { platform_.SetBusyCursor(true); }
    ~BusyScope() { platform_.SetBusyCursor(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Platform& platform_;
};

// A document this long takes a second or more to lay out, before the first page is painted.
constexpr std::size_t kLongDocumentEntries = 200;

// The progress of a long export, page by page, with a button that stops it.
class PageProgressDialog {
public:
    PageProgressDialog(QWidget* parent, const QString& title, std::size_t entries)
        : dialog_(QStringLiteral("Разметка страниц..."), QStringLiteral("Отмена"), 0, 0, parent) {
        dialog_.setObjectName(QStringLiteral("ProgBarZap"));
        dialog_.setWindowTitle(title);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(300);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
        if (entries >= kLongDocumentEntries) {  // shown at once: the layout gives no news
            dialog_.show();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }

    PageProgress Callback() {
        return [this](int page, int pageCount) {
            dialog_.setMaximum(pageCount);
            dialog_.setLabelText(QStringLiteral("Страница %1 из %2").arg(page).arg(pageCount));
            dialog_.setValue(page - 1);  // a modal progress dialog lets its button be pressed here
            return !dialog_.wasCanceled();
        };
    }

private:
    QProgressDialog dialog_;
};

}  // namespace

std::string TFormZapiska::DocumentHtml() const {
    const SessionReport& report = calc_.report;
    return BuildReportHtml(report.heading, report.journal.Entries(),
                           MakePictureResolver(report.picturesFolder, PictureEmbedding::FileUrl));
}

std::optional<std::string> TFormZapiska::AskFileName(const char* title, const char* filter, const char* extension,
                                                     const char* initialName) {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultExtension = extension;
    request.initialFile = initialName;
    return platform_.SaveFileDialog(request);
}

void TFormZapiska::ShowWriteError(const std::string& path, const QString& reason) {
    platform_.ShowError("Не удалось сохранить расчётную записку в файле:\n" + path + "\n" + ToStd(reason));
}

bool TFormZapiska::CheckWritable(const std::string& path) {
    std::string error;
    if (CanWriteFileAt(path, error)) return true;
    ShowWriteError(path, ToQ(error));
    return false;
}

void TFormZapiska::SaveBytes(const std::string& path, std::string_view bytes) {
    const IniSaveResult saved = SaveFileBytes(path, bytes);
    if (!saved.ok) ShowWriteError(path, ToQ(saved.error));
}

void TFormZapiska::NExportPdfClick() {
    const std::optional<std::string> path = AskFileName("Сохранить расчётную записку в PDF",
                                                        "Документы PDF (*.pdf)|*.pdf|Все файлы (*.*)|*.*", "pdf",
                                                        "Расчётная записка.pdf");
    if (!path || !CheckWritable(*path)) return;
    BusyScope busy(platform_);
    const std::unique_ptr<QTextDocument> document = MakeReportDocument(DocumentHtml());
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    PageProgressDialog progress(this, QStringLiteral("Сохранение в PDF"), calc_.report.journal.Size());
    const PaintResult painted = WriteReportPdf(*document, pdf, progress.Callback());
    if (painted == PaintResult::Failed) ShowWriteError(*path, QStringLiteral("страницы не построены"));
    if (painted != PaintResult::Painted) return;
    SaveBytes(*path, std::string_view(pdf.data().constData(), static_cast<std::size_t>(pdf.data().size())));
}

void TFormZapiska::NPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayout());
    printer.setDocName(ToQ(kReportTitle));
    const bool accepted = print_ ? print_(printer) : [&] {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("Печать расчётной записки"));
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!accepted) return;
    BusyScope busy(platform_);
    const std::unique_ptr<QTextDocument> document = MakeReportDocument(DocumentHtml());
    PageProgressDialog progress(this, QStringLiteral("Печать"), calc_.report.journal.Size());
    if (PaintReportPages(*document, printer, progress.Callback()) == PaintResult::Failed)
        platform_.ShowError("Не удалось напечатать расчётную записку.");
}

void TFormZapiska::NExportOdfClick() {
    const std::optional<std::string> path =
        AskFileName("Сохранить расчётную записку в ODF",
                    "Текст ODF (*.odt)|*.odt|Все файлы (*.*)|*.*", "odt", "Расчётная записка.odt");
    if (!path || !CheckWritable(*path)) return;
    BusyScope busy(platform_);
    const std::unique_ptr<QTextDocument> document = MakeReportDocument(DocumentHtml());
    QBuffer odf;
    odf.open(QIODevice::WriteOnly);
    if (!WriteReportOdf(*document, odf)) {
        ShowWriteError(*path, QStringLiteral("документ ODF не построен"));
        return;
    }
    SaveBytes(*path, std::string_view(odf.data().constData(), static_cast<std::size_t>(odf.data().size())));
}

void TFormZapiska::NExportHtmlClick() {
    const std::optional<std::string> path =
        AskFileName("Сохранить расчётную записку в HTML",
                    "Страницы HTML (*.html)|*.html|Все файлы (*.*)|*.*", "html", "Расчётная записка.html");
    if (!path || !CheckWritable(*path)) return;
    const SessionReport& report = calc_.report;
    SaveBytes(*path, SelfContainedReportHtml(report.heading, report.journal.Entries(), report.picturesFolder));
}

void TFormZapiska::NCopyClick() {
    const SessionReport& report = calc_.report;
    const std::unique_ptr<QTextDocument> document = MakeReportDocument(DocumentHtml());
    std::unique_ptr<QMimeData> data = MakeReportMimeData(
        SelfContainedReportHtml(report.heading, report.journal.Entries(), report.picturesFolder), *document);
    QApplication::clipboard()->setMimeData(data.release());
    platform_.ShowInformation("Расчётная записка скопирована в буфер обмена.");
}

}  // namespace zul
