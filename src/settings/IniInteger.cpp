// Strict integer conversion for INI values.
#include "settings/IniInteger.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace zul {

bool ReadIniInteger(std::string_view text, int& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        const bool hex = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!digit && !(base == 16 && hex)) return false;
    }
    std::uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : std::numeric_limits<int>::max();
    if (magnitude > limit) {
        // Hexadecimal texts are 32-bit patterns: $FFFFFFFF is -1.
        if (base != 16 || negative || magnitude > 0xFFFFFFFFu) return false;
        value = static_cast<int>(static_cast<std::uint32_t>(magnitude));
        return true;
    }
    value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
    return true;
}

int IniIntegerOr(std::string_view text, int defaultValue) {
    int v = 0;
    return ReadIniInteger(text, v) ? v : defaultValue;
}

std::string IniIntegerText(long long value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

}  // namespace zul
