// The calculation note as a QTextDocument and what is made of it: pages for a PDF file or a
// printer (A4, margins, the page number at the foot of each page), ODF text and the
// clipboard's rich and plain text.
#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QIODevice;
class QMimeData;
class QPagedPaintDevice;
class QTextDocument;

namespace zul {

// The document of the core's HTML; the pictures are loaded from the files it names.
std::unique_ptr<QTextDocument> MakeReportDocument(const std::string& html);

// A4 portrait with the margins of a design document: 20 mm at the binding edge, 10 mm on
// the right, 15 mm at the top and the bottom.
QPageLayout ReportPageLayout();

// "Страница 2 из 7".
QString PageFooterText(int page, int pageCount);

// Called before each page is painted (page from 1); false stops the painting.
using PageProgress = std::function<bool(int page, int pageCount)>;

enum class PaintResult { Painted, Cancelled, Failed };

// Lays the document out on the device's pages and paints them one by one, each with its
// footer. The device keeps its own page layout (a printer's, as the user chose it).
PaintResult PaintReportPages(QTextDocument& document, QPagedPaintDevice& device, const PageProgress& progress);

// The document as a PDF file (fonts embedded) into the device, with the report page layout.
PaintResult WriteReportPdf(QTextDocument& document, QIODevice& device, const PageProgress& progress);

// The document as ODF text; false when the writer failed.
bool WriteReportOdf(QTextDocument& document, QIODevice& device);

// What "copy" puts on the clipboard: the self-contained HTML for word processors and the
// document's plain text.
std::unique_ptr<QMimeData> MakeReportMimeData(const std::string& selfContainedHtml, const QTextDocument& document);

}  // namespace zul
