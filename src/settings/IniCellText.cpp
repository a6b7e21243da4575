// Storing cells that hold their own separator.
#include "settings/IniCellText.h"

namespace zul {
namespace {

// Number of escapes standing right before position `end`, and whether "//" precedes them.
bool SeparatorBefore(std::string_view s, std::size_t end, std::size_t& escapes) {
    escapes = 0;
    while (end >= kCellEscape.size() && s.substr(end - kCellEscape.size(), kCellEscape.size()) == kCellEscape) {
        end -= kCellEscape.size();
        ++escapes;
    }
    return end >= 2 && s[end - 1] == '/' && s[end - 2] == '/';
}

}  // namespace

std::string EncodeCell(std::string_view cell) {
    std::string out;
    out.reserve(cell.size());
    for (std::size_t i = 0; i < cell.size(); ++i) {
        std::size_t escapes = 0;
        if (cell[i] == '!' && SeparatorBefore(cell, i, escapes)) out.append(kCellEscape);
        out += cell[i];
    }
    return out;
}

std::string DecodeCell(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        std::size_t escapes = 0;
        // The escapes before this "!" were copied as they stand: drop the last of them.
        if (stored[i] == '!' && SeparatorBefore(stored, i, escapes) && escapes > 0)
            out.resize(out.size() - kCellEscape.size());
        out += stored[i];
    }
    return out;
}

std::string EncodeConstantName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.substr(i, kCellEscape.size()) == kCellEscape) {
            out.append(kCellEscape).append(kCellEscape);
            i += kCellEscape.size() - 1;
        } else if (name[i] == '/') {
            out.append(kCellEscape).append("-");
        } else {
            out += name[i];
        }
    }
    return out;
}

std::string DecodeConstantName(std::string_view stored) {
    std::string out;
    out.reserve(stored.size());
    const std::size_t n = kCellEscape.size();
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored.substr(i, n) != kCellEscape) {
            out += stored[i];
        } else if (stored.substr(i + n, n) == kCellEscape) {
            out.append(kCellEscape);
            i += 2 * n - 1;
        } else if (stored.substr(i + n, 1) == "-") {
            out += '/';
            i += n;
        } else {
            out.append(kCellEscape);  // not an escape: kept as it stands
            i += n - 1;
        }
    }
    return out;
}

}  // namespace zul
