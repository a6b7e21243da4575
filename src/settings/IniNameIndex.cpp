// Folded hashing and comparison of INI names.
#include "settings/IniNameIndex.h"

#include "eval/Text.h"

namespace zul {

std::string_view TrimIni(std::string_view s) {
    while (!s.empty() && IsIniBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsIniBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::uint64_t FoldedNameHash(std::string_view name) {
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a
    for (char c : TrimIni(name)) {
        h ^= static_cast<unsigned char>(ToLowerAscii(c));
        h *= 1099511628211ull;
    }
    return h ^ (h >> 29);
}

bool FoldedNamesEqual(std::string_view a, std::string_view b) {
    return EqualIgnoringAsciiCase(TrimIni(a), TrimIni(b));
}

}  // namespace zul
