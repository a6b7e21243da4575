// The drawings, each designed on a 100 × 70 canvas that is scaled into its rectangle.
#include "Drawings.h"

#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

#include "MathLayout.h"

namespace zul::pictgen {
namespace {

const QColor kInk(32, 44, 64);
const QColor kWater(58, 123, 213);
const QColor kWaterLight(205, 226, 255);
const QColor kAir(150, 176, 199);
const QColor kAirLight(226, 235, 243);
const QColor kMetal(138, 143, 150);
const QColor kMetalLight(214, 218, 224);
const QColor kHeat(217, 56, 44);
const QColor kInsulation(242, 210, 122);
const QColor kGreen(46, 140, 80);

class Canvas {
public:
    Canvas(QPainter& p, const QRectF& area, QStringList labels) : p_(p), labels_(std::move(labels)) {
        s_ = std::min(area.width() / 100.0, area.height() / 70.0);
        o_ = QPointF(area.center().x() - 50 * s_, area.center().y() - 35 * s_);
        labelPx_ = std::clamp(s_ * 10.5, 10.0, 14.0);
    }
    QPointF P(double x, double y) const { return o_ + QPointF(x * s_, y * s_); }
    QRectF R(double x, double y, double w, double h) const { return QRectF(P(x, y), QSizeF(w * s_, h * s_)); }
    double S(double v) const { return v * s_; }

