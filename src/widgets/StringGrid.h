// A string grid over a table of the core: the view asks the core for every cell it paints
// and hands every edit straight back, so a list of 100,000 lines costs no widgets.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QTableView>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zul {

// How the grid reaches its table. Rows are counted from 1 (row 0 is the header row).
struct GridAccess {
    std::function<int()> rowCount;
    std::function<std::string(int row, int column)> cell;
    // A cell the user finished editing; the grid shows what the core keeps afterwards.
    std::function<void(int row, int column, const std::string& text)> edit;
    std::function<bool(int column)> editable;
};

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A cell longer than this shows its beginning only (its editor gets the whole text):
    // laying out a megabyte of text at every repaint would freeze the window.
    static constexpr int kShownCharacters = 2000;

    GridModel(int columns, QObject* parent) : QAbstractTableModel(parent), headers_(columns) {}

    void SetAccess(GridAccess access) { access_ = std::move(access); }
    void SetHeader(int column, const QString& text);
    void Reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    GridAccess access_;
    std::vector<QString> headers_;
    int rows_ = 0;  // as last reported to the view
};

class FitTextDelegate;

class StringGrid : public QTableView {
    Q_OBJECT
public:
    StringGrid(int columns, QWidget* parent);

    // The texts of this column (the results) may take a font down to `minPixels` so that
    // they show whole in the column's width.
    void SetShrinkColumn(int column, int minPixels);
    // How the text of a cell is painted: its font and the rectangle it must stay inside.
    QFont CellFont(int row, int column) const;
    QRect CellTextRect(int row, int column) const;

    void SetAccess(GridAccess access) { model_->SetAccess(std::move(access)); }
    void SetHeader(int column, const QString& text) { model_->SetHeader(column, text); }
    // Shows the table anew (rows added, removed or changed by the core).
    void Reload();
    // The current cell; rows from 1, 0 when there is none.
    int CurrentRow() const;
    int CurrentColumn() const;
    // Makes the cell current and visible. With notify the selection signal runs as for a
    // click; without it only the view follows the table.
    void SetCurrentCell(int row, int column, bool notify = true);
    // An open cell editor hands its text to the core before a command or closing.
    void CommitEdit();
    void SetColumnWidths(std::span<const int> widths);
    std::vector<int> ColumnWidths() const;

signals:
    void cellSelected(int row, int column);
    void cellEdited(int row, int column);
    void columnResized(int column, int width);

private:
    GridModel* model_;
    FitTextDelegate* delegate_;
    bool settingWidths_ = false;
    bool silent_ = false;  // the view follows the table: no selection signal
};

}  // namespace zul
