// Function values with their domain checks, and the function step of a pass.
#include "eval/Functions.h"

#include <cmath>
#include <cstring>

#include "eval/NumberText.h"
#include "eval/TextRules.h"

namespace zul {

namespace {

const char* const kNames[kFunctionCount] = {"arcsin", "arccos", "arctg", "arcctg", "sin", "cos",
                                            "tg",     "ctg",    "sh",    "ch",     "tgh", "ctgh",
                                            "lg",     "ln",     "exp",   "abs",    "sec", "cosec"};

// A name that contains another name is tried before it (ctgh before tgh, cosec before sec).
const int kTryOrder[kFunctionCount] = {1, 2, 3, 4, 5, 6, 12, 8, 11, 7, 9, 10, 13, 14, 15, 16, 18, 17};

// The FPU's sine and cosine give up on arguments of 2^63 and more; the system shows 0 there.
constexpr Extended kTrigLimit = 9223372036854775808.0L;

Extended Sine(Extended x) { return std::fabs(x) >= kTrigLimit ? 0.0L : std::sin(x); }
Extended Cosine(Extended x) { return std::fabs(x) >= kTrigLimit ? 0.0L : std::cos(x); }

// arcsin in radians: arctan(x / sqrt(1 - x^2)); fails for x^2 > 1 and x = +-1.
bool ArcsinRadians(Extended x, Extended& r) {
    const Extended square = Checked(x * x);
    if (square > 1) return false;
    const Extended root = std::sqrt(1 - square);
    if (root == 0) return false;
    r = std::atan(Checked(x / root));
    return true;
}

// arccos in radians: the arcsin of sqrt(1 - x^2), and for x < 0 its supplement, so that
// arccos(-0.5) -> 2.0943951023932 (not 1.0471975511966, the arccos of 0.5). Fails for
// x^2 > 1 and for x = 0 (the arcsin of 1).
bool ArccosRadians(Extended x, Extended& r) {
    const Extended square = Checked(x * x);
    if (square > 1) return false;
    if (!ArcsinRadians(std::sqrt(1 - square), r)) return false;
    if (x < 0) r = kPi - r;
    return true;
}

Extended SinhOf(Extended x) { return Checked((CheckedExp(x) - CheckedExp(-x)) / 2); }
Extended CoshOf(Extended x) { return Checked((CheckedExp(x) + CheckedExp(-x)) / 2); }

}  // namespace

const char* FunctionName(int code) { return code >= 1 && code <= kFunctionCount ? kNames[code - 1] : ""; }

Extended ToRadians(Extended x, AngleUnit unit) {
    switch (unit) {
        case AngleUnit::Degrees: return Checked(Checked(x * kPi) / 180);
        case AngleUnit::Grads: return Checked(Checked(Checked(x * 0.9L) * kPi) / 180);
        case AngleUnit::Radians: break;
    }
    return x;
}

Extended FromRadians(Extended r, AngleUnit unit) {
    switch (unit) {
        case AngleUnit::Degrees: return Checked(Checked(r * 180) / kPi);
        case AngleUnit::Grads: return Checked(Checked(Checked(r * 1.1111111111111111111L) * 180) / kPi);
        case AngleUnit::Radians: break;
    }
    return r;
}

bool ApplyFunction(int code, Extended x, AngleUnit unit, Extended& result) {
    Extended r = 0;
    switch (code) {
        case 1:
            if (!ArcsinRadians(x, r)) return false;
            result = FromRadians(r, unit);
            return true;
        case 2:
            if (!ArccosRadians(x, r)) return false;
            result = FromRadians(r, unit);
            return true;
        case 3: result = FromRadians(std::atan(x), unit); return true;
        case 4: result = FromRadians(kHalfPi - std::atan(x), unit); return true;
        default: break;
    }
    if (code >= 13 && code <= 16) {
        switch (code) {
            case 13: result = Checked(CheckedLn(x) / std::log(10.0L)); return true;
            case 14: result = CheckedLn(x); return true;
            case 15: result = CheckedExp(x); return true;
            default: result = std::fabs(x); return true;
        }
    }
    const Extended a = ToRadians(x, unit);
    switch (code) {
        case 5: result = Sine(a); return true;
        case 6: result = Cosine(a); return true;
        case 7: {
            const Extended c = Cosine(a);
            if (c == 0) return false;
            result = Checked(Sine(a) / c);
            return true;
        }
        case 8: {
            const Extended s = Sine(a);
            if (s == 0) return false;
            result = Checked(Cosine(a) / s);
            return true;
        }
        case 9: result = SinhOf(a); return true;
        case 10: result = CoshOf(a); return true;
        case 11: {
            const Extended c = CoshOf(a);
            if (c == 0) return false;
            result = Checked(SinhOf(a) / c);
            return true;
        }
        case 12: {
            const Extended s = SinhOf(a);
            if (s == 0) return false;
            result = Checked(CoshOf(a) / s);
            return true;
        }
        case 17: result = CheckedDivide(1, Cosine(a)); return true;
        case 18: result = CheckedDivide(1, Sine(a)); return true;
        default: return false;
    }
}

namespace {

// What may stand before a function name. A digit or "." does not: "2sin(1)" is no call
// (its value would join the 2 and read 2.84147...), as "2pi" is no pi.
bool MayPrecedeName(char c) { return IsOperatorChar(c) || c == '^' || c == '('; }

// Reduces every call of one function whose argument is a plain number.
StepResult ReduceName(std::string& s, int code, AngleUnit unit) {
    const std::string_view name = kNames[code - 1];
    std::size_t from = 0;
    for (;;) {
        const std::size_t p = s.find(name, from);
        if (p == std::string::npos) return StepResult::Continue;
        std::size_t open = p + name.size();
        while (open < s.size() && s[open] == ' ') s.erase(open, 1);
        if (open >= s.size() || s[open] != '(') return StepResult::Continue;
        if (p > 0 && !MayPrecedeName(s[p - 1])) {
            // Part of a longer word: break it for this pass; blank removal restores it.
            s.insert(p + 1, " ");
            continue;
        }
        std::size_t q = open + 1;
        while (q < s.size()) {
            if (s[q] == ' ') {
                s.erase(q, 1);
            } else if (s[q] == '(' || s[q] == ')') {
                break;
            } else {
                ++q;
            }
        }
        if (q >= s.size() || s[q] != ')' || q == open + 1) return StepResult::Continue;
        if (q + 1 < s.size() && GluesToNumber(s[q + 1])) return StepResult::Continue;  // "sin(1)2"
        Extended x = 0;
        if (!ReadNumber(TrimView(std::string_view(s).substr(open + 1, q - open - 1)), x))
            return StepResult::Continue;
        s.erase(p, q - p + 1);
        Extended value = 0;
        if (!ApplyFunction(code, x, unit, value)) return StepResult::Fail;
        s.insert(p, ReplacementText(value, p < s.size() ? s[p] : '\0'));
        from = 0;
    }
}

}  // namespace

StepResult FunctionStep(std::string& s, AngleUnit unit) {
    if (s.find('(') == std::string::npos) return StepResult::Continue;  // no call to reduce
    for (int code : kTryOrder) {
        if (ReduceName(s, code, unit) == StepResult::Fail) return StepResult::Fail;
    }
    return StepResult::Continue;
}

}  // namespace zul