    void Pen(const QColor& c, double w) { p_.setPen(QPen(c, std::max(1.0, S(w)), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); }
    void NoPen() { p_.setPen(Qt::NoPen); }
    void Brush(const QColor& c) { p_.setBrush(c); }
    void NoBrush() { p_.setBrush(Qt::NoBrush); }

    void Line(double x1, double y1, double x2, double y2) { p_.drawLine(P(x1, y1), P(x2, y2)); }
    void Rect(double x, double y, double w, double h) { p_.drawRect(R(x, y, w, h)); }
    void Ellipse(double cx, double cy, double rx, double ry) { p_.drawEllipse(P(cx, cy), S(rx), S(ry)); }
    void Poly(std::initializer_list<QPointF> pts) {
        QPolygonF poly;
        for (const QPointF& q : pts) poly << P(q.x(), q.y());
        p_.drawPolygon(poly);
    }
    void PolyLine(std::initializer_list<QPointF> pts) {
        QPolygonF poly;
        for (const QPointF& q : pts) poly << P(q.x(), q.y());
        p_.drawPolyline(poly);
    }
    // A line with a filled head at its end.
    void Arrow(double x1, double y1, double x2, double y2, const QColor& c, double w = 1.4) {
        Pen(c, w);
        const QPointF a = P(x1, y1), b = P(x2, y2);
        const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (len < 1) return;
        const QPointF u((b.x() - a.x()) / len, (b.y() - a.y()) / len);
        const double head = std::max(5.0, S(4.0));
        const QPointF base = b - u * head;
        p_.drawLine(a, base);
        const QPointF n(-u.y(), u.x());
        p_.setBrush(c);
        p_.setPen(Qt::NoPen);
        p_.drawPolygon(QPolygonF() << b << base + n * head * 0.45 << base - n * head * 0.45);
    }
    // A dimension line with heads at both ends.
    void Dimension(double x1, double y1, double x2, double y2) {
        Arrow((x1 + x2) / 2, (y1 + y2) / 2, x1, y1, kInk, 0.7);
        Arrow((x1 + x2) / 2, (y1 + y2) / 2, x2, y2, kInk, 0.7);
    }
    // Label i of the drawing, centred on (x, y); nothing when the label is empty.
    void Label(int i, double x, double y, const QColor& c = kInk) {
        if (i >= labels_.size() || labels_[i].isEmpty()) return;
        const Box b = LayoutSymbol(labels_[i], labelPx_);
        const QPointF at = P(x, y);
        // A pale patch keeps the label readable over the drawing.
        p_.save();
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(255, 255, 255, 200));
        p_.drawRoundedRect(QRectF(at.x() - b.width / 2 - 1.5, at.y() - b.ascent / 2 - b.ascent * 0.55,
                                  b.width + 3, b.height() + 2),
                           2, 2);
        p_.setPen(c);
        b.paint(p_, at.x() - b.width / 2, at.y() + b.ascent / 2);
        p_.restore();
    }
    bool HasLabel(int i) const { return i < labels_.size() && !labels_[i].isEmpty(); }
    QPainter& painter() { return p_; }

private:
    QPainter& p_;
    QStringList labels_;
    double s_ = 1;
    QPointF o_;
    double labelPx_ = 11;
};

// A horizontal pipe seen from the side, cut open to show the flow.
void PipeBody(Canvas& c, const QColor& fluid, const QColor& fluidLight, double y0 = 22, double h = 26) {
    c.NoPen();
    c.Brush(fluidLight);
    c.Rect(12, y0, 76, h);
    c.Pen(kInk, 1.6);
    c.Line(12, y0, 88, y0);
    c.Line(12, y0 + h, 88, y0 + h);
    c.Pen(kInk, 1.0);
    c.NoBrush();
    c.Ellipse(12, y0 + h / 2, 3.5, h / 2);
    c.Brush(fluidLight);
    c.Ellipse(88, y0 + h / 2, 3.5, h / 2);
    for (int i = 0; i < 3; ++i) c.Arrow(28 + i * 16, y0 + h / 2 - 5 + i % 2 * 8, 40 + i * 16, y0 + h / 2 - 5 + i % 2 * 8, fluid, 1.2);
}

void DrawPipe(Canvas& c, bool air) {
    PipeBody(c, air ? kAir.darker(130) : kWater, air ? kAirLight : kWaterLight);
    c.Dimension(92.5, 22, 92.5, 48);
    c.Label(0, 97, 35);
    c.Arrow(34, 58, 62, 58, kInk, 1.2);
    c.Label(1, 48, 64);
    c.Label(2, 22, 13);
    if (c.HasLabel(3)) {
        c.Arrow(62, 20, 70, 6, kHeat, 1.4);
        c.Arrow(74, 20, 82, 6, kHeat, 1.4);
        c.Label(3, 90, 8, kHeat);
    }
}

void DrawPipeLength(Canvas& c) {
    PipeBody(c, kWater, kWaterLight, 30, 20);
    for (double x : {22.0, 78.0}) {
        c.Pen(kInk, 1.0);
        c.Line(x, 30, x, 16);
        c.Brush(Qt::white);
        c.Ellipse(x, 11, 6, 6);
        c.Pen(kHeat, 1.0);
        c.Line(x, 11, x + 3, 8);
    }
    c.Dimension(22, 58, 78, 58);
    c.Label(0, 50, 64);
    c.Label(1, 95, 40);
    c.Label(2, 50, 40);
    c.Label(3, 50, 10);
}

void DrawOrifice(Canvas& c) {
    PipeBody(c, kWater, kWaterLight);
    c.NoPen();
    c.Brush(kMetal);
    c.Rect(48, 20, 4, 10);
    c.Rect(48, 40, 4, 10);
    c.Dimension(56, 30, 56, 40);
    c.Label(0, 64, 35);
    c.Label(1, 24, 13);
}

void DrawDuctRect(Canvas& c) {
    c.Pen(kInk, 1.4);
    c.Brush(kAirLight);
    c.Poly({{20, 22}, {62, 22}, {82, 10}, {40, 10}});
    c.Brush(kAirLight.darker(108));
    c.Poly({{62, 22}, {82, 10}, {82, 40}, {62, 52}});
    c.Brush(QColor(235, 241, 247));
    c.Rect(20, 22, 42, 30);
    c.Arrow(30, 37, 52, 37, kAir.darker(140), 1.3);
    c.Dimension(20, 58, 62, 58);
    c.Label(0, 41, 64);
    c.Dimension(14, 22, 14, 52);
    c.Label(1, 8, 37);
    c.Label(2, 41, 30);
}

void DrawPipeRing(Canvas& c, bool insulated) {
    const double cx = 45, cy = 35;
    if (insulated) {
        c.Pen(kInk, 1.0);
        c.Brush(kInsulation);
        c.Ellipse(cx, cy, 30, 30);
    }
    c.Pen(kInk, 1.2);
    c.Brush(kMetal);
    c.Ellipse(cx, cy, 22, 22);
    c.Brush(Qt::white);
    c.Ellipse(cx, cy, 17, 17);
    c.Dimension(cx - 22, cy, cx + 22, cy);
    c.Label(0, cx, cy - 6);
    c.Label(1, cx + 28, cy + 26);
    c.Pen(kInk, 0.6);
    if (c.HasLabel(1)) c.Line(cx + 14, cy + 14, cx + 24, cy + 22);
    if (c.HasLabel(2)) {
        c.Label(2, cx + 38, cy - 24);
        c.Line(cx + 21, cy - 21, cx + 33, cy - 22);
    }
}

void DrawDuctRing(Canvas& c, bool insulated) {
    if (insulated) {
        c.Pen(kInk, 1.0);
        c.Brush(kInsulation);
        c.Rect(14, 6, 62, 58);
    }
    c.Pen(kInk, 1.2);
    c.Brush(kMetal);
    c.Rect(20, 12, 50, 46);
    c.Brush(Qt::white);
    c.Rect(23, 15, 44, 40);
    c.Dimension(23, 35, 67, 35);
    c.Label(0, 45, 29);
    c.Dimension(33, 15, 33, 55);
    c.Label(1, 38, 46);
    c.Label(2, 84, 58);
    c.Pen(kInk, 0.6);
    if (c.HasLabel(2)) c.Line(69, 56, 80, 58);
    if (c.HasLabel(3)) {
        c.Label(3, 88, 10);
        c.Line(73, 9, 83, 10);
    }
}

void DrawThermometer(Canvas& c, double x = 50, double top = 6, double h = 50) {
    c.Pen(kInk, 1.2);
    c.Brush(Qt::white);
    c.painter().drawRoundedRect(c.R(x - 5, top, 10, h), c.S(5), c.S(5));
    c.Brush(kHeat);
    c.Ellipse(x, top + h + 4, 8, 8);
    c.NoPen();
    c.Rect(x - 2.2, top + h * 0.35, 4.4, h * 0.7);
    c.Pen(kInk, 0.6);
    for (int i = 0; i < 6; ++i) c.Line(x + 5, top + 6 + i * 7, x + 9, top + 6 + i * 7);
    c.Label(0, x + 20, top + 14);
}

void DrawFan(Canvas& c, double cx = 40, double cy = 37, double r = 24) {
    c.Pen(kInk, 1.4);
    c.Brush(kMetalLight);
    c.Ellipse(cx, cy, r, r);
    c.Rect(cx, cy - r, r + 26, 14);
    c.NoPen();
    c.Brush(kMetalLight);
    c.Rect(cx, cy - r + 1, 2, 13);
    c.Pen(kInk, 1.1);
    c.Brush(kAir);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        c.Poly({{cx, cy},
                {cx + r * 0.8 * std::cos(a), cy + r * 0.8 * std::sin(a)},
                {cx + r * 0.8 * std::cos(a + 0.45), cy + r * 0.8 * std::sin(a + 0.45)}});
    }
    c.Brush(kInk);
    c.Ellipse(cx, cy, 3, 3);
    c.Arrow(cx + r + 8, cy - r + 7, cx + r + 30, cy - r + 7, kAir.darker(160), 1.3);
    c.Label(0, cx, cy + r + 6);
    c.Label(1, cx + r + 20, cy - r + 20);
}

void DrawElbow(Canvas& c) {
    c.Pen(kInk, 1.4);
    c.Brush(kAirLight);
    QPainterPath path;
    path.moveTo(c.P(8, 40));
    path.lineTo(c.P(50, 40));
    path.quadTo(c.P(62, 40), c.P(62, 28));
    path.lineTo(c.P(62, 4));
    path.lineTo(c.P(80, 4));
    path.lineTo(c.P(80, 28));
    path.quadTo(c.P(80, 58), c.P(50, 58));
    path.lineTo(c.P(8, 58));
    path.closeSubpath();
    c.painter().drawPath(path);
    c.Arrow(14, 49, 40, 49, kAir.darker(150), 1.3);
    c.Arrow(71, 34, 71, 10, kAir.darker(150), 1.3);
    c.Label(0, 28, 66);
    c.Label(1, 90, 50);
}

void DrawParticle(Canvas& c) {
    c.Pen(kInk, 1.2);
    c.Brush(kAirLight);
    c.Rect(30, 4, 40, 62);
    c.Brush(QColor(150, 110, 70));
    c.Ellipse(50, 38, 6, 6);
    c.Arrow(50, 62, 50, 47, kAir.darker(160), 1.4);
    c.Arrow(40, 62, 40, 20, kAir.darker(160), 1.0);
    c.Arrow(60, 62, 60, 20, kAir.darker(160), 1.0);
    c.Label(0, 80, 38);
    c.Label(1, 85, 14);
}

void DrawBuilding(Canvas& c) {
    c.Pen(kInk, 1.3);
    c.Brush(QColor(236, 226, 210));
    c.Rect(18, 26, 48, 40);
    c.Brush(QColor(170, 80, 60));
    c.Poly({{14, 26}, {42, 6}, {70, 26}});
    c.Brush(kWaterLight);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) c.Rect(23 + j * 14, 32 + i * 15, 9, 9);
    c.Dimension(76, 26, 76, 66);
    c.Label(0, 84, 46);
    c.Label(1, 90, 12);
    c.Label(2, 42, 18);
}

