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

// Operand to the left of the operator ("+", "-", "*", "/", "^" or "!") at 0-based position i.
// "-2*3", i=2: -2 (a leading sign belongs to the number); "1E-5*2": the "-" after E is skipped;
// "-2^2", i=2: 2 (the sign in front of "^" and "!" stays outside).
bool FindLeftOperand(std::string_view s, std::size_t i, Operand& out);

// Whether the sign at position j belongs to the number after it rather than being an
// operator: it opens the text or follows an operator, "^" or "(".
// "2*-3": yes; "2-3": no; "2-+3": yes for the "+" (and "-+3" is then no number).
bool IsSignOfNumber(std::string_view s, std::size_t j);

// Rule "signs stay with their number": the start of the run of signs in front of position
// `start` that belongs to the number there. "2*-3+1", start 3 -> 2.
std::size_t SignRunStart(std::string_view s, std::size_t start);

}  // namespace zul
