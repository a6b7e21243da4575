// Character classes of the expression text and the standalone test for names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zul {

inline bool IsOperatorChar(char c) { return c == '*' || c == '+' || c == '-' || c == '/'; }
inline bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }
// Latin letters and every byte of a multi-byte UTF-8 character (Cyrillic names).
inline bool IsLetterChar(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || u >= 0x80;
}

// Whether the name of length n at 0-based position p of s stands alone: the name is the
// whole text, or an operator or parenthesis delimits one side of it, or it opens the text
// before "^". A letter on either side, or a digit or "." in front, always glues the name
// to a longer word or number ("exp", "Re", "1e5", "2pi" are no standalone e or pi).
bool IsStandalone(std::string_view s, std::size_t p, std::size_t n);

// Replaces s[pos, pos+len) by text.
inline void ReplaceRange(std::string& s, std::size_t pos, std::size_t len, std::string_view text) {
    s.replace(pos, len, text);
}

}  // namespace zul
