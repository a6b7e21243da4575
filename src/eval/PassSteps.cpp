// Parenthesis unwrapping, power, factorial and binary-operation steps.
#include "eval/PassSteps.h"

#include <cmath>

#include "eval/Extended.h"
#include "eval/NumberText.h"
#include "eval/OperandFinder.h"
#include "eval/TextRules.h"

namespace zul {

namespace {

bool ReadsAsNumber(std::string_view t) {
    Extended v;
    return ReadNumber(t, v);
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
        if (!ReadsAsNumber(TrimView(inner))) continue;
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

void PowerStep(std::string& s) {
    for (std::size_t i = s.find('^'); i != std::string::npos && i + 1 < s.size(); i = s.find('^', i + 1)) {
        if (i < 1 || s[i - 1] == ')' || s[i + 1] == '(') continue;
        Operand x, y;
        if (!FindLeftOperand(s, i, x)) continue;
        if (x.value == 0) return;
        if (!FindRightOperand(s, i, y)) continue;
        if (x.value < 0) return;
        const Extended value = CheckedExp(Checked(y.value * std::log(x.value)));
        ReplaceRange(s, x.edge, y.edge - x.edge + 1, ExponentText(value));
    }
}

void FactorialStep(std::string& s) {
    std::size_t i = s.find('!');
    while (i != std::string::npos) {
        Operand x;
        if (i >= 1 && IsDigitChar(s[i - 1]) && FindLeftOperand(s, i, x)) {
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
