// The cell painter of the grids: each cell shows its whole text where the cell can hold it
// (narrow margins, a smaller font in the columns that allow one), and a cut cell shows its
// whole text as a tooltip.
#pragma once

#include <QStyledItemDelegate>

#include <map>

namespace zul {

struct FittedText;

class FitTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Space between the grid line and the text, on either side.
    static constexpr int kTextMargin = 2;

    explicit FitTextDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

    // The texts of this column may step down to a font of `minPixels` to be shown whole.
    void SetShrinkColumn(int column, int minPixels) { shrink_[column] = minPixels; }

    // Where the text of a cell whose rectangle is `cell` is painted, and how.
    static QRect TextRect(const QRect& cell);
    FittedText Fit(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    std::map<int, int> shrink_;  // column -> smallest font in pixels
};

}  // namespace zul
