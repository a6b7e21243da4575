// The header row of the string grids: each caption fits its column, in a smaller font or
// on two lines ("Види-" / "мость") when the column is narrow, and a cut caption shows its
// whole text as a tooltip.
#pragma once

#include <QHeaderView>

namespace zul {

struct FittedText;

class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int kTextMargin = 2;
    static constexpr int kMinPixels = 10;

    explicit GridHeader(QWidget* parent);

    // The caption of a column as it is painted.
    FittedText FittedCaption(int logicalIndex) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    bool viewportEvent(QEvent* event) override;

private:
    // The row grows or shrinks when a caption needs another line.
    void Refit();
};

}  // namespace zul
