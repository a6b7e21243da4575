// Input history and the previous-expression command.
#include "app/InputHistory.h"

#include <algorithm>

namespace zul {

bool InputHistory::Contains(std::string_view text) const {
    return std::find(items_.begin(), items_.end(), text) != items_.end();
}

void InputHistory::InsertNewest(std::string text) { items_.insert(items_.begin(), std::move(text)); }

void InputHistory::Append(std::string text) { items_.push_back(std::move(text)); }

void InputHistory::Replace(std::vector<std::string> items) {
    items_ = std::move(items);
    position_ = std::min(position_, Count());
}

void InputHistory::Clear() {
    items_.clear();
    position_ = 0;
}

std::optional<std::string> InputHistory::PreviousExpression() {
    if (items_.empty()) return std::nullopt;
    // A position equal to the count stands for the empty line after the oldest item.
    position_ = std::clamp(position_, 0, Count());
    std::string shown = position_ < Count() ? items_[static_cast<std::size_t>(position_)] : std::string();
    ++position_;
    if (position_ > Count()) position_ = 0;
    return shown;
}

}  // namespace zul
