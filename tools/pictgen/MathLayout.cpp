// Boxes for each kind of formula node; sizes follow the usual proportions of printed
// mathematics (scripts at 70 %, the fraction bar on the math axis).
#include "MathLayout.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zul::pictgen {

QFont FormulaFont(double pixelSize, bool italic) {
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(std::max(6, static_cast<int>(std::lround(pixelSize))));
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont SansFont(double pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(6, static_cast<int>(std::lround(pixelSize))));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

namespace {

Box TextWithFont(const QString& text, const QFont& font) {
    const QFontMetricsF m(font);
    Box b;
    b.width = m.horizontalAdvance(text);
    b.ascent = m.ascent() * 0.86;  // the cap height region; keeps stacked lines close
    b.descent = m.descent() * 0.8;
    b.paint = [text, font](QPainter& p, double x, double y) {
        p.setFont(font);
        p.drawText(QPointF(x, y), text);
    };
    return b;
}

Box Space(double w) {
    Box b;
    b.width = w;
    b.paint = [](QPainter&, double, double) {};
    return b;
}

bool IsGreekOrLatinLetter(QChar c) {
    const ushort u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= 0x03B1 && u <= 0x03C9);
}

// Brackets drawn from the font's glyph, stretched to the height of what they enclose.
Box Bracketed(const Box& inner, double px, QChar open = '(', QChar close = ')') {
    const QFont font = FormulaFont(px);
    const QFontMetricsF m(font);
    const double glyphH = m.ascent() + m.descent();
    const double needH = inner.height() + px * 0.15;
    const double scale = std::max(1.0, needH / (glyphH * 0.92));
    const double wOpen = m.horizontalAdvance(open) * (scale > 1.6 ? 1.15 : 1.0);
    const double wClose = m.horizontalAdvance(close) * (scale > 1.6 ? 1.15 : 1.0);
    Box b;
    b.width = wOpen + inner.width + wClose;
    const double mid = (inner.ascent - inner.descent) / 2;  // the enclosed box's middle over the baseline
    const double half = std::max(glyphH * scale, needH) / 2;
    b.ascent = std::max(inner.ascent, mid + half * 0.95);
    b.descent = std::max(inner.descent, half * 0.95 - mid);
    auto glyph = [font, m, scale, mid](QPainter& p, double x, double y, QChar c) {
        p.save();
        // The glyph's own middle sits about 0.3 em above its baseline.
        const double glyphMid = (m.ascent() - m.descent()) / 2;
        p.translate(x, y - mid);
        p.scale(1.0, scale);
        p.setFont(font);
        p.drawText(QPointF(0, glyphMid), QString(c));
        p.restore();
    };
    b.paint = [inner, wOpen, glyph, open, close](QPainter& p, double x, double y) {
        glyph(p, x, y, open);
        inner.paint(p, x + wOpen, y);
        glyph(p, x + wOpen + inner.width, y, close);
    };
    return b;
}

Box Superscript(const Box& base, const Box& script, double px) {
    const double raise = std::max(base.ascent * 0.62, px * 0.42);
    Box b;
    b.width = base.width + script.width + px * 0.05;
    b.ascent = std::max(base.ascent, raise + script.ascent);
    b.descent = std::max(base.descent, script.descent - raise);
    b.paint = [base, script, raise, px](QPainter& p, double x, double y) {
        base.paint(p, x, y);
        script.paint(p, x + base.width + px * 0.05, y - raise);
    };
    return b;
}

Box Fraction(const Box& num, const Box& den, double px) {
    const double axis = px * 0.3;
    const double gap = std::max(1.5, px * 0.12);
    const double rule = std::max(1.0, px / 15.0);
    const double pad = px * 0.12;
    Box b;
    b.width = std::max(num.width, den.width) + 2 * pad;
    b.ascent = axis + rule / 2 + gap + num.height();
    b.descent = -axis + rule / 2 + gap + den.height();
    b.paint = [num, den, axis, gap, rule, pad, w = b.width](QPainter& p, double x, double y) {
        const double barY = y - axis;
        num.paint(p, x + (w - num.width) / 2, barY - rule / 2 - gap - num.descent);
        den.paint(p, x + (w - den.width) / 2, barY + rule / 2 + gap + den.ascent);
        p.fillRect(QRectF(x + pad * 0.3, barY - rule / 2, w - pad * 0.6, rule), p.pen().color());
    };
    return b;
}

Box Radical(const Box& inner, int index, double px) {
    const double gap = std::max(1.5, px * 0.12);
    const double rule = std::max(1.0, px / 15.0);
    const double hook = px * 0.62;
    Box idx;
    if (index != 2) idx = TextWithFont(QString::number(index), FormulaFont(px * 0.55));
    const double lead = std::max(0.0, idx.width - hook * 0.45);
    Box b;
    b.width = lead + hook + inner.width + px * 0.12;
    b.ascent = inner.ascent + gap + rule;
    b.descent = inner.descent + px * 0.06;
    b.paint = [inner, idx, lead, hook, gap, rule, px, top = b.ascent, bottom = b.descent, index](QPainter& p, double x, double y) {
        const double x0 = x + lead;
        const double yTop = y - top + rule / 2;
        const double yBottom = y + bottom;
        const double h = yBottom - yTop;
        QPen pen(p.pen().color(), rule);
        pen.setJoinStyle(Qt::MiterJoin);
        p.save();
        p.setPen(pen);
        QPainterPath path;
        path.moveTo(x0, yBottom - h * 0.42);
        path.lineTo(x0 + hook * 0.22, yBottom - h * 0.5);
        path.lineTo(x0 + hook * 0.5, yBottom);
        path.lineTo(x0 + hook * 0.95, yTop);
        path.lineTo(x0 + hook + inner.width + px * 0.08, yTop);
        p.drawPath(path);
        p.restore();
        if (index != 2) idx.paint(p, x0 + hook * 0.3 - idx.width, yBottom - h * 0.55);
        inner.paint(p, x0 + hook, y);
        (void)gap;
    };
    return b;
}

// True for what needs no brackets as a factor or as the base of a power.
bool IsAtom(const Expr& e) {
    return e.kind == Expr::Kind::Number || e.kind == Expr::Kind::Symbol || e.kind == Expr::Kind::Function ||
           e.kind == Expr::Kind::Root || e.kind == Expr::Kind::Factorial;
}

Box LayoutInner(const Expr& e, const MathStyle& style, int depth);

Box Wrapped(const Expr& e, const MathStyle& style, int depth, bool wrap) {
    Box inner = LayoutInner(e, style, depth);
    return wrap ? Bracketed(inner, style.pixelSize) : inner;
}

Box Operator(const QString& op, double px, double side) {
    Box t = TextWithFont(op, FormulaFont(px));
    Box b = Row({Space(px * side), t, Space(px * side)});
    return b;
}

// Factors side by side: no dot after a plain number ("2πR", "4(a+b)"), a centred dot
// between everything else.
Box FactorRow(const std::vector<Expr>& factors, const MathStyle& style, int depth) {
    std::vector<Box> parts;
    for (std::size_t i = 0; i < factors.size(); ++i) {
        const Expr& f = factors[i];
        // A lone sum needs no brackets: over a fraction bar or as the whole of a line.
        const bool several = factors.size() > 1;
        const bool wrap = (f.kind == Expr::Kind::Sum && several) || (f.kind == Expr::Kind::Negate && i > 0) ||
                          (f.kind == Expr::Kind::Product && several);
        if (i > 0) {
            const Expr& prev = factors[i - 1];
            const bool afterNumber = prev.kind == Expr::Kind::Number && f.kind != Expr::Kind::Number &&
                                     !(f.kind == Expr::Kind::Power && f.a[0].kind == Expr::Kind::Number) &&
                                     !(f.kind == Expr::Kind::Root && f.rootIndex != 2);
            if (afterNumber)
                parts.push_back(Space(style.pixelSize * 0.06));
            else
                parts.push_back(Operator(QStringLiteral("·"), style.pixelSize, 0.04));
        }
        parts.push_back(Wrapped(f, style, depth, wrap));
    }
    return Row(parts);
}

Box LayoutProduct(const Expr& e, const MathStyle& style, int depth) {
    if (e.b.empty()) return FactorRow(e.a, style, depth);
    if (depth < style.stackDepth) {
        MathStyle inner = style;
        if (depth >= 1) inner.pixelSize = style.pixelSize * 0.86;
        const Box num = FactorRow(e.a, inner, depth + 1);
        const Box den = FactorRow(e.b, inner, depth + 1);
        return Fraction(num, den, style.pixelSize);
    }
    const bool wrapNum = e.a.size() > 1 || e.a[0].kind == Expr::Kind::Sum;
    const bool wrapDen = e.b.size() > 1 || e.b[0].kind == Expr::Kind::Sum || e.b[0].kind == Expr::Kind::Negate ||
                         e.b[0].kind == Expr::Kind::Product;
    Box num = FactorRow(e.a, style, depth);
    if (wrapNum) num = Bracketed(num, style.pixelSize);
    Box den = FactorRow(e.b, style, depth);
    if (wrapDen) den = Bracketed(den, style.pixelSize);
    return Row({num, Operator(QStringLiteral("/"), style.pixelSize, 0.02), den});
}

Box LayoutSum(const Expr& e, const MathStyle& style, int depth) {
    std::vector<Box> parts;
    for (std::size_t i = 0; i < e.a.size(); ++i) {
        if (e.minus[i])
            parts.push_back(Operator(QString(QChar(0x2212)), style.pixelSize, i == 0 ? 0.0 : 0.18));
        else if (i > 0)
            parts.push_back(Operator(QStringLiteral("+"), style.pixelSize, 0.18));
        parts.push_back(Wrapped(e.a[i], style, depth, e.a[i].kind == Expr::Kind::Negate));
    }
    return Row(parts);
}

Box LayoutPower(const Expr& e, const MathStyle& style, int depth) {
    const Expr& base = e.a[0];
    Box baseBox = Wrapped(base, style, depth, !IsAtom(base) || base.kind == Expr::Kind::Factorial);
    MathStyle small = style;
    small.pixelSize = style.pixelSize * 0.7;
    small.stackDepth = 0;  // exponents are written on one line
    return Superscript(baseBox, LayoutInner(e.a[1], small, depth), style.pixelSize);
}

Box LayoutInner(const Expr& e, const MathStyle& style, int depth) {
    const double px = style.pixelSize;
    switch (e.kind) {
        case Expr::Kind::Number:
            return TextWithFont(QString::fromStdString(e.text), FormulaFont(px));
        case Expr::Kind::Symbol:
            return LayoutSymbol(QString::fromStdString(e.text), px);
        case Expr::Kind::Sum:
            return LayoutSum(e, style, depth);
        case Expr::Kind::Product:
            return LayoutProduct(e, style, depth);
        case Expr::Kind::Power:
            return LayoutPower(e, style, depth);
        case Expr::Kind::Root:
            return Radical(LayoutInner(e.a[0], style, depth), e.rootIndex, px);
        case Expr::Kind::Function: {
            const Box name = TextWithFont(QString::fromStdString(e.text), FormulaFont(px));
            return Row({name, Space(px * 0.08), Bracketed(LayoutInner(e.a[0], style, depth), px)});
        }
        case Expr::Kind::Factorial: {
            const bool wrap = !(e.a[0].kind == Expr::Kind::Number || e.a[0].kind == Expr::Kind::Symbol);
            return Row({Wrapped(e.a[0], style, depth, wrap), TextWithFont(QStringLiteral("!"), FormulaFont(px))});
        }
        case Expr::Kind::Negate: {
            const bool wrap = e.a[0].kind == Expr::Kind::Sum;
            return Row({TextWithFont(QString(QChar(0x2212)), FormulaFont(px)), Wrapped(e.a[0], style, depth, wrap)});
        }
        case Expr::Kind::BigSum: {
            Box sigma = TextWithFont(QString(QChar(0x03A3)), FormulaFont(px * 1.35));
            return Row({sigma, Space(px * 0.12), LayoutInner(e.a[0], style, depth)});
        }
    }
    return Space(0);
}

}  // namespace

