// Painting a cell's text fitted to its cell, with a tooltip for what is cut.
#include "widgets/FitTextDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "widgets/FitText.h"

namespace zul {

QRect FitTextDelegate::TextRect(const QRect& cell) { return cell.adjusted(kTextMargin, 0, -kTextMargin, 0); }

FittedText FitTextDelegate::Fit(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    const auto shrink = shrink_.find(index.column());
    const int base = option.font.pixelSize();
    const int minPixels = shrink != shrink_.end() ? shrink->second : base;
    return FitText(text, option.font, TextRect(option.rect).width(), minPixels);
}

void FitTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    const FittedText fitted = Fit(background, index);
    background.text.clear();  // the style paints the cell, the text is ours
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setFont(fitted.font);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (!selected && foreground.canConvert<QBrush>()) painter->setPen(foreground.value<QBrush>().color());
    painter->drawText(TextRect(option.rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      fitted.lines.value(0));
    painter->restore();
}

bool FitTextDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index) {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    // A tooltip of the cell's own (a file's full path) wins; otherwise a cut text shows whole.
    QString tip = index.data(Qt::ToolTipRole).toString();
    if (tip.isEmpty()) {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        if (!Fit(o, index).whole) tip = index.data(Qt::DisplayRole).toString();
    }
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(event->globalPos(), tip, view, view->visualRect(index));
    return true;
}

}  // namespace zul
