// Recording and recalling recent calculations.
#include "app/RecentCalculations.h"

#include "settings/IniInteger.h"

namespace zul {
namespace {
std::string ItemText(int number, std::string_view entryText) {
    return "№" + IniIntegerText(number) + ". " + std::string(entryText);
}
}  // namespace

void RecentCalculations::Reset() {
    count_ = 0;
    cursor_ = 0;
    nodes_.fill(0);
    items_.clear();
    selectedItem_ = -1;
}

bool RecentCalculations::Record(std::string_view entryText, int selectedNodeIndex) {
    if (count_ == kMaxEntries) return false;
    const bool sameAgain =
        count_ > 0 && nodes_[static_cast<std::size_t>(count_)] == selectedNodeIndex && !items_.empty();
    if (sameAgain) {
        items_.front() = ItemText(count_, entryText);
    } else {
        ++count_;
        nodes_[static_cast<std::size_t>(count_)] = selectedNodeIndex;
        cursor_ = count_;
        items_.insert(items_.begin(), ItemText(count_, entryText));
    }
    selectedItem_ = 0;
    return true;
}

int RecentCalculations::NodeOfEntry(int number) const {
    if (number < 1 || number > kMaxEntries) return 0;
    return nodes_[static_cast<std::size_t>(number)];
}

RecalledCalculation RecentCalculations::Recall() const {
    RecalledCalculation r;
    r.nodeIndex = NodeOfEntry(cursor_);
    r.showStartPicture = r.nodeIndex == 0;
    if (!items_.empty()) r.listItem = count_ - cursor_;
    return r;
}

std::optional<RecalledCalculation> RecentCalculations::PreviousCalculation(int selectedNodeIndex) {
    if (count_ == 0) return std::nullopt;
    if (cursor_ < 2) {
        cursor_ = count_;
    } else if (NodeOfEntry(cursor_) == selectedNodeIndex) {
        --cursor_;
    }
    RecalledCalculation r = Recall();
    if (r.listItem >= 0) selectedItem_ = r.listItem;
    return r;
}

std::optional<RecalledCalculation> RecentCalculations::PickItem(int itemPosition) {
    if (itemPosition < 0 || itemPosition >= static_cast<int>(items_.size())) return std::nullopt;
    cursor_ = count_ - itemPosition;
    selectedItem_ = itemPosition;
    return Recall();
}

}  // namespace zul
