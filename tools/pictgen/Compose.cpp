// Laying out the pictures on 301 × 179 pixels: a coloured title strip, then the content
// fitted by shrinking fonts step by step until everything has its place.
#include "Compose.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>

#include "Drawings.h"
#include "MathFormula.h"
#include "MathLayout.h"
#include "PictureLayouts.h"
#include "calc/Catalogue.h"
#include "insert/FormulaTemplates.h"

namespace zul::pictgen {
namespace {

constexpr double kHeaderHeight = 20;
constexpr double kMargin = 6;

const QColor kText(30, 36, 48);
const QColor kSoftText(70, 78, 92);

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Colour of the title strip: one per topic of the tree.
QColor TopicColour(int code) {
    int index = IndexOfCode(code);
    while (ParentIndex(index) >= 0) index = ParentIndex(index);
    const CatalogueRow* topic = NodeByIndex(index);
    switch (topic ? topic->code : -1) {
        case 0: return QColor(33, 96, 170);
        case 1000: return QColor(70, 110, 140);
        case 2000: return QColor(46, 125, 80);
        case 3000: return QColor(20, 130, 130);
        case 4000: return QColor(178, 54, 42);
        case 5000: return QColor(112, 72, 160);
        case 6000: return QColor(30, 120, 190);
        case 7000: return QColor(120, 90, 170);
        case 8000: return QColor(196, 110, 30);
        case 50000: return QColor(60, 66, 80);
    }
    return QColor(60, 66, 80);
}

// A painter on the image works in the 301 x 179 layout whatever the scale.
QImage BlankPicture(int scale) {
    QImage image(kPictureWidth * scale, kPictureHeight * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(252, 252, 249));
    return image;
}

// "Name (explanation)" -> "Name".
QString WithoutParenthesis(const QString& text) {
    static const QRegularExpression paren(QStringLiteral("\\s*\\([^)]*\\)"));
    return QString(text).replace(paren, QString()).simplified();
}

// The first candidate that fits at a comfortable size, else the shortest one, smaller.
void DrawHeader(QPainter& p, const QStringList& candidates, const QColor& colour) {
    p.fillRect(QRectF(0, 0, kPictureWidth, kHeaderHeight), colour);
    p.setPen(Qt::white);
    const double room = kPictureWidth - 2 * kMargin;
    QString text = candidates.front();
    for (const QString& c : candidates) {
        if (QFontMetricsF(SansFont(10.5, true)).horizontalAdvance(c) <= room) {
            text = c;
            break;
        }
        if (c.size() < text.size()) text = c;
    }
    for (double px = 12.5; px >= 8.5; px -= 0.5) {
        const QFont font = SansFont(px, true);
        const QFontMetricsF m(font);
        if (m.horizontalAdvance(text) <= room || px <= 8.5) {
            p.setFont(font);
            p.drawText(QRectF(kMargin, 0, room, kHeaderHeight), Qt::AlignCenter,
                       m.elidedText(text, Qt::ElideRight, room));
            return;
        }
    }
}

// "м3" -> "м³", "м2" -> "м²": units as a handbook prints them.
QString PrettyUnit(QString s) {
    static const QRegularExpression cube(QStringLiteral("м3(?![0-9])"));
    static const QRegularExpression square(QStringLiteral("м2(?![0-9])"));
    s.replace(cube, QStringLiteral("м³"));
    s.replace(square, QStringLiteral("м²"));
    return s;
}

QString Simplified(std::string_view s) { return Q(s).simplified(); }

// A caption or a title "Name, unit" as a legend text "name, unit".
QString LegendText(QString text) {
    text = text.simplified();
    if (text.size() > 1 && text[1].isLower()) text[0] = text[0].toLower();
    return PrettyUnit(text.replace(QStringLiteral(" ,"), QStringLiteral(",")));
}

struct LegendLine {
    QString symbols;    // one or more display names, ", "-separated
    QString text;
    QString shortText;  // used when the text does not fit (the hint line's wording)
};

struct FormulaLine {
    QString lhs;
    Expr rhs;
    QString note;
};

struct CalcContent {
    QStringList header;
    std::vector<FormulaLine> lines;
    std::vector<LegendLine> legend;
    Drawing drawing = Drawing::None;
    QStringList labels;
};

void AddLegend(std::vector<LegendLine>& legend, const QString& symbols, const QString& text,
               const QString& shortText = QString()) {
    for (const LegendLine& l : legend)
        if (l.symbols == symbols) return;
    legend.push_back({symbols, text, shortText.isEmpty() ? text : shortText});
}

QString NodeTitleAt(int index) {
    QString text = Q(NodeByIndex(index)->text).simplified();
    for (int parent = ParentIndex(index); parent >= 0 && !text.isEmpty() && text[0].isLower(); parent = ParentIndex(parent))
        text = Q(NodeByIndex(parent)->text).simplified() + ' ' + text;
    return text;
}

// The node's text in the tree, with its parent's where the node alone says too little
// ("круглого сечения" under "Масса трубы").
QString NodeTitle(int code) {
    const int index = IndexOfCode(code);
    const CatalogueRow* node = NodeByIndex(index);
    if (!node) return {};
    return NodeTitleAt(index);
}

// The bracketed argument texts of a hint line: "[Расход, м3/ч] [Диаметр, мм]" -> two texts.
QStringList HintArguments(int code) {
    const CatalogueRow* node = NodeByCode(code);
    QStringList out;
    if (!node) return out;
    static const QRegularExpression group(QStringLiteral("\\[([^\\]]*)\\]"));
    auto it = group.globalMatch(Q(node->hint));
    while (it.hasNext()) out << it.next().captured(1);
    return out;
}

QString ExtraLegendText(const QString& symbol) {
    if (symbol == QStringLiteral("PN")) return QStringLiteral("произведение числа приборов на вероятность их действия");
    if (symbol == QStringLiteral("α")) return QStringLiteral("безразмерный коэффициент, зависящий от PN");
    if (symbol == QStringLiteral("p")) return QStringLiteral("полупериметр треугольника");
    return {};
}

QStringList DrawingLabels(const CalcLayout& entry) {
    QStringList labels = Q(entry.labels).split('|');
    if (labels.size() == 1 && labels[0].isEmpty()) return {};
    for (QString& l : labels) {
        if (l == QStringLiteral("$r")) l = Q(entry.result);
        else if (l.size() == 2 && l[0] == '$' && l[1].isDigit()) {
            const int k = l[1].digitValue();
            l = k >= 1 && k <= 6 && entry.args[static_cast<std::size_t>(k - 1)] ? Q(entry.args[static_cast<std::size_t>(k - 1)]) : QString();
        }
    }
    return labels;
}

// The formula lines, legend and drawing of one calculation, added to the content.
bool AddCalculation(int code, CalcContent& content, QString* error) {
    const CalcLayout* entry = FindCalcLayout(code);
    const FormulaTemplate* tpl = FindFormulaTemplate(code);
    if (!entry || !tpl) {
        if (error) *error = QStringLiteral("no symbols for code %1").arg(code);
        return false;
    }
    std::vector<QString> usedSettings;
    const SymbolNamer namer = [&](std::string_view id) -> std::string {
        if (id.size() == 2 && id[0] == 'X' && id[1] >= '1' && id[1] <= '6') {
            const char* s = entry->args[static_cast<std::size_t>(id[1] - '1')];
            return s ? s : std::string(id);
        }
        if (const SettingSymbol* setting = FindSettingSymbol(id)) {
            usedSettings.push_back(Q(setting->id));
            return setting->symbol;
        }
        return std::string(ExtraSymbol(id));
    };
    std::vector<std::pair<QString, QString>> sources;  // lhs=expr and note
    if (*entry->formula) {
        for (const QString& line : Q(entry->formula).split(';')) {
            const QString formula = line.section('|', 0, 0);
            sources.push_back({formula, line.section('|', 1)});
        }
    } else {
        sources.push_back({Q(entry->result) + '=' + Q(tpl->pattern), QString()});
    }
    for (const auto& [formula, note] : sources) {
        const QString lhs = formula.section('=', 0, 0);
        const QByteArray rhsText = formula.section('=', 1).toUtf8();
        std::optional<Expr> rhs = ParseFormula(std::string_view(rhsText.constData(), static_cast<std::size_t>(rhsText.size())), namer);
        if (!rhs) {
            if (error) *error = QStringLiteral("code %1: cannot read %2").arg(code).arg(formula);
            return false;
        }
        content.lines.push_back({lhs, std::move(*rhs), note});
    }
    // Legend: the result, the arguments in hint-line order, then the settings read.
    QString title = Simplified(tpl->title);
    const QString resultText = *entry->resultName ? Q(entry->resultName) : title;
    QString shortResult = WithoutParenthesis(resultText);
    if (!*entry->resultName) {
        const int comma = title.lastIndexOf(',');
        shortResult = NodeTitle(code) + (comma > 0 ? title.mid(comma) : QString());
    }
    AddLegend(content.legend, Q(entry->result), LegendText(resultText), LegendText(shortResult));
    const QStringList hints = HintArguments(code);
    for (int k = 0; k < tpl->fieldCount && k < 6; ++k) {
        if (!entry->args[static_cast<std::size_t>(k)]) continue;
        const QString hint = k < hints.size() ? LegendText(hints[k]) : QString();
        AddLegend(content.legend, Q(entry->args[static_cast<std::size_t>(k)]),
                  LegendText(Q(tpl->captions[static_cast<std::size_t>(k)])), hint);
    }
    for (const FormulaLine& line : content.lines) {
        const QString extra = ExtraLegendText(line.lhs);
        if (!extra.isEmpty()) AddLegend(content.legend, line.lhs, extra);
    }
    for (const QString& id : usedSettings) {
        const SettingSymbol* s = FindSettingSymbol(id.toStdString());
        AddLegend(content.legend, Q(s->symbol), PrettyUnit(Q(s->text)));
    }
    if (content.drawing == Drawing::None) {
        content.drawing = entry->drawing;
        content.labels = DrawingLabels(*entry);
    }
    if (content.header.isEmpty()) {
        const int comma = title.lastIndexOf(',');
        const QString name = comma > 0 && title.size() - comma < 16 ? title.left(comma).trimmed() : title;
        content.header << name << WithoutParenthesis(name) << NodeTitle(code);
    }
    return true;
}

Box LegendBox(const LegendLine& line, double px, double maxWidth, bool* elided) {
    std::vector<Box> parts;
    const QStringList symbols = line.symbols.split(QStringLiteral(", "));
    for (int i = 0; i < symbols.size(); ++i) {
        if (i > 0) parts.push_back(LayoutText(QStringLiteral(", "), px * 1.1));
        parts.push_back(LayoutSymbol(symbols[i], px * 1.18));
    }
    parts.push_back(LayoutText(QStringLiteral(" — "), px, true));
    Box head = Row(parts);
    const QFontMetricsF metrics(SansFont(px));
    const double room = std::max(20.0, maxWidth - head.width);
    if (metrics.horizontalAdvance(line.text) <= room) return Row({head, LayoutText(line.text, px, true)});
    // A narrow face before a shorter wording, and that before anything is cut off.
    QFont narrow(QStringLiteral("Liberation Sans Narrow"));
    narrow.setPixelSize(std::max(6, static_cast<int>(std::lround(px * 1.05))));
    const QFontMetricsF narrowMetrics(narrow);
    QString text = line.text;
    if (narrowMetrics.horizontalAdvance(text) > room && metrics.horizontalAdvance(line.shortText) <= room)
        return Row({head, LayoutText(line.shortText, px, true)});
    if (narrowMetrics.horizontalAdvance(text) > room) text = line.shortText;
    if (narrowMetrics.horizontalAdvance(text) > room) {
        text = narrowMetrics.elidedText(text, Qt::ElideRight, room);
        *elided = true;
    }
    Box t;
    t.width = narrowMetrics.horizontalAdvance(text);
    t.ascent = narrowMetrics.ascent() * 0.86;
    t.descent = narrowMetrics.descent() * 0.8;
    t.paint = [text, narrow](QPainter& p, double x, double y) {
        p.setFont(narrow);
        p.drawText(QPointF(x, y), text);
    };
    return Row({head, t});
}

Box FormulaLineBox(const FormulaLine& line, const MathStyle& style) {
    Box eq = LayoutEquation(line.lhs, line.rhs, style);
    if (line.note.isEmpty()) return eq;
    Box note = LayoutText(QStringLiteral("   ") + line.note, style.pixelSize * 0.62, true);
    return Row({eq, note});
}

struct Fitted {
    std::vector<Box> formulas;
    std::vector<Box> legend;
    double formulaHeight = 0;
    double drawingWidth = 0;
    double drawingHeight = 0;
    double legendLine = 0;
    double lineGap = 0;
    bool ok = false;
};

Fitted Fit(const CalcContent& c, double fpx, double lpx, int stack, bool withDrawing) {
    Fitted f;
    const double width = kPictureWidth - 2 * kMargin;
    const double bodyHeight = kPictureHeight - kHeaderHeight - 2 - kMargin;
    const bool drawing = withDrawing && c.drawing != Drawing::None;
    f.drawingWidth = drawing ? 104 : 0;
    double fw = 0;
    f.lineGap = fpx * 0.3;
    for (const FormulaLine& line : c.lines) {
        f.formulas.push_back(FormulaLineBox(line, {fpx, stack}));
        fw = std::max(fw, f.formulas.back().width);
        f.formulaHeight += f.formulas.back().height() + fpx * 0.3;
    }
    f.drawingHeight = drawing ? std::clamp(f.formulaHeight, 56.0, 84.0) : 0;
    f.legendLine = lpx * 1.42;
    bool elided = false;
    for (const LegendLine& l : c.legend) f.legend.push_back(LegendBox(l, lpx, width - 2, &elided));
    const double top = std::max(f.formulaHeight, f.drawingHeight);
    const double total = top + 4 + f.legendLine * static_cast<double>(c.legend.size());
    f.ok = fw <= width - f.drawingWidth && total <= bodyHeight && (!elided || lpx <= 8.5);
    return f;
}

}  // namespace

QImage CalculationPicture(const QString& name, const std::vector<int>& codes, QString* error, int scale) {
    CalcContent content;
    for (int code : codes)
        if (!AddCalculation(code, content, error)) return {};
    const SharedPictureLayout* shared = FindSharedPictureLayout(name.toStdString());
    if (shared) {
        content.header = QStringList{Q(shared->header)};
        if (*shared->legend) {
            content.legend.clear();
            for (const QString& line : Q(shared->legend).split(';'))
                AddLegend(content.legend, line.section(QStringLiteral(" — "), 0, 0), line.section(QStringLiteral(" — "), 1));
        }
    }
    // Shrink the formula first, then the legend, then fractions go on one line, and last
    // the drawing gives way.
    std::optional<Fitted> fitted;
    for (bool withDrawing : {true, false}) {
        for (int stack : {2, 1}) {
            for (double lpx : {10.5, 10.0, 9.5, 9.0, 8.5}) {
                for (double fpx = 18; fpx >= 11 && !fitted; fpx -= 1) {
                    Fitted f = Fit(content, fpx, lpx, stack, withDrawing);
                    if (f.ok) fitted = std::move(f);
                }
                if (fitted) break;
            }
            if (fitted) break;
        }
        if (fitted) break;
    }
    if (!fitted) fitted = Fit(content, 10, 8, 1, false);

    QImage image = BlankPicture(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    DrawHeader(p, content.header, TopicColour(codes.front()));
    const Fitted& f = *fitted;
    const double bodyTop = kHeaderHeight + 3;
    const double topHeight = std::max(f.formulaHeight, f.drawingHeight);
    double y = bodyTop + (topHeight - f.formulaHeight) / 2;
    p.setPen(kText);
    for (const Box& b : f.formulas) {
        b.paint(p, kMargin + 2, y + b.ascent + f.lineGap / 2);
        y += b.height() + f.lineGap;
    }
    if (f.drawingWidth > 0)
        DrawDrawing(p, QRectF(kPictureWidth - kMargin - f.drawingWidth, bodyTop, f.drawingWidth, f.drawingHeight),
                    content.drawing, content.labels);
    double ly = bodyTop + topHeight + 4;
    p.setPen(QPen(QColor(200, 204, 210), 1));
    p.drawLine(QPointF(kMargin, ly - 2), QPointF(kPictureWidth - kMargin, ly - 2));
    p.setPen(kSoftText);
    for (const Box& b : f.legend) {
        b.paint(p, kMargin + 2, ly + f.legendLine * 0.5 + b.ascent * 0.5);
        ly += f.legendLine;
    }
    return image;
}

namespace {

// Draws the subtitle and the list into the rectangle; false when they do not fit at the
// smallest size allowed.
bool DrawTopicText(QPainter& p, const QRectF& text, const QString& subtitle, const QStringList& items,
                   double minPx, int columns) {
    for (double px = 11; px >= minPx; px -= 0.5) {
        const QFont sub = SansFont(px, true);
        const QFont body = SansFont(px);
        const QRectF subRect = subtitle.isEmpty() ? QRectF() : QFontMetricsF(sub).boundingRect(text, Qt::TextWordWrap, subtitle);
        const double top = subtitle.isEmpty() ? 0 : subRect.height() + 5;
        const double columnWidth = (text.width() - (columns - 1) * 8) / columns;
        const int perColumn = (static_cast<int>(items.size()) + columns - 1) / columns;
        std::vector<QString> lists(static_cast<std::size_t>(columns));
        for (int i = 0; i < items.size(); ++i) lists[static_cast<std::size_t>(i / perColumn)] += QStringLiteral("•  ") + items[i] + '\n';
        double tallest = 0;
        for (QString& l : lists) {
            l.chop(1);
            tallest = std::max(tallest, QFontMetricsF(body).boundingRect(QRectF(0, 0, columnWidth, 1000), Qt::TextWordWrap, l).height());
        }
        if (top + tallest > text.height()) continue;
        p.setPen(kText);
        p.setFont(sub);
        if (!subtitle.isEmpty()) p.drawText(text, Qt::TextWordWrap, subtitle);
        p.setPen(kSoftText);
        p.setFont(body);
        for (int c = 0; c < columns; ++c)
            p.drawText(QRectF(text.left() + c * (columnWidth + 8), text.top() + top, columnWidth, text.height() - top),
                       Qt::TextWordWrap, lists[static_cast<std::size_t>(c)]);
        return true;
    }
    return false;
}

}  // namespace

QImage TopicPicture(const QString& name, const std::vector<int>& nodeIndexes, int scale) {
    const CatalogueRow* first = NodeByIndex(nodeIndexes.front());
    QString header = NodeTitleAt(nodeIndexes.front());
    QString subtitle = Q(first->hint).simplified();
    QStringList items;
    for (int index : nodeIndexes) {
        for (int i = index + 1; i < kCatalogueSize; ++i)
            if (ParentIndex(i) == index) items << Q(NodeByIndex(i)->text).simplified();
    }
    if (name == QStringLiteral("ZGeom-t")) {
        // Four groups with the same two sections each: name the groups only.
        header = QStringLiteral("Трубы и воздуховоды");
        subtitle = QStringLiteral("Масса, окраска, изоляция труб круглого и прямоугольного сечения");
        items.clear();
        for (int index : nodeIndexes) items << Q(NodeByIndex(index)->text);
    }
    if (name == QStringLiteral("ZTP")) {
        header = QStringLiteral("Тепловой поток");
        subtitle = QStringLiteral("Тепловой поток, переносимый водой и воздухом");
        items.clear();
        for (int index : nodeIndexes) {
            const QString where = NodeByIndex(ParentIndex(index))->code == 4000 ? QStringLiteral("вода: ") : QStringLiteral("воздух: ");
            for (int i = index + 1; i < kCatalogueSize; ++i)
                if (ParentIndex(i) == index) items << where + Q(NodeByIndex(i)->text).simplified();
        }
    }
    while (subtitle.endsWith('.')) subtitle.chop(1);
    if (subtitle.compare(header, Qt::CaseInsensitive) == 0) subtitle.clear();

    QImage image = BlankPicture(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    DrawHeader(p, {header}, TopicColour(first->code));
    const QStringList labels = name == QStringLiteral("ZGeom-t") ? QStringList{{}, {}, {}} : QStringList{};
    const Drawing drawing = TopicDrawing(name.toStdString());
    // The drawing on the left and the list beside it; a long list takes the full width
    // under a smaller drawing instead.
    const QRectF art(kMargin, kHeaderHeight + 10, 124, kPictureHeight - kHeaderHeight - 20);
    const QRectF text(art.right() + 10, kHeaderHeight + 6, kPictureWidth - art.right() - 10 - kMargin,
                      kPictureHeight - kHeaderHeight - 10);
    QImage attempt = image;
    {
        QPainter trial(&attempt);
        trial.setRenderHint(QPainter::Antialiasing, true);
        if (DrawTopicText(trial, text, subtitle, items, 8.5, 1)) {
            trial.fillRect(art.adjusted(-2, -2, 2, 2), QColor(238, 242, 247));
            DrawDrawing(trial, art, drawing, labels);
            trial.end();
            return attempt;
        }
    }
    const QRectF smallArt(kMargin, kHeaderHeight + 4, 70, 44);
    p.fillRect(smallArt.adjusted(-2, -2, 2, 2), QColor(238, 242, 247));
    DrawDrawing(p, smallArt, drawing, labels);

    p.setPen(kText);
    p.setFont(SansFont(10, true));
    p.drawText(QRectF(smallArt.right() + 10, smallArt.top(), kPictureWidth - smallArt.right() - 10 - kMargin, smallArt.height()),
               Qt::AlignVCenter | Qt::TextWordWrap, subtitle);
    DrawTopicText(p, QRectF(kMargin, smallArt.bottom() + 6, kPictureWidth - 2 * kMargin, kPictureHeight - smallArt.bottom() - 10),
                  QString(), items, 7, 2);
    return image;
}

QImage StartPicture(int scale) {
    QImage image = BlankPicture(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, kPictureHeight);
    g.setColorAt(0, QColor(28, 70, 130));
    g.setColorAt(1, QColor(12, 36, 72));
    p.fillRect(QRectF(0, 0, kPictureWidth, kPictureHeight), g);
    p.setPen(QColor(255, 214, 90));
    QFont title = SansFont(36, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    p.setFont(title);
    p.drawText(QRectF(0, 0, kPictureWidth, 46), Qt::AlignCenter, QStringLiteral("ЗУЛ"));
    p.setPen(Qt::white);
    p.setFont(SansFont(11, true));
    p.drawText(QRectF(8, 44, kPictureWidth - 16, 30), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Калькулятор для проектирования инженерных систем"));
    p.setPen(QColor(200, 216, 236));
    p.setFont(SansFont(8.5));
    p.drawText(QRectF(8, 76, kPictureWidth - 16, 26), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("водоснабжение и канализация, отопление, вентиляция, "
                              "кондиционирование, котельные, шум"));
    p.drawText(QRectF(8, 102, kPictureWidth - 16, 13), Qt::AlignCenter,
               QStringLiteral("%1 расчет · выражения с точностью 80 бит").arg(kCalculationCount));
    const Drawing row[] = {Drawing::Pipe, Drawing::Fan, Drawing::Radiator, Drawing::Tap, Drawing::Chimney};
    for (int i = 0; i < 5; ++i) {
        const QRectF cell(8 + i * 57.5, 122, 54, 50);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawRoundedRect(cell, 4, 4);
        DrawDrawing(p, cell.adjusted(3, 3, -3, -3), row[i], {});
    }
    return image;
}

}  // namespace zul::pictgen
