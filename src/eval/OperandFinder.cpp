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

// Rule "a tighter operator claims its operand": "2*3+4": 3 belongs to the "*";
// "2^3*4": 3 belongs to the "^".
bool ClaimedByTighterOperator(char op, char before) {
    if (!IsOperatorChar(op)) return false;
    return before == '^' || ((op == '+' || op == '-') && (before == '*' || before == '/'));
}

// Rule "a pending operation claims its right operand": while the left operand of a "/", a
// binary "-" or a "^" is not yet a number, the number after it is not taken by the operation
// to its right. "f/2*4" stays f/2*4, never f/(2*4); "f-2+3" never f-(2+3); "f^3^2" never f^(3^2).
bool ClaimedByPendingOperator(char op, char before) {
    switch (op) {
        case '+': case '-': return before == '-';
        case '*': case '/': return before == '/';
        case '^': return before == '^';
        default: return false;
    }
}

// Rule "a sign pair waits for the sign folding": a "+" right after a binary "+" or "-" is
// not yet the number's sign. "2++3*4" waits for the next pass to fold "++" into "+";
// "2-+3*4", whose "-+" is never folded, is never reduced, as "2-+3" is not.
bool WaitsForSignFolding(std::string_view s, std::size_t signs) {
    return signs > 0 && (s[signs - 1] == '+' || s[signs - 1] == '-') && s[signs] == '+';
}

}  // namespace

bool IsSignOfNumber(std::string_view s, std::size_t j) {
    const char c = s[j];
    if (c != '+' && c != '-') return false;
    if (j == 0) return true;
    const char p = s[j - 1];
    return IsOperatorChar(p) || p == '^' || p == '(';
}

std::size_t SignRunStart(std::string_view s, std::size_t start) {
    while (start > 0 && IsSignOfNumber(s, start - 1)) --start;
    return start;
}

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
            start = j + 1;
            break;
        }
    }
    // "2*-3+1": the number before "+" is -3, and the "*" in front of its sign claims it.
    const std::size_t signs = SignRunStart(s, start);
    // The sign in front of "^" and "!" stays outside: "-2^2" is -(2^2), "-3!" is -(3!).
    if (op != '^' && op != '!') start = signs;
    if (signs > 0) {
        const char before = s[signs - 1];
        if (ClaimedByTighterOperator(op, before) || ClaimedByPendingOperator(op, before)) return false;
        if (WaitsForSignFolding(s, signs)) return false;
    }
    if (start >= i) return false;
    if (!ReadOperandText(s.substr(start, i - start), out.value)) return false;
    out.edge = start;
    return true;
}

}  // namespace zul