void DrawWaterBath(Canvas& c, bool pipe) {
    if (pipe) {
        c.Pen(kInk, 1.2);
        c.Brush(kHeat.lighter(150));
        c.Rect(12, 42, 76, 16);
        c.Brush(kHeat.lighter(130));
        c.Ellipse(88, 50, 3, 8);
    } else {
        c.Pen(kInk, 1.2);
        c.Brush(kMetalLight);
        c.Rect(14, 36, 72, 26);
        c.NoPen();
        c.Brush(kWaterLight);
        c.Rect(16, 40, 68, 20);
        c.Pen(kWater, 1.0);
        c.NoBrush();
        QPainterPath wave;
        wave.moveTo(c.P(16, 40));
        for (int i = 0; i < 6; ++i) wave.quadTo(c.P(21.7 + i * 11.3, 37), c.P(27.3 + i * 11.3, 40));
        c.painter().drawPath(wave);
    }
    for (int i = 0; i < 3; ++i) c.Arrow(30 + i * 20, 32, 30 + i * 20 + (i - 1) * 4, 10, kHeat, 1.3);
    c.Label(0, 50, 67);
    c.Label(1, 85, 14, kHeat);
}

void DrawElevator(Canvas& c) {
    c.Pen(kInk, 1.3);
    c.Brush(kWaterLight);
    QPainterPath body;
    body.moveTo(c.P(6, 28));
    body.lineTo(c.P(30, 28));
    body.lineTo(c.P(44, 33));
    body.lineTo(c.P(58, 33));
    body.lineTo(c.P(94, 26));
    body.lineTo(c.P(94, 46));
    body.lineTo(c.P(58, 39));
    body.lineTo(c.P(44, 39));
    body.lineTo(c.P(30, 44));
    body.lineTo(c.P(6, 44));
    body.closeSubpath();
    c.painter().drawPath(body);
    c.Brush(kMetal);
    c.Poly({{6, 32}, {26, 32}, {34, 35}, {34, 37}, {26, 40}, {6, 40}});
    c.Brush(kWaterLight);
    c.Rect(30, 44, 8, 20);
    c.Arrow(10, 36, 24, 36, kHeat, 1.3);
    c.Arrow(34, 64, 34, 48, kWater, 1.3);
    c.Arrow(70, 36, 88, 36, kHeat.darker(120), 1.3);
    c.Label(0, 12, 20, kHeat);
    c.Label(1, 46, 60, kWater);
    c.Label(2, 80, 20, kHeat.darker(120));
}

