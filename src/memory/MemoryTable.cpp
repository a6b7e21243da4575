// Rows, memory lines and column widths of the calculator memory.
#include "memory/MemoryTable.h"

#include <algorithm>

#include "eval/Text.h"
#include "settings/IniInteger.h"

namespace zul {
namespace {


// A width the grid can show; anything else is unreadable and takes the fall-back.
constexpr int kMaxColumnWidth = 5000;

}  // namespace

MemoryRow SplitMemoryLine(std::string_view line) {
    MemoryRow row;
    const std::size_t first = line.find(kMemorySeparator);
    if (first == std::string_view::npos) {
        row.expression = std::string(line);
        return row;
    }
    row.expression = std::string(line.substr(0, first));
    const std::string_view rest = line.substr(first + kMemorySeparator.size());
    const std::size_t second = rest.find(kMemorySeparator);
    if (second == std::string_view::npos) return row;
    row.result = Trim(rest.substr(0, second));
    row.note = Trim(rest.substr(second + kMemorySeparator.size()));
    return row;
}

std::string JoinMemoryLine(const MemoryRow& row) {
    std::string line = Trim(row.expression);
    line.append(kMemorySeparator).append(Trim(row.result));
    line.append(kMemorySeparator).append(Trim(row.note));
    return line;
}

MemoryTable::MemoryTable() : rows_(1) { SetColumnWidthsText(kStartWidthsText); }

std::string MemoryTable::RowNumberText(int r) { return IniIntegerText(r) + "."; }

std::string_view MemoryTable::HeaderText(int column) {
    static constexpr std::array<std::string_view, 4> kHeader{"№п.п.", "Выражения", "Результаты",
                                                             "Примечания"};
    return column >= 0 && column < kColumns ? kHeader[static_cast<std::size_t>(column)] : std::string_view();
}

std::string MemoryTable::CellText(int r, int column) const {
    if (r < 1 || r > RowCount()) return {};
    switch (column) {
        case 0:
            return RowNumberText(r);
        case 1:
            return Row(r).expression;
        case 2:
            return Row(r).result;
        case 3:
            return Row(r).note;
        default:
            return {};
    }
}

void MemoryTable::Select(int r, int column) {
    selectedRow_ = std::clamp(r, 1, RowCount());
    selectedColumn_ = std::clamp(column, 0, kColumns - 1);
}

bool MemoryTable::AddOrUpdateLine(int r, std::string_view line) {
    if (line.empty()) return false;
    return AddOrUpdateRow(r, SplitMemoryLine(line));
}

bool MemoryTable::AddOrUpdateRow(int r, const MemoryRow& parts) {
    if (r < 0 || r > RowCount()) return false;
    if (r == 0) {
        if (!rows_.back().IsEmpty()) {
            rows_.emplace_back();
            selectedRow_ = RowCount();
        }
        r = RowCount();
    }
    MemoryRow& row = MutableRow(r);
    if (!parts.expression.empty()) row.expression = parts.expression;
    if (!parts.result.empty()) row.result = parts.result;
    if (!parts.note.empty()) row.note = parts.note;
    return true;
}

std::string MemoryTable::MemoryLineOfRow(int r) const {
    if (r < 1 || r > RowCount()) return JoinMemoryLine({});
    return JoinMemoryLine(Row(r));
}

std::string MemoryTable::ResultOfRow(int r) const {
    if (r < 1 || r > RowCount()) return {};
    return Row(r).result;
}

void MemoryTable::SetCell(int r, int column, std::string_view text) {
    if (r < 1 || r > RowCount()) return;
    MemoryRow& row = MutableRow(r);
    if (column == 1) row.expression = std::string(text);
    if (column == 2) row.result = std::string(text);
    if (column == 3) row.note = std::string(text);
}

void MemoryTable::AddRowAtSelection() {
    // The new row goes to the end; the rows from the selection down then move one down,
    // so the empty row stands at the selected position.
    if (selectedRow_ == RowCount()) {
        rows_.emplace_back();
        selectedRow_ = RowCount();
        return;
    }
    rows_.insert(rows_.begin() + (selectedRow_ - 1), MemoryRow{});
}

bool MemoryTable::DeleteSelectedRow() {
    if (!DeleteEnabled()) return false;
    rows_.erase(rows_.begin() + (selectedRow_ - 1));
    selectedRow_ = std::min(selectedRow_, RowCount());
    return true;
}

bool MemoryTable::MoveSelectedUp() {
    if (selectedRow_ < 2) return false;
    std::swap(MutableRow(selectedRow_), MutableRow(selectedRow_ - 1));
    --selectedRow_;
    return true;
}

bool MemoryTable::MoveSelectedDown() {
    if (selectedRow_ >= RowCount()) return false;
    std::swap(MutableRow(selectedRow_), MutableRow(selectedRow_ + 1));
    ++selectedRow_;
    return true;
}

void MemoryTable::Clear() {
    rows_.assign(1, MemoryRow{});
    selectedRow_ = 1;
    selectedColumn_ = 1;
}

std::vector<std::string> MemoryTable::Expressions() const {
    std::vector<std::string> out;
    for (const MemoryRow& row : rows_)
        if (!Trim(row.expression).empty()) out.push_back(row.expression);
    return out;
}

void MemoryTable::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= kColumns) return;
    widths_[static_cast<std::size_t>(column)] = std::clamp(width, 0, kMaxColumnWidth);
}

std::string MemoryTable::ColumnWidthsText() const {
    std::string text;
    for (int i = 0; i < kColumns; ++i) {
        if (i > 0) text += ' ';
        text += IniIntegerText(widths_[static_cast<std::size_t>(i)]);
    }
    return text;
}

void MemoryTable::SetColumnWidthsText(std::string_view text) {
    widths_ = kFallbackWidths;
    if (text.empty()) return;
    std::string rest(text);
    for (std::size_t column = 0; column < widths_.size(); ++column) {
        std::string piece;
        if (column + 1 == widths_.size()) {
            piece = Trim(rest);  // the last column takes what remains
        } else {
            const std::size_t blank = rest.find(' ');
            if (blank != std::string::npos) {
                piece = Trim(std::string_view(rest).substr(0, blank + 1));
                rest.erase(0, blank + 1);
            }
        }
        int width = 0;
        if (ReadIniInteger(piece, width) && width >= 0 && width <= kMaxColumnWidth) widths_[column] = width;
    }
}

}  // namespace zul
