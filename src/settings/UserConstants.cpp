// Rows, editing and tidying of the user-constants grid.
#include "settings/UserConstants.h"

#include <algorithm>
#include <numbers>

#include "eval/NumberText.h"
#include "settings/ConstantsNumber.h"
#include "settings/IniInteger.h"

namespace zul {
namespace {


struct SystemConstant {
    const char* name;
    std::string value;
};

const SystemConstant& System(int row) {
    static const SystemConstant kSystem[3] = {
        {"pi", Trim(FixedText(std::numbers::pi_v<long double>))},
        {"g", "9.80665"},
        {"e", Trim(FixedText(std::numbers::e_v<long double>))},
    };
    return kSystem[row - 1];
}

}  // namespace

UserConstantsGrid::UserConstantsGrid() : rows_(1) {}

UserConstantsGrid::Row* UserConstantsGrid::UserRow(int row) {
    if (row < kFirstUserRow || row >= RowCount()) return nullptr;
    return &rows_[static_cast<std::size_t>(row - kFirstUserRow)];
}

const UserConstantsGrid::Row* UserConstantsGrid::UserRow(int row) const {
    if (row < kFirstUserRow || row >= RowCount()) return nullptr;
    return &rows_[static_cast<std::size_t>(row - kFirstUserRow)];
}

std::string UserConstantsGrid::Cell(int row, int column) const {
    if (row == 0) {
        if (column == 0) return fileName_;
        return column == 1 ? "Имя" : column == 2 ? "Значение" : "";
    }
    if (row >= 1 && row <= 3) {
        if (column == 0) return "0.";
        return column == 1 ? System(row).name : column == 2 ? System(row).value : "";
    }
    const Row* r = UserRow(row);
    if (!r) return {};
    if (column == 0) return IniIntegerText(row - 3) + ".";
    return column == 1 ? r->name : column == 2 ? r->value : "";
}

void UserConstantsGrid::SetCurrentRow(int row) {
    currentRow_ = std::clamp(row, kFirstUserRow, RowCount() - 1);
}

void UserConstantsGrid::SetUserConstants(const std::vector<UserConstant>& constants) {
    rows_.clear();
    for (const UserConstant& c : constants) rows_.push_back({c.name, c.value});
    rows_.emplace_back();
    SetCurrentRow(currentRow_);
}

std::vector<UserConstant> UserConstantsGrid::UserConstants() const {
    std::vector<UserConstant> out;
    for (std::size_t i = 0; i + 1 < rows_.size(); ++i) out.push_back({rows_[i].name, rows_[i].value});
    return out;
}

bool UserConstantsGrid::SetEditText(int column, int row, std::string_view text) {
    Row* r = UserRow(row);
    if (!r || column < 1 || column > 2) return false;
    (column == 1 ? r->name : r->value) = std::string(text);
    currentRow_ = row;
    currentColumn_ = column;
    const bool filled = !r->name.empty() || !r->value.empty();
    if (row == RowCount() - 1 && filled) {
        rows_.emplace_back();  // the edited row becomes a user constant
    } else if (row == RowCount() - 2 && !filled) {
        rows_.pop_back();  // the emptied last user row becomes the blank row again
    }
    return true;
}

bool UserConstantsGrid::TidyAndCheck() {
    // Tidy: as many steps as there were user rows; a removed row's successor moves into
    // its position and is not examined again in this pass.
    const int userRows = UserCount();
    int position = kFirstUserRow;
    for (int step = 0; step < userRows; ++step, ++position) {
        Row* r = UserRow(position);
        if (!r || position >= RowCount() - 1) break;  // the blank row or beyond
        r->name = Trim(r->name);
        r->value = Trim(r->value);
        const bool lastUserRow = position == RowCount() - 2;
        if (r->name.empty() && r->value.empty() && !lastUserRow) {
            rows_.erase(rows_.begin() + (position - kFirstUserRow));
            if (currentRow_ == position && currentRow_ > kFirstUserRow) --currentRow_;
        }
    }
    SetCurrentRow(currentRow_);
    for (int row = kFirstUserRow; row < RowCount() - 1; ++row) {
        const Row& r = *UserRow(row);
        if (!r.value.empty() && !IsNumber(r.value)) {
            currentRow_ = row;
            currentColumn_ = 2;
            return false;
        }
    }
    for (int row = kFirstUserRow; row < RowCount() - 1; ++row) {
        const Row& r = *UserRow(row);
        if (r.name == System(1).name || r.name == System(2).name || r.name == System(3).name) {
            currentRow_ = row;
            currentColumn_ = 1;
            return false;
        }
    }
    return true;
}

void UserConstantsGrid::Reset() {
    rows_.assign(1, Row{});
    fileName_.clear();
    currentRow_ = kFirstUserRow;
    currentColumn_ = 1;
}

}  // namespace zul
