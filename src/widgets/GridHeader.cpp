// Painting the fitted captions of the grid header.
#include "widgets/GridHeader.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

#include "widgets/FitText.h"

namespace zul {

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    connect(this, &QHeaderView::sectionResized, this, [this] { Refit(); });
    connect(this, &QHeaderView::sectionCountChanged, this, [this] { Refit(); });
}

void GridHeader::Refit() {
    if (count() > 0) headerDataChanged(Qt::Horizontal, 0, count() - 1);
    updateGeometry();
    emit geometriesChanged();
}

FittedText GridHeader::FittedCaption(int logicalIndex) const {
    const QString text = model() != nullptr ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    return FitText(text, font(), sectionSize(logicalIndex) - 1 - 2 * kTextMargin, kMinPixels, 2);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) return;
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear();  // the style paints the section, the caption is ours
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
    const FittedText caption = FittedCaption(logicalIndex);
    painter->setFont(caption.font);
    painter->setPen(palette().color(QPalette::ButtonText));
    const int lineHeight = QFontMetrics(caption.font).height();
    const int total = lineHeight * static_cast<int>(caption.lines.size());
    int top = rect.top() + (rect.height() - total) / 2;
    for (const QString& line : caption.lines) {
        painter->drawText(QRect(rect.left() + kTextMargin, top, rect.width() - 2 * kTextMargin, lineHeight),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        top += lineHeight;
    }
    painter->restore();
}

QSize GridHeader::sectionSizeFromContents(int logicalIndex) const {
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    const FittedText caption = FittedCaption(logicalIndex);
    const int lines = static_cast<int>(caption.lines.size());
    size.setHeight(std::max(size.height(), QFontMetrics(caption.font).height() * lines + 6));
    return size;
}

bool GridHeader::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int section = logicalIndexAt(help->pos());
        if (section >= 0 && !FittedCaption(section).whole) {
            QToolTip::showText(help->globalPos(), model()->headerData(section, orientation()).toString(), this);
            return true;
        }
        QToolTip::hideText();
        return true;
    }
    return QHeaderView::viewportEvent(event);
}

}  // namespace zul
