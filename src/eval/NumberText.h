// The number reader and the three number texts the system writes.
#pragma once

#include <string>
#include <string_view>

#include "eval/Extended.h"
#include "eval/Text.h"

namespace zul {

// The number reader: optional leading blanks, optional sign, digits, optional "." and
// digits, optional "E"/"e" with optional sign and digits; nothing after. "5.", ".5" and
// "." are numbers; "", "+" and "-" are not. A literal beyond the Extended range is not a
// number; one below the smallest value reads as 0 (or the nearest subnormal).
bool ReadNumber(std::string_view text, Extended& value);

// 23 characters: sign (blank or "-"), d.dddddddddddddd, "E", sign, 4 exponent digits.
std::string ExponentText(Extended v);

// "-", integer digits, ".", 12 decimals; from 1E36 on the short form " 1.0E+0040".
std::string FixedText(Extended v);

// The text shown for a numeric result: fixed text, exponent text below 5E-13, trimmed.
std::string ResultText(Extended v);

// Result trimming: texts with "E" unchanged; otherwise trimmed, leading and trailing
// zeros and a trailing "." removed.
std::string TrimResult(std::string_view s);

}  // namespace zul
