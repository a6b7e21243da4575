// Typesetting a formula tree with QPainter: fractions with a bar, radicals, superscripts,
// italic symbols with upright subscripts, brackets that grow with their contents.
#pragma once

#include <QPainter>
#include <QString>

#include <functional>

#include "MathFormula.h"

namespace zul::pictgen {

// A laid-out piece: its width, its height above and depth below the baseline, and how to
// paint it with the baseline starting at (x, y).
struct Box {
    double width = 0;
    double ascent = 0;
    double descent = 0;
    std::function<void(QPainter&, double x, double y)> paint;

    double height() const { return ascent + descent; }
};

struct MathStyle {
    double pixelSize = 16;  // size of the formula's main text
    int stackDepth = 2;     // fractions nested deeper than this are written with "/"
};

Box LayoutExpr(const Expr& e, const MathStyle& style);
// A symbol display name such as "ρ_в" or "Δt" on its own.
Box LayoutSymbol(const QString& name, double pixelSize);
// Plain upright text in the formula font, or in the sans font for notes.
Box LayoutText(const QString& text, double pixelSize, bool sans = false, bool bold = false);
// Boxes side by side on one baseline.
Box Row(const std::vector<Box>& boxes);

// "lhs = rhs": the result symbol, an equals sign and the formula.
Box LayoutEquation(const QString& lhs, const Expr& rhs, const MathStyle& style);

QFont FormulaFont(double pixelSize, bool italic = false);
QFont SansFont(double pixelSize, bool bold = false);

}  // namespace zul::pictgen