void DrawTempGraph(Canvas& c) {
    c.Pen(kInk, 1.0);
    c.Line(10, 64, 92, 64);
    c.Line(10, 64, 10, 4);
    c.NoBrush();
    c.Pen(kHeat, 1.6);
    QPainterPath hot;
    hot.moveTo(c.P(12, 10));
    hot.quadTo(c.P(40, 30), c.P(90, 34));
    c.painter().drawPath(hot);
    c.Pen(kWater, 1.6);
    QPainterPath cold;
    cold.moveTo(c.P(12, 58));
    cold.quadTo(c.P(40, 50), c.P(90, 46));
    c.painter().drawPath(cold);
    c.Dimension(16, 12, 16, 56);
    c.Dimension(84, 34, 84, 46);
    c.Label(0, 26, 34);
    c.Label(1, 74, 40);
}

void DrawOctaves(Canvas& c) {
    const double levels[] = {48, 55, 60, 52, 46, 40, 33, 26};
    c.Pen(kInk, 1.0);
    c.Line(8, 62, 94, 62);
    c.Line(8, 62, 8, 4);
    for (int i = 0; i < 8; ++i) {
        c.NoPen();
        c.Brush(QColor::fromHsv(210 - i * 22, 150, 220));
        c.Rect(11 + i * 10.4, 62 - levels[i], 8, levels[i]);
    }
    c.Label(0, 50, 8);
}

