// The calculator memory StrGridChisl as a model: rows of expression, result and note, the
// selected cell, the insert mode and the column widths.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

inline constexpr std::string_view kMemorySeparator = "//!";

struct MemoryRow {
    std::string expression;  // column 1 "Выражения"
    std::string result;      // column 2 "Результаты"
    std::string note;        // column 3 "Примечания"
    bool IsEmpty() const { return expression.empty() && result.empty() && note.empty(); }
};

// ComBoxKakVst item index.
enum class MemoryInsertMode { AtStart = 0, AtEnd = 1, Replace = 2 };

// Splits a memory line: expression before the first "//!" (as it stands), then the result
// and the note, trimmed; without a second "//!" the result and the note are empty.
MemoryRow SplitMemoryLine(std::string_view line);
// "expr//!result//!note", each cell trimmed.
std::string JoinMemoryLine(const MemoryRow& row);

class MemoryTable {
public:
    static constexpr int kColumns = 4;
    static constexpr std::array<int, 4> kFallbackWidths{40, 310, 108, 100};
    static constexpr std::string_view kStartWidthsText = "40 310 112 96";

    MemoryTable();

    // Data rows are numbered from 1; there is always at least one.
    int RowCount() const { return static_cast<int>(rows_.size()); }
    const MemoryRow& Row(int r) const { return rows_.at(static_cast<std::size_t>(r - 1)); }
    // Column 0 shows the row's number: "1.", "2.", ...
    static std::string RowNumberText(int r);
    // Header cells of row 0.
    static std::string_view HeaderText(int column);
    std::string CellText(int r, int column) const;  // column 0..3

    int SelectedRow() const { return selectedRow_; }
    int SelectedColumn() const { return selectedColumn_; }
    void Select(int r, int column);
    bool DeleteEnabled() const { return rows_.size() >= 2; }  // BBtnDec

    // r = 0 appends (reusing an entirely empty last row), r > 0 updates row r; empty parts
    // leave their cells alone. An empty text or a row beyond the table does nothing.
    // Returns whether the table changed.
    bool AddOrUpdateLine(int r, std::string_view line);
    // The same with the cells given apart, so that a cell holding "//!" stays whole.
    bool AddOrUpdateRow(int r, const MemoryRow& parts);
    // The memory line of row r; a row the table lacks gives the two separators alone.
    std::string MemoryLineOfRow(int r) const;
    // The result cell as stored; empty when the table has no row r.
    std::string ResultOfRow(int r) const;

    void SetCell(int r, int column, std::string_view text);  // columns 1..3
    void AddRowAtSelection();                                // BBtnIncClick
    bool DeleteSelectedRow();                                // BBtnDecClick after "Yes"
    bool MoveSelectedUp();
    bool MoveSelectedDown();
    void Clear();  // one empty row, cell (1, 1) selected
    // Expressions of the rows whose trimmed expression is not empty, in row order.
    std::vector<std::string> Expressions() const;

    MemoryInsertMode InsertMode() const { return insertMode_; }
    void SetInsertMode(MemoryInsertMode mode) { insertMode_ = mode; }

    const std::array<int, 4>& ColumnWidths() const { return widths_; }
    void SetColumnWidth(int column, int width);
    std::string ColumnWidthsText() const;
    void SetColumnWidthsText(std::string_view text);

private:
    MemoryRow& MutableRow(int r) { return rows_.at(static_cast<std::size_t>(r - 1)); }

    std::vector<MemoryRow> rows_;
    int selectedRow_ = 1;
    int selectedColumn_ = 1;
    MemoryInsertMode insertMode_ = MemoryInsertMode::AtStart;
    std::array<int, 4> widths_{};
};

}  // namespace zul
