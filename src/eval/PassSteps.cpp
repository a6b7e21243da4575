// Parenthesis unwrapping, power, factorial and binary-operation steps.
#include "eval/PassSteps.h"

#include <cmath>

#include "eval/NumberText.h"
#include "eval/OperandFinder.h"
#include "eval/TextRules.h"

namespace zul {

namespace {

bool ReadsAsNumber(std::string_view t) {
    Extended v;
    return ReadNumber(t, v);
}

// Whether the parentheses opening at o hold the exponent of a "^" before them, signs
// between allowed: "2^(-3)", "2^-(-3)".
bool IsExponent(std::string_view s, std::size_t o) {
    const std::size_t run = SignRunStart(s, o);
    return run > 0 && s[run - 1] == '^';
}

// Rule of the unwrapping "a negative base keeps its parentheses": "(-3)^2" and "(-3)!" stay,
// since "-3^2" would be -(3^2). As an exponent the number is unwrapped:
// "2^(-3)^2" -> "2^-3^2", which is (2^-3)^2.
bool NegativeBaseKeepsParentheses(std::string_view s, std::size_t o, std::size_t c, std::string_view inner) {
    if (inner.front() != '-' || c + 1 >= s.size()) return false;
    const char after = s[c + 1];
    return after == '!' || (after == '^' && !IsExponent(s, o));
}

// Rule of the power step "a negative base in parentheses": "(-3)^2" -> base -3, starting at
// the "(". Only parentheses that group count: a function's argument "sin(-3)^2" or an exponent
// "2^(-3)^2" is no base.
bool FindParenthesisedBase(std::string_view s, std::size_t i, Operand& out) {
    const std::size_t close = i - 1;
    const std::size_t open = s.rfind('(', close);
    if (open == std::string_view::npos) return false;
    if (open > 0 && !IsOperatorChar(s[open - 1]) && s[open - 1] != '(') return false;
    if (IsExponent(s, open)) return false;
    const std::string_view inner = TrimView(s.substr(open + 1, close - open - 1));
    if (inner.empty() || inner.front() != '-' || !ReadNumber(inner, out.value)) return false;
    out.edge = open;
    return true;
}

}  // namespace

void UnwrapParentheses(std::string& s) {
    for (std::size_t o = s.find('('); o != std::string::npos && o + 1 < s.size(); o = s.find('(', o + 1)) {
        const std::size_t c = s.find(')', o);
        if (c == std::string::npos) continue;
        const bool openerOk = o == 0 || IsOperatorChar(s[o - 1]) || s[o - 1] == '^' || s[o - 1] == '(';
        if (!openerOk) continue;
        std::string_view inner = TrimView(std::string_view(s).substr(o, c - o + 1));
        if (!inner.empty() && inner.front() == '(') inner.remove_prefix(1);
        if (!inner.empty() && inner.back() == ')') inner.remove_suffix(1);
        inner = TrimView(inner);
        if (!ReadsAsNumber(inner)) continue;
        if (NegativeBaseKeepsParentheses(s, o, c, inner)) continue;
        if (c + 1 < s.size() && GluesToNumber(s[c + 1])) continue;  // "2*(3)4" is no 2*34
        const bool whole = o == 0 && c == s.size() - 1;
        const bool operatorBefore = o > 0 && (IsOperatorChar(s[o - 1]) || s[o - 1] == '^');
        const bool operatorAfter =
            c + 1 < s.size() && (IsOperatorChar(s[c + 1]) || s[c + 1] == '^' || s[c + 1] == '!');
        if (whole || operatorBefore || operatorAfter) {
            s.erase(c, 1);
            s.erase(o, 1);
            return;
        }
    }
}

bool RaisePower(Extended x, Extended y, Extended& value) {
    if (x > 0) {
        value = CheckedExp(Checked(y * std::log(x)));
        return true;
    }
    if (x == 0 || y != std::nearbyint(y)) return false;
    const Extended magnitude = CheckedExp(Checked(y * std::log(-x)));
    value = std::fmod(y, 2) == 0 ? magnitude : -magnitude;
    return true;
}

void PowerStep(std::string& s) {
    for (std::size_t i = s.find('^'); i != std::string::npos && i + 1 < s.size(); i = s.find('^', i + 1)) {
        if (i < 1 || s[i + 1] == '(') continue;
        Operand x, y;
        const bool based = s[i - 1] == ')' ? FindParenthesisedBase(s, i, x) : FindLeftOperand(s, i, x);
        if (!based) continue;
        if (x.value == 0) return;
        if (!FindRightOperand(s, i, y)) continue;
        Extended value;
        if (!RaisePower(x.value, y.value, value)) return;
        const char next = y.edge + 1 < s.size() ? s[y.edge + 1] : '\0';
        ReplaceRange(s, x.edge, y.edge - x.edge + 1, ReplacementText(value, next));
    }
}

void FactorialStep(std::string& s) {
    std::size_t i = s.find('!');
    while (i != std::string::npos) {
        Operand x;
        const bool glued = i + 1 < s.size() && GluesToNumber(s[i + 1]);  // "3!2" is no 6E+00002
        if (i >= 1 && IsDigitChar(s[i - 1]) && !glued && FindLeftOperand(s, i, x)) {
            const Extended n = std::nearbyint(x.value);  // halves to the even neighbour
            Extended product = 1;
            for (Extended k = 2; k <= n; k += 1) product = Checked(product * k);
            ReplaceRange(s, x.edge, i - x.edge + 1, ExponentText(product));
            i = s.find('!', i);  // examine position i again
        } else {
            i = s.find('!', i + 1);
        }
    }
}

void BinaryStep(std::string& s) {
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char op = s[i];
        if (!IsOperatorChar(op) || s[i - 1] == 'E') continue;
        if (i + 1 < s.size() && s[i + 1] == '(') continue;
        if (s[i - 1] == '(') {
            const std::size_t close = s.find(')', i - 1);
            if (close != std::string::npos && ReadsAsNumber(std::string_view(s).substr(i, close - i))) continue;
        }
        Operand left, right;
        if (!FindLeftOperand(s, i, left) || !FindRightOperand(s, i, right)) continue;
        Extended value;
        switch (op) {
            case '*': value = Checked(left.value * right.value); break;
            case '+': value = Checked(left.value + right.value); break;
            case '-': value = Checked(left.value - right.value); break;
            default:
                if (right.value == 0) continue;
                value = Checked(left.value / right.value);
                break;
        }
        ReplaceRange(s, left.edge, right.edge - left.edge + 1, ExponentText(value));
        return;
    }
}

}  // namespace zul
