// The number type of the whole system and the arithmetic faults it can raise.
#pragma once

#include <limits>
#include <stdexcept>
#include <string>

namespace zul {

// 80-bit x87 extended precision: every value of the evaluator and the formulas.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "Extended must be the 80-bit x87 type with a 64-bit mantissa");

// The three faults of the floating-point unit that end a computation. The text is the
// one the user sees in the message box captioned "Калькулятор".
enum class FaultKind { DivisionByZero, InvalidOperation, Overflow };

class ArithmeticFault : public std::runtime_error {
public:
    explicit ArithmeticFault(FaultKind kind);
    FaultKind kind() const { return kind_; }

private:
    FaultKind kind_;
};

const char* FaultText(FaultKind kind);

[[noreturn]] void RaiseFault(FaultKind kind);

// Checks the outcome of one arithmetic operation as the trapping FPU would:
// an infinity is an overflow, a NaN an invalid operation. Returns the value unchanged.
Extended Checked(Extended value);

// Checked arithmetic on Extended: division by exactly zero faults as the FPU does.
Extended CheckedDivide(Extended a, Extended b);
Extended CheckedSqrt(Extended x);   // x < 0: invalid operation
Extended CheckedLn(Extended x);     // x = 0: division by zero; x < 0: invalid operation
Extended CheckedExp(Extended x);    // overflow above about 11356

}  // namespace zul
