// The strict number test of the settings window's fields and grid cells.
#pragma once

#include <string_view>

#include "eval/Extended.h"

namespace zul {

// Optional leading blanks, optional "+" or "-", decimal digits with an optional "." and
// fraction (at least one digit in all), optional "E"/"e" with optional sign and digits;
// nothing may follow. "." is always the decimal separator. Empty text is not a number,
// nor is a literal beyond the Extended range. On success value holds the number.
bool IsNumber(std::string_view text, Extended& value);
bool IsNumber(std::string_view text);

// IsNumber, and the value also fits a single-precision constant (|v| <= FLT_MAX), so that
// the constants array never holds an infinity.
bool ReadConstantValue(std::string_view text, float& value);

}  // namespace zul
