// The frozen rows and column as two views over the table's own model. The table's own
// headers, sized to the fixed parts, keep their room free; the two views lie over them.
#include "widgets/FrozenGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

#include "widgets/FitTextDelegate.h"

namespace zul {

namespace {

constexpr int kMinimumColumnWidth = 20;

// The cells of the scrolling part: every keystroke in an editor is reported, and Enter
// commits and moves on like Tab.
class EditingDelegate : public FitTextDelegate {
public:
    explicit EditingDelegate(FrozenGrid* grid) : FitTextDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = FitTextDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            const QPersistentModelIndex cell(index);
            FrozenGrid* grid = grid_;
            connect(line, &QLineEdit::textEdited, grid, [grid, cell](const QString& text) {
                if (cell.isValid()) emit grid->cellTextEdited(cell.row(), cell.column(), text);
            });
        }
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor != nullptr && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
                return true;
            }
        }
        return FitTextDelegate::eventFilter(object, event);
    }

private:
    FrozenGrid* grid_;
};

}  // namespace

FrozenGrid::FrozenGrid(int frozenRows, int frozenColumns, QWidget* parent)
    : QTableWidget(parent), frozenRows_(frozenRows), frozenColumns_(frozenColumns) {
    setItemDelegate(new EditingDelegate(this));
    setCornerButtonEnabled(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    rows_ = MakeFrozenView();
    rows_->setObjectName(QStringLiteral("FixedRows"));
    column_ = MakeFrozenView();
    column_->setObjectName(QStringLiteral("FixedColumn"));
    // The fixed column follows the scrolling rows.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, column_->verticalScrollBar(), &QScrollBar::setValue);
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this] { HideFrozenParts(); });
    connect(model(), &QAbstractItemModel::columnsInserted, this, [this] { HideFrozenParts(); });
}

QTableView* FrozenGrid::MakeFrozenView() {
    auto* view = new QTableView(this);
    view->setModel(model());
    view->setSelectionModel(selectionModel());
    view->setItemDelegate(new FitTextDelegate(view));
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->setFrameStyle(QFrame::NoFrame);
    view->setFocusPolicy(Qt::NoFocus);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setAutoScroll(false);  // the current cell of the table must not move it
    view->setWordWrap(false);
    // A click on a fixed cell is a click on the grid.
    connect(view, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.row(), index.column()); });
    viewport()->stackUnder(view);
    return view;
}

void FrozenGrid::SetColumnWidths(const std::vector<int>& widths) {
    widths_ = widths;
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    updateGeometries();
}

void FrozenGrid::SetRowHeight(int height) {
    for (QTableView* view : {static_cast<QTableView*>(this), rows_, column_})
        view->verticalHeader()->setDefaultSectionSize(height);
    updateGeometries();
}

void FrozenGrid::SetShrinkColumn(int column, int minPixels) {
    for (QTableView* view : {static_cast<QTableView*>(this), rows_, column_})
        static_cast<FitTextDelegate*>(view->itemDelegate())->SetShrinkColumn(column, minPixels);
}

QModelIndex FrozenGrid::EditedIndex() const {
    if (state() != QAbstractItemView::EditingState) return {};
    const QModelIndex current = currentIndex();
    return indexWidget(current) != nullptr ? current : QModelIndex();
}

void FrozenGrid::CommitEdit() {
    const QModelIndex edited = EditedIndex();
    if (!edited.isValid()) return;
    QWidget* editor = indexWidget(edited);
    QMetaObject::invokeMethod(this, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
    QMetaObject::invokeMethod(this, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget*, editor),
                              Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
}

int FrozenGrid::FrozenWidth() const {
    int width = 0;
    for (int c = 0; c < std::min(frozenColumns_, static_cast<int>(widths_.size())); ++c)
        width += widths_[static_cast<std::size_t>(c)];
    return width;
}

int FrozenGrid::FrozenHeight() const {
    int height = 0;
    for (int r = 0; r < std::min(frozenRows_, rowCount()); ++r) height += rows_->rowHeight(r);
    return height;
}

// The scrolling view shows neither the fixed rows nor the fixed column; the row view shows
// the fixed rows only, the column view the scrolling rows' part of the fixed column.
void FrozenGrid::HideFrozenParts() {
    for (int r = 0; r < rowCount(); ++r) {
        const bool frozen = r < frozenRows_;
        setRowHidden(r, frozen);
        rows_->setRowHidden(r, !frozen);
        column_->setRowHidden(r, frozen);
    }
    for (int c = 0; c < columnCount(); ++c) {
        const bool frozen = c < frozenColumns_;
        setColumnHidden(c, frozen);
        column_->setColumnHidden(c, !frozen);
    }
}

void FrozenGrid::PlaceFrozenViews() {
    // The fixed parts keep the widths given; the scrolling part's last column fits the rest.
    for (int c = 0; c < columnCount(); ++c) {
        const int given = c < static_cast<int>(widths_.size()) ? widths_[static_cast<std::size_t>(c)] : columnWidth(c);
        const int shown = c < frozenColumns_ ? given : columnWidth(c);
        rows_->setColumnWidth(c, shown);
        column_->setColumnWidth(c, shown);
    }
    const QRect area = viewport()->geometry();
    rows_->setGeometry(area.left() - FrozenWidth(), area.top() - FrozenHeight(), FrozenWidth() + area.width(),
                       FrozenHeight());
    column_->setGeometry(area.left() - FrozenWidth(), area.top(), FrozenWidth(), area.height());
    column_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    rows_->raise();
    column_->raise();
}

void FrozenGrid::updateGeometries() {
    if (rows_ == nullptr || column_ == nullptr) {  // still being built
        QTableWidget::updateGeometries();
        return;
    }
    HideFrozenParts();
    // The headers take exactly the room of the fixed parts.
    horizontalHeader()->setFixedHeight(FrozenHeight());
    verticalHeader()->setFixedWidth(FrozenWidth());
    QTableWidget::updateGeometries();
    FitLastColumn();
    PlaceFrozenViews();
}

// The last column takes what the others leave of the visible width, less while the scroll
// bar shows: nothing runs under the scroll bar and nothing scrolls sideways.
void FrozenGrid::FitLastColumn() {
    const int last = columnCount() - 1;
    if (last < frozenColumns_) return;
    int others = 0;
    for (int c = frozenColumns_; c < last; ++c) others += columnWidth(c);
    const int width = std::max(kMinimumColumnWidth, viewport()->width() - others);
    if (columnWidth(last) != width) setColumnWidth(last, width);
}

void FrozenGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    if (rows_ != nullptr && column_ != nullptr) PlaceFrozenViews();
}

}  // namespace zul
