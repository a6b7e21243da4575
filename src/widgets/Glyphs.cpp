// Tool button glyphs painted with QPainter: a few strokes or letters in the button colours.
#include "widgets/Glyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zul {

namespace {

void Page(QPainter& p, const QColor& fill) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    p.drawRect(4, 2, 12, 16);
}

void Arrow(QPainter& p, const QColor& color) {
    QPainterPath path;
    path.moveTo(3, 10);
    path.lineTo(10, 4);
    path.lineTo(10, 8);
    path.lineTo(17, 8);
    path.lineTo(17, 12);
    path.lineTo(10, 12);
    path.lineTo(10, 16);
    path.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(color);
    p.drawPath(path);
}

void Paint(QPainter& p, Glyph glyph) {
    const QColor navy(0, 0, 128), maroon(128, 0, 0), green(0, 128, 0);
    switch (glyph) {
    case Glyph::Open:
    case Glyph::Folder:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(255, 220, 90));
        p.drawRect(2, 6, 16, 11);
        p.drawRect(2, 4, 7, 2);
        break;
    case Glyph::Save:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(navy);
        p.drawRect(2, 2, 16, 16);
        p.setBrush(Qt::white);
        p.drawRect(5, 3, 10, 6);
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(6, 12, 8, 5);
        break;
    case Glyph::CloseFile:
        Page(p, Qt::white);
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(6, 6, 14, 14);
        p.drawLine(14, 6, 6, 14);
        break;
    case Glyph::Options:
        Page(p, QColor(255, 255, 200));
        p.setPen(QPen(navy, 1));
        for (int y = 6; y <= 14; y += 4) p.drawLine(6, y, 14, y);
        break;
    case Glyph::Lists:
        Page(p, Qt::white);
        GlyphLetters(p, QStringLiteral("1\n2"), navy, 8);
        break;
    case Glyph::Memory: GlyphLetters(p, QStringLiteral("M"), maroon, 16); break;
    case Glyph::PreviousExpression: Arrow(p, QColor(0, 160, 255)); break;
    case Glyph::PreviousCalculation: Arrow(p, QColor(0, 200, 0)); break;
    case Glyph::InsertFormula: GlyphLetters(p, QStringLiteral("f="), navy, 14); break;
    case Glyph::Literature:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(maroon);
        p.drawRect(3, 3, 14, 14);
        p.setBrush(Qt::white);
        p.drawRect(6, 5, 8, 3);
        break;
    case Glyph::Reference: GlyphLetters(p, QStringLiteral("кг"), green, 13); break;
    case Glyph::Functions: GlyphLetters(p, QStringLiteral("f(x)"), navy, 10); break;
    case Glyph::About: GlyphLetters(p, QStringLiteral("?"), navy, 18); break;
    case Glyph::Compute: GlyphLetters(p, QStringLiteral("="), green, 20); break;
    case Glyph::Help: GlyphLetters(p, QStringLiteral("?"), green, 18); break;
    case Glyph::Exit:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(128, 128, 128));
        p.drawRect(4, 2, 10, 16);
        Arrow(p, QColor(255, 255, 0));
        break;
    case Glyph::Continue:
        p.setPen(QPen(green, 3));
        p.drawLine(3, 10, 8, 15);
        p.drawLine(8, 15, 17, 4);
        break;
    case Glyph::Abort:
        p.setPen(QPen(Qt::red, 3));
        p.drawLine(4, 4, 16, 16);
        p.drawLine(16, 4, 4, 16);
        break;
    }
}

}  // namespace

QIcon PaintedGlyph(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

void GlyphLetters(QPainter& p, const QString& text, const QColor& color, int pixels) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setPixelSize(pixels);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRect(0, 0, kGlyphSize, kGlyphSize), Qt::AlignCenter, text);
}

QIcon GlyphIcon(Glyph glyph) {
    return PaintedGlyph([glyph](QPainter& p) { Paint(p, glyph); });
}

}  // namespace zul
