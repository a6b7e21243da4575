// Folded hashing and comparison of INI names.
#include "settings/IniNameIndex.h"

namespace zul {
namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view TrimIni(std::string_view s) {
    while (!s.empty() && IsIniBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsIniBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::uint64_t FoldedNameHash(std::string_view name) {
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a
    for (char c : TrimIni(name)) {
        h ^= static_cast<unsigned char>(FoldAscii(c));
        h *= 1099511628211ull;
    }
    return h ^ (h >> 29);
}

bool FoldedNamesEqual(std::string_view a, std::string_view b) {
    a = TrimIni(a);
    b = TrimIni(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

}  // namespace zul
