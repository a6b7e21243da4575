// Operand finders of the binary operations, the power and the factorial.
#include "eval/OperandFinder.h"

#include "eval/NumberText.h"
#include "eval/TextRules.h"

namespace zul {

namespace {

bool IsStopChar(char c) { return IsOperatorChar(c) || c == '^'; }

// Strips "(" from the front and ")" from the end, trims and reads the rest as a number.
bool ReadOperandText(std::string_view t, Extended& value) {
    std::size_t b = 0, e = t.size();
    while (b < e && t[b] == '(') ++b;
    while (e > b && t[e - 1] == ')') --e;
    std::string_view core = TrimView(t.substr(b, e - b));
    return !core.empty() && ReadNumber(core, value);
}

}  // namespace

bool FindRightOperand(std::string_view s, std::size_t i, Operand& out) {
    const std::size_t len = s.size();
    if (i + 1 >= len) return false;
    const char op = s[i];
    std::size_t end = len - 1;
    for (std::size_t j = i + 1; j < len; ++j) {
        const char c = s[j];
        if (IsStopChar(c) || c == ')') {
            const bool signOfOperand = j == i + 1 && (c == '+' || c == '-') && (op == '*' || op == '/' || op == '^');
            const bool signOfExponent = s[j - 1] == 'E';
            if (!signOfOperand && !signOfExponent) {
                end = j - 1;
                break;
            }
        }
    }
    if (end + 1 < len) {
        const char next = s[end + 1];
        if ((op == '+' || op == '-') && (next == '*' || next == '/')) return false;
        if (IsOperatorChar(op) && next == '^') return false;
    }
    if (end < i + 1) return false;
    if (!ReadOperandText(s.substr(i + 1, end - i), out.value)) return false;
    out.edge = end;
    return true;
}

bool FindLeftOperand(std::string_view s, std::size_t i, Operand& out) {
    if (i == 0 || i >= s.size()) return false;
    const char op = s[i];
    std::size_t start = 0;
    for (std::size_t j = i; j-- > 0;) {
        const char c = s[j];
        if (c == ')') return false;
        if ((IsStopChar(c) || c == '(') && (j == 0 || s[j - 1] != 'E')) {
            // A sign that opens the text or a parenthesis belongs to the number after it.
            // For "+" and "-" this matters: "(-2+1)" is -1, not -(2+1).
            const bool openingSign = (c == '+' || c == '-') && (j == 0 || s[j - 1] == '(');
            if (j == 0 && c != '(') {
                start = 0;
            } else if (openingSign && (op == '+' || op == '-')) {
                start = j;
            } else {
                start = j + 1;
            }
            break;
        }
    }
    if (start > 0) {
        const char before = s[start - 1];
        if ((op == '+' || op == '-') && (before == '*' || before == '/')) return false;
        if (IsOperatorChar(op) && before == '^') return false;
    }
    if (start >= i) return false;
    if (!ReadOperandText(s.substr(start, i - start), out.value)) return false;
    out.edge = start;
    return true;
}

}  // namespace zul