Box LayoutText(const QString& text, double pixelSize, bool sans, bool bold) {
    return TextWithFont(text, sans ? SansFont(pixelSize, bold) : FormulaFont(pixelSize));
}

Box Row(const std::vector<Box>& boxes) {
    Box b;
    for (const Box& x : boxes) {
        b.width += x.width;
        b.ascent = std::max(b.ascent, x.ascent);
        b.descent = std::max(b.descent, x.descent);
    }
    b.paint = [boxes](QPainter& p, double x, double y) {
        for (const Box& part : boxes) {
            part.paint(p, x, y);
            x += part.width;
        }
    };
    return b;
}

Box LayoutSymbol(const QString& name, double px) {
    const int underscore = name.indexOf('_');
    const QString base = underscore < 0 ? name : name.left(underscore);
    const QString sub = underscore < 0 ? QString() : name.mid(underscore + 1);
    // Letters italic, everything else (Δ, digits, primes) upright.
    std::vector<Box> parts;
    QString run;
    bool runItalic = false;
    auto flush = [&] {
        if (run.isEmpty()) return;
        parts.push_back(TextWithFont(run, FormulaFont(px, runItalic)));
        if (runItalic) parts.push_back(Space(px * 0.04));
        run.clear();
    };
    for (QChar c : base) {
        const bool italic = IsGreekOrLatinLetter(c) && c != QChar(0x03C0);  // π stays upright
        if (italic != runItalic) flush();
        runItalic = italic;
        run += c;
    }
    flush();
    Box b = Row(parts);
    if (sub.isEmpty()) return b;
    const Box s = TextWithFont(sub, FormulaFont(px * 0.68));
    const double drop = px * 0.22;
    Box out;
    out.width = b.width + s.width;
    out.ascent = b.ascent;
    out.descent = std::max(b.descent, s.descent + drop);
    out.paint = [b, s, drop](QPainter& p, double x, double y) {
        b.paint(p, x, y);
        s.paint(p, x + b.width, y + drop);
    };
    return out;
}

Box LayoutExpr(const Expr& e, const MathStyle& style) { return LayoutInner(e, style, 0); }

Box LayoutEquation(const QString& lhs, const Expr& rhs, const MathStyle& style) {
    return Row({LayoutSymbol(lhs, style.pixelSize), Operator(QStringLiteral("="), style.pixelSize, 0.25),
                LayoutExpr(rhs, style)});
}

}  // namespace zul::pictgen
