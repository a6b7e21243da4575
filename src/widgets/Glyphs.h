// The small pictures on the tool buttons and bit buttons, drawn at run time so that the
// program needs no image files of its own.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <functional>

class QPainter;

namespace zul {

enum class Glyph {
    Open, Save, CloseFile, Options, Lists, Memory, PreviousExpression, PreviousCalculation,
    InsertFormula, Literature, Reference, Functions, About, Compute, Help, Exit, Continue, Abort,
    Folder
};

QIcon GlyphIcon(Glyph glyph);

// The side of a glyph's square, in pixels.
constexpr int kGlyphSize = 20;

// An icon of a transparent glyph square that `paint` draws on (antialiased).
QIcon PaintedGlyph(const std::function<void(QPainter&)>& paint);

// Letters centred in the glyph square, bold "Times New Roman" of the given pixel height.
void GlyphLetters(QPainter& p, const QString& text, const QColor& color, int pixels);

}  // namespace zul
