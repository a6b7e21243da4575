// Finds the plain-number operands on either side of an operator in the working text.
// The rules by which an operand ends give the operators their precedence.
#pragma once

#include <cstddef>
#include <string_view>

#include "eval/Extended.h"

namespace zul {

struct Operand {
    Extended value = 0;
    std::size_t edge = 0;  // 0-based: first character (left side) or last character (right side)
};

// Operand to the right of the operator at 0-based position i.
// "2+3*4", i=1: no operand (3 belongs to the "*"); "2*-3", i=1: -3.
bool FindRightOperand(std::string_view s, std::size_t i, Operand& out);

// Operand to the left of the operator at 0-based position i.
// "-2*3", i=2: -2 (a leading sign belongs to the number); "1E-5*2": the "-" after E is skipped.
bool FindLeftOperand(std::string_view s, std::size_t i, Operand& out);

}  // namespace zul
