// Rendering the calculation note: pages, ODF and the clipboard.
#include "report/window/ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>

#include "app/ReportHtml.h"
#include "widgets/QtText.h"

namespace zul {
namespace {

// The resolution of the PDF's coordinates; the text stays vector text at any zoom.
constexpr int kPdfResolution = 600;
// JPEG quality of the pictures in ODF text; the drawn pictures look the same at it.
constexpr int kOdfPictureQuality = 90;

QFont DocumentFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    return font;
}

}  // namespace

std::unique_ptr<QTextDocument> MakeReportDocument(const std::string& html) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(DocumentFont());
    document->setHtml(ToQ(html));
    return document;
}

QPageLayout ReportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 10, 15),
                       QPageLayout::Millimeter);
}

QString PageFooterText(int page, int pageCount) {
    return QStringLiteral("Страница %1 из %2").arg(page).arg(pageCount);
}

PaintResult PaintReportPages(QTextDocument& document, QPagedPaintDevice& device, const PageProgress& progress) {
    // Fonts and pictures are measured on the device, so that points are points on paper.
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    QFont footerFont = DocumentFont();
    footerFont.setPointSizeF(10);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const qreal width = device.width();
    const qreal footerHeight = footerMetrics.height() * 2;
    const qreal bodyHeight = device.height() - footerHeight;
    if (width <= 0 || bodyHeight <= 0) return PaintResult::Failed;
    document.setPageSize(QSizeF(width, bodyHeight));
    const int pageCount = document.pageCount();

    QPainter painter;
    if (!painter.begin(&device)) return PaintResult::Failed;
    for (int page = 0; page < pageCount; ++page) {
        if (progress && !progress(page + 1, pageCount)) {
            painter.end();
            return PaintResult::Cancelled;
        }
        if (page > 0 && !device.newPage()) {
            painter.end();
            return PaintResult::Failed;
        }
        painter.save();
        const QRectF clip(0, page * bodyHeight, width, bodyHeight);
        painter.translate(0, -clip.top());
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, bodyHeight, width, footerHeight), Qt::AlignHCenter | Qt::AlignBottom,
                         PageFooterText(page + 1, pageCount));
    }
    return painter.end() ? PaintResult::Painted : PaintResult::Failed;
}

PaintResult WriteReportPdf(QTextDocument& document, QIODevice& device, const PageProgress& progress) {
    QPdfWriter writer(&device);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(ReportPageLayout());
    writer.setTitle(ToQ(kReportTitle));
    writer.setCreator(QStringLiteral("ЗУЛ 1.4.3"));
    return PaintReportPages(document, writer, progress);
}

bool WriteReportOdf(QTextDocument& document, QIODevice& device) {
    // The ODF writer stores every occurrence of a picture anew, as PNG unless the picture
    // asks for JPEG: a note of many calculations would take seconds per hundred pictures.
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            format.setQuality(kOdfPictureQuality);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    QTextDocumentWriter writer(&device, QByteArrayLiteral("odf"));
    return writer.write(&document);
}

std::unique_ptr<QMimeData> MakeReportMimeData(const std::string& selfContainedHtml, const QTextDocument& document) {
    auto data = std::make_unique<QMimeData>();
    data->setHtml(ToQ(selfContainedHtml));
    // Pictures are objects of the document; plain text has no place for them.
    QString text = document.toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    data->setText(text);
    return data;
}

}  // namespace zul
