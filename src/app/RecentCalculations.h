// The recent calculations of the toolbar list ComBoxSelRas: up to 255 numbered entries, the
// tree node of each, and the cursor of the previous-calculation command.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zul {

// What the window does to bring back a calculation.
struct RecalledCalculation {
    int nodeIndex = 0;              // select this node of TViewTip (its selection handler runs)
    bool showStartPicture = false;  // the entry is node 0: also show picture 1
    int listItem = -1;              // select this item of ComBoxSelRas; -1: none
};

class RecentCalculations {
public:
    static constexpr int kMaxEntries = 255;

    void Reset();
    // Records the calculation computed at the selected node. entryText is "=" + result for
    // the compute command, "#" + result for the insert-formula dialog. Returns false when
    // the list is full.
    bool Record(std::string_view entryText, int selectedNodeIndex);

    // SpButtonLastRClick; nothing when no calculation was recorded.
    std::optional<RecalledCalculation> PreviousCalculation(int selectedNodeIndex);
    // ComBoxSelRasChange with the position of the chosen item (0 = top).
    std::optional<RecalledCalculation> PickItem(int itemPosition);

    int Count() const { return count_; }
    int Cursor() const { return cursor_; }
    int NodeOfEntry(int number) const;                                // 1..255; 0 outside
    const std::vector<std::string>& Items() const { return items_; }  // newest first
    int SelectedItem() const { return selectedItem_; }

private:
    RecalledCalculation Recall() const;

    int count_ = 0;
    int cursor_ = 0;
    std::array<int, kMaxEntries + 1> nodes_{};  // entry 0 unused
    std::vector<std::string> items_;
    int selectedItem_ = -1;
};

}  // namespace zul
