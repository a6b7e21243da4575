// The input history: the drop-down items of the input line CBoxMainStr, newest first, and
// the position of the previous-expression command.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

class InputHistory {
public:
    const std::vector<std::string>& Items() const { return items_; }  // item 0 is the newest
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
    std::vector<std::string> items_;
    int position_ = 0;
};

}  // namespace zul
