// Num: an Extended whose every operation faults the way the trapping floating-point unit
// does, so the formulas can be written as plain arithmetic and still stop at the first
// overflow, zero divisor or invalid operation.
#pragma once

#include <compare>

#include "eval/Extended.h"

namespace zul {

class Num {
public:
    constexpr Num() = default;
    constexpr Num(Extended v) : v_(v) {}  // NOLINT: implicit, so Extended values mix with Num
    constexpr Num(int v) : v_(v) {}       // NOLINT: integer constants are exact
    // Every non-integer constant of a formula is an Extended literal ("0.1L"): a double
    // literal would carry a rounding of its own and must not compile.
    Num(double) = delete;

    constexpr Extended value() const { return v_; }

    friend Num operator+(Num a, Num b) { return Checked(a.v_ + b.v_); }
    friend Num operator-(Num a, Num b) { return Checked(a.v_ - b.v_); }
    friend Num operator*(Num a, Num b) { return Checked(a.v_ * b.v_); }
    friend Num operator/(Num a, Num b) { return CheckedDivide(a.v_, b.v_); }
    friend Num operator-(Num a) { return Num(-a.v_); }

    friend bool operator==(Num a, Num b) { return a.v_ == b.v_; }
    friend std::partial_ordering operator<=>(Num a, Num b) { return a.v_ <=> b.v_; }

private:
    Extended v_ = 0;
};

// x·x, the square written "x²" in the formulas.
inline Num Sq(Num x) { return x * x; }
inline Num Sqrt(Num x) { return CheckedSqrt(x.value()); }
// √√x: the square root taken twice.
inline Num Root4(Num x) { return Sqrt(Sqrt(x)); }
inline Num Ln(Num x) { return CheckedLn(x.value()); }
// x^y is e^(y·ln x) for every x, so a base of 0 or below faults in the logarithm.
inline Num Pow(Num x, Num y) { return CheckedExp((y * Ln(x)).value()); }

}  // namespace zul
