// Character classes of the expression text, the standalone test for names, and the text that
// a reduced sub-expression leaves behind.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "eval/Extended.h"

namespace zul {

inline bool IsOperatorChar(char c) { return c == '*' || c == '+' || c == '-' || c == '/'; }
inline bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }
// Latin letters and every byte of a multi-byte UTF-8 character (Cyrillic names).
inline bool IsLetterChar(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || u >= 0x80;
}
// A character that a number written right before it would swallow: a digit, "." or a letter
// (the exponent letters "E" and "e" among them). "(3)4" must not become 34.
inline bool GluesToNumber(char c) { return IsDigitChar(c) || c == '.' || IsLetterChar(c); }

// Whether the name of length n at 0-based position p of s stands alone: the name is the
// whole text, or an operator or parenthesis delimits one side of it, or it opens the text
// before "^". A letter on either side, a digit or "." on either side, or a ")" or "!" in
// front always glues the name to a longer word or number ("exp", "Re", "1e5", "2pi", "pi3",
// "(2)pi" are no standalone e or pi): its value would otherwise join the digits beside it.
bool IsStandalone(std::string_view s, std::size_t p, std::size_t n);

// Replaces s[pos, pos+len) by text.
inline void ReplaceRange(std::string& s, std::size_t pos, std::size_t len, std::string_view text) {
    s.replace(pos, len, text);
}

// The text that a reduced sub-expression leaves: the exponent text of its value, in
// parentheses when the value is negative and a "^" or "!" follows, so that the sign stays
// with the value: sin(-1)^2 -> "(-8.41470984807897E-0001)^2", never -(0.84...^2).
std::string ReplacementText(Extended value, char next);

}  // namespace zul
