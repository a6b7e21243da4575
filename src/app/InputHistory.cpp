// Input history and the previous-expression command.
#include "app/InputHistory.h"

#include <algorithm>

namespace zul {

bool InputHistory::Contains(std::string_view text) const { return counts_.count(std::string(text)) > 0; }

void InputHistory::Count(const std::string& text, int delta) {
    auto it = counts_.try_emplace(text, 0).first;
    it->second += delta;
    if (it->second <= 0) counts_.erase(it);
}

void InputHistory::InsertNewest(std::string text) {
    Count(text, 1);
    items_.push_front(std::move(text));
}

void InputHistory::Append(std::string text) {
    Count(text, 1);
    items_.push_back(std::move(text));
}

void InputHistory::Replace(std::vector<std::string> items) {
    items_.assign(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    counts_.clear();
    for (const std::string& item : items_) Count(item, 1);
    position_ = std::min(position_, Count());
}

void InputHistory::Clear() {
    items_.clear();
    counts_.clear();
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
