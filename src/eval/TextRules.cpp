// The standalone test for constant and user-constant names, and replacement texts.
#include "eval/TextRules.h"

#include "eval/NumberText.h"

namespace zul {

bool IsStandalone(std::string_view s, std::size_t p, std::size_t n) {
    const std::size_t len = s.size();
    const char before = p > 0 ? s[p - 1] : '\0';
    const char after = p + n < len ? s[p + n] : '\0';
    if (GluesToNumber(before) || GluesToNumber(after) || before == ')' || before == '!') return false;
    if (n == len) return true;
    if (p > 0 && (before == '(' || IsOperatorChar(before))) return true;
    if (p + n < len && (after == ')' || IsOperatorChar(after))) return true;
    return p == 0 && after == '^';
}

std::string ReplacementText(Extended value, char next) {
    std::string text = ExponentText(value);
    if (text[0] == '-' && (next == '^' || next == '!')) return "(" + text + ")";
    return text;
}

}  // namespace zul
