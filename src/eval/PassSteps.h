// The reducing steps of one pass: parentheses, powers, factorials and one binary operation.
#pragma once

#include <string>

namespace zul {

// "2*(5)" -> "2*5": at most one pair per pass, and only around a plain number.
void UnwrapParentheses(std::string& s);

// "2^3^2" -> " 6.40000000000000E+0001": every power with plain-number operands and a
// positive base, left to right.
void PowerStep(std::string& s);

// "3!+1" -> " 6.00000000000000E+0000+1".
void FactorialStep(std::string& s);

// "2+3*4" -> "2+ 1.20000000000000E+0001": the first operation whose operands are both
// plain numbers; a division by exactly 0 is never reduced.
void BinaryStep(std::string& s);

}  // namespace zul
