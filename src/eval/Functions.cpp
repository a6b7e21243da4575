// Function values with their domain checks, and the function step of a pass.
#include "eval/Functions.h"

#include <array>
#include <cmath>

#include "eval/NumberText.h"
#include "eval/TextRules.h"

namespace zul {

namespace {

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

// x / y, failing (a domain failure, not a fault) where y is exactly 0: tg at pi/2, ctg at 0.
bool Quotient(Extended x, Extended y, Extended& r) {
    if (y == 0) return false;
    r = Checked(x / y);
    return true;
}

using F = Function;
using A = AngleUse;
constexpr FunctionInfo kFunctions[kFunctionCount] = {
    {F::Sin, "sin", A::Argument, [](Extended a, Extended& r) { r = Sine(a); return true; },
     "sin(x)  - синус значения (x)"},
    {F::Cos, "cos", A::Argument, [](Extended a, Extended& r) { r = Cosine(a); return true; },
     "cos(x)  - косинус значения (x)"},
    {F::Tg, "tg", A::Argument, [](Extended a, Extended& r) { return Quotient(Sine(a), Cosine(a), r); },
     "tg(x)  - тангенс значения (x)"},
    {F::Ctg, "ctg", A::Argument, [](Extended a, Extended& r) { return Quotient(Cosine(a), Sine(a), r); },
     "ctg(x)  - котангенс значения (x)"},
    {F::Arcsin, "arcsin", A::Result, ArcsinRadians, "arcsin(x)  - арксинус значения (x)"},
    {F::Arccos, "arccos", A::Result, ArccosRadians, "arccos(x) - арккосинус значения (x)"},
    {F::Arctg, "arctg", A::Result, [](Extended x, Extended& r) { r = std::atan(x); return true; },
     "arctg(x)  - арктангенс значения (x)"},
    {F::Arcctg, "arcctg", A::Result, [](Extended x, Extended& r) { r = kHalfPi - std::atan(x); return true; },
     "arcctg(x)  - арккотангенс значения (x)"},
    // The hyperbolic functions take their argument in the angle unit too.
    {F::Sh, "sh", A::Argument, [](Extended a, Extended& r) { r = SinhOf(a); return true; },
     "sh(x)  - синус гиперболический значения (x)"},
    {F::Ch, "ch", A::Argument, [](Extended a, Extended& r) { r = CoshOf(a); return true; },
     "ch(x)  - косинус гиперболический значения (x)"},
    {F::Tgh, "tgh", A::Argument, [](Extended a, Extended& r) { return Quotient(SinhOf(a), CoshOf(a), r); },
     "tgh(x)  - тангенс гиперболический значения (x)"},
    {F::Ctgh, "ctgh", A::Argument, [](Extended a, Extended& r) { return Quotient(CoshOf(a), SinhOf(a), r); },
     "ctgh(x)  - котангенс гиперболический значения (x)"},
    {F::Lg, "lg", A::None,
     [](Extended x, Extended& r) { r = Checked(CheckedLn(x) / std::log(10.0L)); return true; },
     "lg(x)  - логарифм по основанию \"10\" значения (x)"},
    {F::Ln, "ln", A::None, [](Extended x, Extended& r) { r = CheckedLn(x); return true; },
     "ln(x)  - логарифм по основанию \"е\" значения (x)"},
    {F::Exp, "exp", A::None, [](Extended x, Extended& r) { r = CheckedExp(x); return true; },
     "exp(x)  - е в степени значения (x)"},
    {F::Abs, "abs", A::None, [](Extended x, Extended& r) { r = std::fabs(x); return true; },
     "abs(x)  - абсолютное значение числа (x)"},
    {F::Sec, "sec", A::Argument,
     [](Extended a, Extended& r) { r = CheckedDivide(1, Cosine(a)); return true; },
     "sec(x)  - секанс значения (x)"},
    {F::Cosec, "cosec", A::Argument,
     [](Extended a, Extended& r) { r = CheckedDivide(1, Sine(a)); return true; },
     "cosec(x)  - косеканс значения (x)"},
};

// The slot of each code in kFunctions.
constexpr std::array<std::size_t, kFunctionCount + 1> kSlotOfCode = [] {
    std::array<std::size_t, kFunctionCount + 1> slots{};
    for (std::size_t i = 0; i < kFunctionCount; ++i)
        slots[static_cast<std::size_t>(kFunctions[i].function)] = i;
    return slots;
}();

// A name that contains another name is tried before it (ctgh before tgh, cosec before sec).
constexpr Function kTryOrder[kFunctionCount] = {F::Arcsin, F::Arccos, F::Arctg, F::Arcctg, F::Sin,   F::Cos,
                                                F::Ctgh,   F::Ctg,    F::Tgh,   F::Tg,     F::Sh,    F::Ch,
                                                F::Lg,     F::Ln,     F::Exp,   F::Abs,    F::Cosec, F::Sec};

}  // namespace

std::span<const FunctionInfo> FunctionTable() { return kFunctions; }

const FunctionInfo& InfoOf(Function function) {
    return kFunctions[kSlotOfCode.at(static_cast<std::size_t>(function))];
}

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

bool ApplyFunction(Function function, Extended x, AngleUnit unit, Extended& result) {
    const FunctionInfo& info = InfoOf(function);
    if (info.angle == AngleUse::Argument) x = ToRadians(x, unit);
    Extended r = 0;
    if (!info.value(x, r)) return false;
    result = info.angle == AngleUse::Result ? FromRadians(r, unit) : r;
    return true;
}

namespace {

// What may stand before a function name. A digit or "." does not: "2sin(1)" is no call
// (its value would join the 2 and read 2.84147...), as "2pi" is no pi.
bool MayPrecedeName(char c) { return IsOperatorChar(c) || c == '^' || c == '('; }

// Reduces every call of one function whose argument is a plain number.
StepResult ReduceName(std::string& s, Function function, AngleUnit unit) {
    const std::string_view name = FunctionName(function);
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
        if (!ApplyFunction(function, x, unit, value)) return StepResult::Fail;
        s.insert(p, ReplacementText(value, p < s.size() ? s[p] : '\0'));
        from = 0;
    }
}

}  // namespace

StepResult FunctionStep(std::string& s, AngleUnit unit) {
    if (s.find('(') == std::string::npos) return StepResult::Continue;  // no call to reduce
    for (Function function : kTryOrder) {
        if (ReduceName(s, function, unit) == StepResult::Fail) return StepResult::Fail;
    }
    return StepResult::Continue;
}

}  // namespace zul
