// The time sum: negative groups are moved out of the line, the rest is added group by group
// with carries (plus-sum), and the negatives are subtracted in seconds (minus-sum).
#include "calc/TimeSum.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "eval/Extended.h"

namespace zul {
namespace {

struct TimeGroup {
    std::int64_t h = 0, m = 0, s = 0;
};

// Blanks are ignored anywhere in a time line, so they are dropped before any rule looks at
// the text; the rules below then never meet one.
std::string WithoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text)
        if (static_cast<unsigned char>(ch) > 32) out += ch;
    return out;
}

// A whole decimal integer with an optional leading sign, within the 32-bit integer range.
bool ReadInteger(std::string_view text, std::int64_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) return false;
    std::int64_t magnitude = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = negative ? -magnitude : magnitude;
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

// Reads "[h:m:s]" from the front of a blank-free text (anything before its "[" is dropped)
// and advances the text past the group's "]". False when no complete group stands there.
bool ReadTimeGroup(std::string_view& rest, TimeGroup& group) {
    std::size_t open = rest.find('[');
    if (open == std::string_view::npos || rest.find(']') == std::string_view::npos) return false;
    std::string_view t = rest.substr(open + 1);
    std::size_t colon1 = t.find(':');
    if (colon1 == std::string_view::npos || !ReadInteger(t.substr(0, colon1), group.h)) return false;
    t.remove_prefix(colon1 + 1);
    std::size_t colon2 = t.find(':');
    if (colon2 == std::string_view::npos || !ReadInteger(t.substr(0, colon2), group.m)) return false;
    t.remove_prefix(colon2 + 1);
    std::size_t close = t.find(']');
    if (close == std::string_view::npos || !ReadInteger(t.substr(0, close), group.s)) return false;
    rest = t.substr(close + 1);
    return true;
}

std::string DecimalText(std::int64_t v) {
    char buffer[24];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, v);
    (void)error;  // 24 characters hold every 64-bit integer
    return std::string(buffer, end);
}

std::string TwoDigits(std::int64_t v) {
    std::string digits = DecimalText(v);
    return v < 10 ? "0" + digits : digits;
}

// "[" optional "-" hours ":" minutes ":" seconds "]". Hours from 0 to 9 get a leading "0",
// negative hours none; minutes and seconds are written as magnitudes below 10 with one.
std::string FormatTime(std::int64_t h, std::int64_t m, std::int64_t s, bool negative) {
    std::string hours = DecimalText(std::llabs(h));
    if (h >= 0 && h <= 9) hours = "0" + hours;
    return std::string("[") + (negative ? "-" : "") + hours + ":" + TwoDigits(std::llabs(m)) + ":" +
           TwoDigits(std::llabs(s)) + "]";
}

// Adds the groups with at most one carry per step, so "[00:00:150]" gives "[00:01:90]".
// Empty when a group cannot be read or the text holds none.
std::string PlusSum(std::string_view text) {
    std::int64_t H = 0, M = 0, S = 0;
    bool any = false;
    while (!text.empty()) {
        TimeGroup g;
        if (!ReadTimeGroup(text, g)) return {};
        any = true;
        S += std::llabs(g.s);
        if (S >= 60) {
            S -= 60;
            M += 1;
            if (M >= 60) {
                M -= 60;
                H += 1;
            }
        }
        M += std::llabs(g.m);
        if (M >= 60) {
            M -= 60;
            H += 1;
        }
        if (__builtin_add_overflow(H, std::llabs(g.h), &H)) return {};
    }
    return any ? FormatTime(H, M, S, false) : std::string();
}

// The first group minus every later one, in seconds, written back as hours, minutes and
// seconds carrying the sign of the total. Empty when a group cannot be read.
std::string MinusSum(std::string_view text) {
    std::int64_t Q = 0;
    bool first = true;
    while (!text.empty()) {
        TimeGroup g;
        if (!ReadTimeGroup(text, g)) return {};
        std::int64_t T = g.s + (g.m > 0 ? 60 * g.m : 0) + (g.h > 0 ? 3600 * g.h : 0);
        if (first) {
            Q = T;
            first = false;
        } else if (__builtin_sub_overflow(Q, T, &Q)) {
            return {};
        }
    }
    if (first) return {};
    Extended H = 0, M = 0, S = 0;
    if (std::llabs(Q) < 60) {
        S = static_cast<Extended>(Q);
    } else {
        Extended minutes = static_cast<Extended>(Q) / 60;
        S = std::nearbyint((minutes - std::trunc(minutes)) * 60);  // frac keeps the sign
        M = std::trunc(minutes);
        if (std::llabs(Q) >= 3600) {
            Extended hours = M / 60;
            H = std::trunc(hours);
            M = std::nearbyint((hours - std::trunc(hours)) * 60);
        }
    }
    return FormatTime(static_cast<std::int64_t>(H), static_cast<std::int64_t>(M), static_cast<std::int64_t>(S),
                      Q < 0);
}

}  // namespace

bool TimeSum(std::string_view line, int code, std::string& text) {
    if (line.empty() || code != kTimeSumCode) return false;

    // Move the negative groups out: each "-" takes with it the character in front of it
    // (the group's "[") through the next "]". A "-" with nothing in front of it or no "]"
    // after it cannot be moved, and the sum fails. One scan does what cutting group after
    // group from the front would do, since the text before a cut never holds a "-".
    std::string t = WithoutBlanks(line);
    std::string kept, negatives;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '-') {
            kept += t[i];
            continue;
        }
        std::size_t close = t.find(']', i);
        if (kept.empty() || close == std::string::npos) return false;
        char opening = kept.back();
        kept.pop_back();
        negatives += opening;
        negatives.append(t, i, close - i + 1);
        i = close;
    }

    std::string result;
    if (negatives.empty()) {
        result = PlusSum(kept);
    } else {
        // A plus group that cannot be read fails the whole sum; subtracting from an empty
        // plus-sum would show a wrong time.
        std::string plus = kept.empty() ? "[00:00:00]" : PlusSum(kept);
        if (plus.empty()) return false;
        std::string subtrahends;
        for (char ch : negatives)
            if (ch != '-') subtrahends += ch;
        result = MinusSum(plus + subtrahends);
    }
    if (result.empty()) return false;
    text = result;
    return true;
}

}  // namespace zul
