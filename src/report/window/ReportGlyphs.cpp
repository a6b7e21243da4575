// Export glyphs: a page with the letters of its format, a printer, two pages for a copy.
#include "report/window/ReportGlyphs.h"

#include <QPainter>

#include "widgets/Glyphs.h"

namespace zul {
namespace {

void Sheet(QPainter& p, int x, int y) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(x, y, 12, 15);
}

// A page with the format's letters across it on a coloured band.
void FormatPage(QPainter& p, const QString& letters, const QColor& band) {
    Sheet(p, 4, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(1, 8, 18, 7);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(7);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(1, 8, 18, 7), Qt::AlignCenter, letters);
}

void Paint(QPainter& p, ReportGlyph glyph) {
    switch (glyph) {
        case ReportGlyph::Pdf: FormatPage(p, QStringLiteral("PDF"), QColor(192, 0, 0)); break;
        case ReportGlyph::Odf: FormatPage(p, QStringLiteral("ODT"), QColor(0, 0, 160)); break;
        case ReportGlyph::Html: FormatPage(p, QStringLiteral("HTM"), QColor(0, 128, 0)); break;
        case ReportGlyph::Print:
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawRect(6, 2, 8, 7);
            p.setBrush(QColor(160, 160, 160));
            p.drawRect(2, 8, 16, 7);
            p.setBrush(Qt::white);
            p.drawRect(6, 13, 8, 5);
            break;
        case ReportGlyph::Copy:
            Sheet(p, 2, 1);
            Sheet(p, 6, 4);
            break;
    }
}

}  // namespace

QIcon ReportGlyphIcon(ReportGlyph glyph) {
    return PaintedGlyph([glyph](QPainter& p) { Paint(p, glyph); });
}

}  // namespace zul
