// A string grid whose first rows and first column stay in place while the rest scrolls, as
// in a spreadsheet: the user-constants grid keeps its header, pi, g, e and the numbers in
// view however many constants there are. Cells show their whole text where they can (a cut
// one has it as a tooltip); Tab and Enter commit a cell and move on to the next.
#pragma once

#include <QTableWidget>

namespace zul {

class FitTextDelegate;

class FrozenGrid : public QTableWidget {
    Q_OBJECT
public:
    FrozenGrid(int frozenRows, int frozenColumns, QWidget* parent = nullptr);

    // The fixed widths of the columns; the last one takes the rest of the visible width.
    void SetColumnWidths(const std::vector<int>& widths);
    void SetRowHeight(int height);
    // The texts of this column may step down to a font of `minPixels` to be shown whole.
    void SetShrinkColumn(int column, int minPixels);

    // The cell whose editor is open, or (-1, -1).
    QModelIndex EditedIndex() const;
    // An open cell editor hands its text to the table and closes.
    void CommitEdit();

    // The views that show the fixed rows (with the fixed corner) and the fixed column.
    QTableView* FrozenRowsView() const { return rows_; }
    QTableView* FrozenColumnView() const { return column_; }

signals:
    // Each change of the text in an open cell editor, before it is committed.
    void cellTextEdited(int row, int column, const QString& text);

protected:
    void updateGeometries() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTableView* MakeFrozenView();
    void HideFrozenParts();
    void PlaceFrozenViews();
    void FitLastColumn();
    int FrozenWidth() const;
    int FrozenHeight() const;

    int frozenRows_;
    int frozenColumns_;
    std::vector<int> widths_;
    QTableView* rows_ = nullptr;
    QTableView* column_ = nullptr;
};

}  // namespace zul
