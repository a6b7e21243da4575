// Small text rules that every layer uses: trimming and ASCII letter case. Only ASCII
// letters change case; the bytes of Russian letters stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace zul {

// Removes the characters of code 32 and below at both ends.
std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);

inline char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
inline char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
std::string ToLowerAscii(std::string_view s);
std::string ToUpperAscii(std::string_view s);
// Equal when ASCII letter case is ignored: "Zul.INI" and "zul.ini".
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace zul
