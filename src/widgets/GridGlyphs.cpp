// Row command glyphs painted with QPainter.
#include "widgets/GridGlyphs.h"

#include <QPainter>
#include <QPainterPath>

#include "widgets/Glyphs.h"

namespace zul {

namespace {

void Triangle(QPainter& p, bool up, const QColor& color) {
    QPainterPath path;
    if (up) {
        path.moveTo(10, 3);
        path.lineTo(17, 15);
        path.lineTo(3, 15);
    } else {
        path.moveTo(3, 5);
        path.lineTo(17, 5);
        path.lineTo(10, 17);
    }
    path.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(color);
    p.drawPath(path);
}

void Line(QPainter& p, const QColor& fill) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    p.drawRect(2, 6, 16, 8);
}

void Paint(QPainter& p, GridGlyph glyph) {
    const QColor navy(0, 0, 128), green(0, 128, 0);
    switch (glyph) {
        case GridGlyph::Add:
            GlyphLetters(p, QStringLiteral("+"), green, 20);
            break;
        case GridGlyph::Delete:
            GlyphLetters(p, QStringLiteral("−"), Qt::red, 20);
            break;
        case GridGlyph::Copy:
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(Qt::white);
            p.drawRect(2, 2, 11, 12);
            p.drawRect(7, 6, 11, 12);
            break;
        case GridGlyph::Clear:
            Line(p, Qt::white);
            p.setPen(QPen(Qt::red, 2));
            p.drawLine(4, 3, 16, 17);
            p.drawLine(16, 3, 4, 17);
            break;
        case GridGlyph::Up:
            Triangle(p, true, QColor(0, 160, 255));
            break;
        case GridGlyph::Down:
            Triangle(p, false, QColor(0, 160, 255));
            break;
        case GridGlyph::LineOff:
            Line(p, QColor(0, 200, 0));
            p.setPen(QPen(Qt::red, 2));
            p.drawLine(3, 17, 17, 3);
            break;
        case GridGlyph::LineOn:
            Line(p, QColor(192, 192, 192));
            p.setPen(QPen(green, 3));
            p.drawLine(4, 10, 8, 15);
            p.drawLine(8, 15, 16, 4);
            break;
        case GridGlyph::ComputeLine:
            GlyphLetters(p, QStringLiteral("="), green, 20);
            break;
        case GridGlyph::ComputeAll:
            GlyphLetters(p, QStringLiteral("Σ"), green, 18);
            break;
        case GridGlyph::Insert:
            GlyphLetters(p, QStringLiteral("↵"), navy, 18);
            break;
    }
}

}  // namespace

QIcon GridGlyphIcon(GridGlyph glyph) {
    return PaintedGlyph([glyph](QPainter& p) { Paint(p, glyph); });
}

}  // namespace zul
