// The string grid of the memory and list windows.
#include "widgets/StringGrid.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QLineEdit>
#include <QMetaObject>
#include <algorithm>

#include "widgets/FitText.h"
#include "widgets/FitTextDelegate.h"
#include "widgets/GridHeader.h"
#include "widgets/QtText.h"

namespace zul {

namespace {

// Widths come from files too; a width beyond any screen is not a width.
constexpr int kMaxColumnWidth = 4000;

}  // namespace

void GridModel::SetHeader(int column, const QString& text) {
    if (column < 0 || column >= static_cast<int>(headers_.size())) return;
    headers_[static_cast<std::size_t>(column)] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridModel::Reload() {
    beginResetModel();
    rows_ = access_.rowCount ? access_.rowCount() : 0;
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !access_.cell) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    QString text = ToQ(access_.cell(index.row() + 1, index.column()));
    if (role == Qt::DisplayRole && text.size() > kShownCharacters) {
        text.truncate(kShownCharacters);
        text += QStringLiteral("…");
    }
    // A line break inside a cell would hide the rest of the text in a one-line row.
    if (role == Qt::DisplayRole) text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !access_.edit) return false;
    const std::string text = value.toString().toStdString();
    if (access_.cell && access_.cell(index.row() + 1, index.column()) == text) return false;
    access_.edit(index.row() + 1, index.column(), text);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (access_.editable && access_.editable(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // GridHeader fits the caption to its column and gives a cut one as a tooltip.
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= static_cast<int>(headers_.size())) return {};
    return headers_[static_cast<std::size_t>(section)];
}

StringGrid::StringGrid(int columns, QWidget* parent)
    : QTableView(parent), model_(new GridModel(columns, this)), delegate_(new FitTextDelegate(this)) {
    setHorizontalHeader(new GridHeader(this));
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    // Fixed row heights keep a list of 100,000 lines as quick as one of ten.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && !silent_) emit cellSelected(current.row() + 1, current.column());
    });
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                if (from == to) emit cellEdited(from.row() + 1, from.column());
            });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!settingWidths_) emit columnResized(column, width);
    });
}

void StringGrid::Reload() {
    // Resetting the model drops the current cell and may reset the column widths; put both
    // back without a selection event.
    const int row = CurrentRow();
    const int column = CurrentColumn();
    const std::vector<int> widths = ColumnWidths();
    silent_ = true;
    model_->Reload();
    SetColumnWidths(widths);
    if (row > 0 && model_->rowCount() > 0)
        setCurrentIndex(model_->index(std::min(row, model_->rowCount()) - 1, column));
    silent_ = false;
}

void StringGrid::SetShrinkColumn(int column, int minPixels) {
    delegate_->SetShrinkColumn(column, minPixels);
    viewport()->update();
}

QFont StringGrid::CellFont(int row, int column) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex index = model_->index(row - 1, column);
    option.rect = visualRect(index);
    return delegate_->Fit(option, index).font;
}

QRect StringGrid::CellTextRect(int row, int column) const {
    return FitTextDelegate::TextRect(visualRect(model_->index(row - 1, column)));
}

int StringGrid::CurrentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int StringGrid::CurrentColumn() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void StringGrid::SetCurrentCell(int row, int column, bool notify) {
    if (row < 1 || row > model_->rowCount() || column < 0 || column >= model_->columnCount()) return;
    const QModelIndex target = model_->index(row - 1, column);
    if (!notify) {
        silent_ = true;
        setCurrentIndex(target);
        silent_ = false;
    } else if (target == currentIndex()) {
        emit cellSelected(row, column);  // the captions follow the cell even when it stays
    } else {
        setCurrentIndex(target);
    }
    scrollTo(target);
}

void StringGrid::CommitEdit() {
    if (state() != QAbstractItemView::EditingState) return;
    QWidget* editor = indexWidget(currentIndex());
    if (editor == nullptr) return;
    QMetaObject::invokeMethod(this, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
    QMetaObject::invokeMethod(this, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget*, editor),
                              Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
}

void StringGrid::SetColumnWidths(std::span<const int> widths) {
    settingWidths_ = true;
    for (std::size_t i = 0; i < widths.size() && static_cast<int>(i) < model_->columnCount(); ++i)
        setColumnWidth(static_cast<int>(i), std::clamp(widths[i], 0, kMaxColumnWidth));
    settingWidths_ = false;
}

std::vector<int> StringGrid::ColumnWidths() const {
    std::vector<int> widths;
    for (int c = 0; c < model_->columnCount(); ++c) widths.push_back(columnWidth(c));
    return widths;
}

}  // namespace zul
