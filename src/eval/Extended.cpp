// Arithmetic faults and the checked operations that raise them.
#include "eval/Extended.h"

#include <cmath>

namespace zul {

const char* FaultText(FaultKind kind) {
    switch (kind) {
        case FaultKind::DivisionByZero: return "Floating point division by zero";
        case FaultKind::InvalidOperation: return "Invalid floating point operation";
        case FaultKind::Overflow: return "Floating point overflow";
    }
    return "Invalid floating point operation";
}

ArithmeticFault::ArithmeticFault(FaultKind kind) : std::runtime_error(FaultText(kind)), kind_(kind) {}

void RaiseFault(FaultKind kind) { throw ArithmeticFault(kind); }

Extended Checked(Extended value) {
    if (std::isnan(value)) RaiseFault(FaultKind::InvalidOperation);
    if (std::isinf(value)) RaiseFault(FaultKind::Overflow);
    return value;
}

Extended CheckedDivide(Extended a, Extended b) {
    if (b == 0) RaiseFault(a == 0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
    return Checked(a / b);
}

Extended CheckedSqrt(Extended x) {
    if (x < 0) RaiseFault(FaultKind::InvalidOperation);
    return std::sqrt(x);
}

Extended CheckedLn(Extended x) {
    if (x == 0) RaiseFault(FaultKind::DivisionByZero);
    if (x < 0) RaiseFault(FaultKind::InvalidOperation);
    return std::log(x);
}

Extended CheckedExp(Extended x) { return Checked(std::exp(x)); }

}  // namespace zul
