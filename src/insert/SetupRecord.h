// TMasDatStr: the set-up record that the insert-formula command hands to the dialog.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zul {

struct TMasDatStr {
    static constexpr int kMaxFields = 6;

    std::uint8_t count = 0;               // fields to show, 1..6; 0: nothing to show
    std::array<std::string, 7> strings;   // [0] formula template (may be empty), [1..6] captions

    const std::string& Template() const { return strings[0]; }
    const std::string& Caption(int field) const { return strings.at(static_cast<std::size_t>(field)); }
};

}  // namespace zul
