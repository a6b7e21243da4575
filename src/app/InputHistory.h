// The input history: the drop-down items of the input line CBoxMainStr, newest first, and
// the position of the previous-expression command.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zul {

class InputHistory {
public:
    // Item 0 is the newest. A copy: the window rebuilds its drop-down list from it.
    std::vector<std::string> Items() const { return {items_.begin(), items_.end()}; }
    const std::string& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    // Whole strings compared exactly: case and blanks count.
    bool Contains(std::string_view text) const;

    void InsertNewest(std::string text);  // as item 0
    void Append(std::string text);        // after the oldest
    void Replace(std::vector<std::string> items);
    void Clear();

    int Position() const { return position_; }
    void ResetPosition() { position_ = 0; }
    // SpButtonLastVClick: the text the input line shows next (empty after the oldest item),
    // or nothing when the history is empty.
    std::optional<std::string> PreviousExpression();

private:
    void Count(const std::string& text, int delta);

    // A deque and a count per text: a session of thousands of computations stays linear.
    std::deque<std::string> items_;
    std::unordered_map<std::string, int> counts_;
    int position_ = 0;
};

}  // namespace zul