void DrawTap(Canvas& c) {
    c.Pen(kInk, 1.3);
    c.Brush(kMetal);
    c.Rect(6, 14, 40, 10);
    c.Rect(40, 10, 12, 18);
    c.Rect(36, 4, 20, 5);
    c.Line(46, 4, 46, 10);
    c.Poly({{52, 16}, {66, 16}, {70, 22}, {70, 32}, {62, 32}, {62, 24}, {52, 24}});
    c.NoPen();
    c.Brush(kWater);
    for (int i = 0; i < 3; ++i) {
        QPainterPath drop;
        const double y = 40 + i * 9;
        drop.moveTo(c.P(66, y - 4));
        drop.quadTo(c.P(70, y + 2), c.P(66, y + 3));
        drop.quadTo(c.P(62, y + 2), c.P(66, y - 4));
        c.painter().drawPath(drop);
    }
    c.Label(0, 84, 50, kWater);
}

void DrawMountain(Canvas& c) {
    c.Pen(kInk, 1.2);
    c.Brush(QColor(170, 190, 150));
    c.Poly({{4, 64}, {38, 14}, {52, 30}, {66, 8}, {96, 64}});
    c.Brush(Qt::white);
    c.Poly({{60, 17}, {66, 8}, {72, 19}, {67, 16}});
    c.Pen(kWater, 1.4);
    c.Line(4, 64, 96, 64);
    c.Dimension(86, 8, 86, 64);
    c.Label(0, 92, 36);
    c.Label(1, 20, 12);
}

void DrawDrop(Canvas& c, double cx, double cy, double r) {
    c.Pen(kWater.darker(120), 1.0);
    c.Brush(kWater.lighter(130));
    QPainterPath drop;
    drop.moveTo(c.P(cx, cy - r * 1.8));
    drop.cubicTo(c.P(cx + r * 0.4, cy - r), c.P(cx + r * 1.05, cy - r * 0.3), c.P(cx + r, cy + r * 0.2));
    drop.cubicTo(c.P(cx + r * 0.95, cy + r * 1.15), c.P(cx - r * 0.95, cy + r * 1.15), c.P(cx - r, cy + r * 0.2));
    drop.cubicTo(c.P(cx - r * 1.05, cy - r * 0.3), c.P(cx - r * 0.4, cy - r), c.P(cx, cy - r * 1.8));
    c.painter().drawPath(drop);
}

