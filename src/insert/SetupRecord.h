// TMasDatStr: the set-up record that the insert-formula command hands to the dialog, and
// what the dialog gives back.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace zul {

struct TMasDatStr {
    static constexpr int kMaxFields = 6;

    std::uint8_t count = 0;               // fields to show, 1..6; 0: nothing to show
    std::array<std::string, 7> strings;   // [0] formula template (may be empty), [1..6] captions

    const std::string& Template() const { return strings[0]; }
    const std::string& Caption(int field) const { return strings.at(static_cast<std::size_t>(field)); }
};

// What RunDialog reports: whether "Вставить" ended the showing, and the text.
struct DialogOutcome {
    bool inserted = false;
    std::string text;
};
using RunDialogFunction = std::function<DialogOutcome(const std::string& title, const TMasDatStr& record)>;

}  // namespace zul
