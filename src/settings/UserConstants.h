// The user-constants grid StrGridConst as a model: header row, the three system constants,
// the user constants and the trailing blank row, with the rules for editing and tidying.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "eval/EvalContext.h"

namespace zul {

class UserConstantsGrid {
public:
    static constexpr int kFirstUserRow = 4;
    static constexpr int kFreshRowCount = 5;  // header, pi, g, e, blank row "1."
    static constexpr int kColumns = 3;

    UserConstantsGrid();

    // Rows: 0 header, 1..3 pi, g, e, 4..RowCount()-2 user constants, RowCount()-1 blank.
    int RowCount() const { return kFirstUserRow + static_cast<int>(rows_.size()); }
    int UserCount() const { return RowCount() - kFreshRowCount; }  // CountConstants
    std::string Cell(int row, int column) const;

    // Row 0, column 0: the current settings file's name without folder.
    const std::string& FileNameCell() const { return fileName_; }
    void SetFileNameCell(std::string name) { fileName_ = std::move(name); }

    // The current-constant row (CurrentConstant + 3); clamped to the user rows and the blank row.
    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }
    void SetCurrentRow(int row);

    // Sets the user constants (name, value) exactly; the blank row follows them.
    void SetUserConstants(const std::vector<UserConstant>& constants);
    std::vector<UserConstant> UserConstants() const;  // rows 4..RowCount()-2, as stored

    // StrGridConstSetEditText: the user changed a cell of a user row or of the blank row.
    // Typing into the blank row adds a new blank row; emptying the last user row removes
    // the blank row after it. Returns false (nothing changed) for other rows and columns.
    bool SetEditText(int column, int row, std::string_view text);

    // Steps 2 to 4 of ValidateOptions: tidy the user rows (trim, drop empty rows but the
    // last), then check the values and the names. On failure the failing cell is current.
    bool TidyAndCheck();

    // Every user constant removed, current row 4, file name cell emptied.
    void Reset();

private:
    struct Row {
        std::string name;
        std::string value;
    };
    Row* UserRow(int row);
    const Row* UserRow(int row) const;

    std::vector<Row> rows_;  // grid rows 4 .. RowCount()-1 (the last is the blank row)
    std::string fileName_;
    int currentRow_ = kFirstUserRow;
    int currentColumn_ = 1;
};

}  // namespace zul