void DrawMoistAir(Canvas& c) {
    DrawThermometer(c, 28, 6, 46);
    DrawDrop(c, 66, 36, 13);
    DrawDrop(c, 86, 20, 6);
    c.Label(1, 66, 62);
}

void DrawBoiler(Canvas& c, bool chimney) {
    c.Pen(kInk, 1.3);
    c.Brush(kMetalLight);
    c.Rect(8, 24, 46, 40);
    c.Brush(QColor(60, 60, 60));
    c.Rect(14, 44, 20, 14);
    c.NoPen();
    c.Brush(QColor(255, 150, 30));
    c.Poly({{16, 58}, {20, 46}, {24, 54}, {27, 44}, {32, 58}});
    c.Pen(kInk, 1.3);
    c.Brush(kMetal);
    c.Rect(40, 14, 8, 10);
    c.Line(54, 34, 70, 34);
    if (chimney) {
        c.Brush(QColor(180, 90, 70));
        c.Poly({{70, 64}, {74, 2}, {84, 2}, {88, 64}});
        c.NoPen();
        c.Brush(QColor(160, 160, 160, 160));
        c.Ellipse(82, -2, 6, 4);
        c.Ellipse(90, -6, 5, 3);
        c.Dimension(94, 2, 94, 64);
        c.Label(0, 97, 40);
        c.Label(1, 70, -2);
    } else {
        c.Label(0, 25, 16);
        c.Label(1, 72, 28, kHeat);
        c.Arrow(56, 40, 72, 40, kHeat, 1.2);
    }
}

void DrawSmokeFan(Canvas& c) {
    DrawFan(c, 36, 40, 20);
    c.NoPen();
    c.Brush(QColor(150, 150, 150, 170));
    c.Ellipse(90, 22, 6, 4);
    c.Ellipse(95, 14, 4, 3);
}

void DrawGraph(Canvas& c) {
    c.Pen(kInk, 1.0);
    c.Arrow(8, 64, 96, 64, kInk, 0.9);
    c.Arrow(8, 64, 8, 2, kInk, 0.9);
    c.Pen(kWater, 1.5);
    c.Line(14, 56, 90, 10);
    c.Pen(kInk, 0.6);
    const double pts[3][2] = {{24, 50}, {52, 33}, {80, 16}};
    for (const auto& q : pts) {
        c.Line(q[0], 64, q[0], q[1]);
        c.Line(8, q[1], q[0], q[1]);
    }
    c.Brush(kHeat);
    c.NoPen();
    for (const auto& q : pts) c.Ellipse(q[0], q[1], 1.8, 1.8);
    c.Label(0, 24, 68);
    c.Label(1, 52, 68);
    c.Label(2, 80, 68);
}

void DrawPoints(Canvas& c) {
    c.Pen(kInk, 0.9);
    c.Arrow(10, 62, 94, 62, kInk, 0.9);
    c.Arrow(10, 62, 10, 2, kInk, 0.9);
    c.Pen(kInk, 0.6);
    c.Line(24, 62, 24, 48);
    c.Line(78, 62, 78, 14);
    c.Pen(kWater, 1.6);
    c.Line(24, 48, 78, 14);
    c.NoPen();
    c.Brush(kHeat);
    c.Ellipse(24, 48, 2.2, 2.2);
    c.Ellipse(78, 14, 2.2, 2.2);
    c.Label(0, 24, 40);
    c.Label(1, 78, 6);
    c.Label(2, 56, 34);
}

void DrawTriangle(Canvas& c) {
    c.Pen(kInk, 1.5);
    c.Brush(kWaterLight);
    c.Poly({{10, 62}, {88, 62}, {36, 8}});
    c.NoBrush();
    c.Pen(kHeat, 1.0);
    c.painter().drawArc(c.R(0, 52, 20, 20), 0, static_cast<int>(64 * 46));
    c.Label(0, 18, 32);
    c.Label(1, 49, 68);
    c.Label(2, 68, 32);
    c.Label(3, 26, 56, kHeat);
}

