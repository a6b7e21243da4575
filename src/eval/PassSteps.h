// The reducing steps of one pass: parentheses, powers, factorials and one binary operation.
#pragma once

#include <string>

#include "eval/Extended.h"

namespace zul {

// "2*(5)" -> "2*5": at most one pair per pass, and only around a plain number.
// "(-3)^2" and "(-3)!" keep theirs (the sign stays with the base), and so does "(3)4".
void UnwrapParentheses(std::string& s);

// "2^3^2" -> " 6.40000000000000E+0001": every power with plain-number operands and a
// positive base, or a negative base in parentheses with an integer exponent, left to right.
void PowerStep(std::string& s);

// "3!+1" -> " 6.00000000000000E+0000+1".
void FactorialStep(std::string& s);

// "2+3*4" -> "2+ 1.20000000000000E+0001": the first operation whose operands are both
// plain numbers; a division by exactly 0 is never reduced.
void BinaryStep(std::string& s);

// x^y for the power step: exp(y ln x) for x > 0; for x < 0 and an integer y the power of the
// magnitude with the sign of y's parity, "(-2)^3" -> -8; false where there is no value
// (x = 0, or x < 0 with any other y).
bool RaisePower(Extended x, Extended y, Extended& value);

}  // namespace zul