void DrawBox3D(Canvas& c) {
    c.Pen(kInk, 1.3);
    c.Brush(kWaterLight);
    c.Rect(12, 24, 54, 38);
    c.Brush(kWaterLight.darker(110));
    c.Poly({{12, 24}, {30, 8}, {84, 8}, {66, 24}});
    c.Brush(kWaterLight.darker(120));
    c.Poly({{66, 24}, {84, 8}, {84, 46}, {66, 62}});
    c.Label(0, 39, 68);
    c.Label(1, 82, 58);
    c.Label(2, 6, 43);
}

void DrawCylinder(Canvas& c) {
    c.Pen(kInk, 1.3);
    c.Brush(kWaterLight);
    c.Rect(26, 12, 44, 48);
    c.NoPen();
    c.Rect(26.6, 12, 42.8, 48);
    c.Pen(kInk, 1.3);
    c.Ellipse(48, 60, 22, 6);
    c.NoPen();
    c.Brush(kWaterLight);
    c.Rect(26.7, 50, 42.6, 10);
    c.Pen(kInk, 1.3);
    c.Line(26, 12, 26, 60);
    c.Line(70, 12, 70, 60);
    c.Brush(kWaterLight.darker(108));
    c.Ellipse(48, 12, 22, 6);
    c.Pen(kInk, 0.8);
    c.Line(48, 60, 70, 60);
    c.Dimension(78, 12, 78, 60);
    c.Label(0, 58, 55);
    c.Label(1, 87, 36);
}

void DrawCone(Canvas& c) {
    c.Pen(kInk, 1.3);
    c.Brush(kWaterLight);
    c.Poly({{24, 58}, {48, 6}, {72, 58}});
    c.Ellipse(48, 58, 24, 6);
    c.NoPen();
    c.Poly({{24.8, 57.5}, {48, 7.5}, {71.2, 57.5}});
    c.Pen(kInk, 0.8);
    c.Line(48, 6, 48, 58);
    c.Line(48, 58, 72, 58);
    c.Label(0, 60, 53);
    c.Label(1, 66, 28);
    c.Label(2, 42, 36);
}

void DrawSphere(Canvas& c) {
    QRadialGradient g(c.P(40, 24), c.S(40));
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, kWater.lighter(120));
    c.Pen(kInk, 1.3);
    c.painter().setBrush(g);
    c.Ellipse(48, 35, 28, 28);
    c.NoBrush();
    c.Pen(kInk, 0.7);
    c.Ellipse(48, 35, 28, 7);
    c.Pen(kInk, 1.0);
    c.Line(48, 35, 76, 35);
    c.Label(0, 62, 29);
}

void DrawBalls(Canvas& c) {
    for (int i = 0; i < 7; ++i) {
        const bool chosen = i == 1 || i == 4 || i == 5;
        c.Pen(kInk, 1.0);
        c.Brush(chosen ? kHeat.lighter(130) : kWaterLight);
        c.Ellipse(12 + i * 12.5, 30, 5.5, 5.5);
    }
    c.Pen(kInk, 0.8);
    c.Line(6, 44, 94, 44);
    c.Label(0, 50, 54);
    c.Label(1, 50, 16, kHeat);
}

void DrawRadiator(Canvas& c) {
    c.Pen(kInk, 1.2);
    for (int i = 0; i < 8; ++i) {
        c.Brush(kMetalLight);
        c.painter().drawRoundedRect(c.R(14 + i * 9, 16, 8, 44), c.S(3), c.S(3));
    }
    c.Brush(kMetal);
    c.Rect(6, 20, 8, 5);
    c.Rect(86, 50, 8, 5);
    for (int i = 0; i < 3; ++i) {
        QPainterPath w;
        const double x = 26 + i * 22;
        w.moveTo(c.P(x, 12));
        w.cubicTo(c.P(x - 4, 8), c.P(x + 4, 5), c.P(x, 1));
        c.Pen(kHeat, 1.3);
        c.NoBrush();
        c.painter().drawPath(w);
    }
}

void DrawSolids(Canvas& c) {
    Canvas& k = c;
    k.Pen(kInk, 1.2);
    k.Brush(kWaterLight);
    k.Rect(6, 34, 26, 26);
    k.Brush(kWaterLight.darker(110));
    k.Poly({{6, 34}, {14, 26}, {40, 26}, {32, 34}});
    k.Brush(kWaterLight.darker(120));
    k.Poly({{32, 34}, {40, 26}, {40, 52}, {32, 60}});
    k.Brush(kHeat.lighter(150));
    k.Poly({{46, 60}, {60, 16}, {74, 60}});
    k.Ellipse(60, 60, 14, 3.5);
    QRadialGradient g(c.P(84, 36), c.S(12));
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, kGreen.lighter(140));
    c.painter().setBrush(g);
    k.Ellipse(88, 44, 10, 10);
}

void DrawSoundWaves(Canvas& c) {
    c.Pen(kInk, 1.3);
    c.Brush(kMetal);
    c.Poly({{10, 28}, {20, 28}, {32, 16}, {32, 54}, {20, 42}, {10, 42}});
    c.NoBrush();
    for (int i = 0; i < 4; ++i) {
        c.Pen(QColor::fromHsv(210 - i * 30, 160, 200), 1.6);
        const double r = 10 + i * 10;
        c.painter().drawArc(c.R(32 - r, 35 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
}

}  // namespace

void DrawDrawing(QPainter& p, const QRectF& area, Drawing d, const QStringList& labels) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    Canvas c(p, area, labels);
    switch (d) {
        case Drawing::None: break;
        case Drawing::Pipe: DrawPipe(c, false); break;
        case Drawing::PipeLength: DrawPipeLength(c); break;
        case Drawing::Orifice: DrawOrifice(c); break;
        case Drawing::Duct: DrawPipe(c, true); break;
        case Drawing::DuctRect: DrawDuctRect(c); break;
        case Drawing::PipeRing: DrawPipeRing(c, labels.size() > 2); break;
        case Drawing::DuctRing: DrawDuctRing(c, labels.size() > 3); break;
        case Drawing::Thermometer: DrawThermometer(c); break;
        case Drawing::Fan: DrawFan(c); break;
        case Drawing::Elbow: DrawElbow(c); break;
        case Drawing::Particle: DrawParticle(c); break;
        case Drawing::Building: DrawBuilding(c); break;
        case Drawing::WaterBath: DrawWaterBath(c, false); break;
        case Drawing::HotPipe: DrawWaterBath(c, true); break;
        case Drawing::Elevator: DrawElevator(c); break;
        case Drawing::TempGraph: DrawTempGraph(c); break;
        case Drawing::Octaves: DrawOctaves(c); break;
        case Drawing::Tap: DrawTap(c); break;
        case Drawing::Mountain: DrawMountain(c); break;
        case Drawing::MoistAir: DrawMoistAir(c); break;
        case Drawing::Boiler: DrawBoiler(c, false); break;
        case Drawing::Chimney: DrawBoiler(c, true); break;
        case Drawing::SmokeFan: DrawSmokeFan(c); break;
        case Drawing::Graph: DrawGraph(c); break;
        case Drawing::Points: DrawPoints(c); break;
        case Drawing::Triangle: DrawTriangle(c); break;
        case Drawing::Box3D: DrawBox3D(c); break;
        case Drawing::Cylinder: DrawCylinder(c); break;
        case Drawing::Cone: DrawCone(c); break;
        case Drawing::Sphere: DrawSphere(c); break;
        case Drawing::Balls: DrawBalls(c); break;
        case Drawing::Radiator: DrawRadiator(c); break;
        case Drawing::Solids: DrawSolids(c); break;
        case Drawing::SoundWaves: DrawSoundWaves(c); break;
        case Drawing::Drop: DrawMoistAir(c); break;
    }
    p.restore();
}

}  // namespace zul::pictgen
