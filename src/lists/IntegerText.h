// The integer reading of the system's file values: decimal with an optional sign, or
// hexadecimal written "$1F" or "0x1F"; leading blanks allowed, nothing after the digits.
#pragma once

#include <cstdint>
#include <string_view>

namespace zul {

// False for anything else, including values outside the 32-bit signed range.
bool ParseIntegerText(std::string_view text, std::int32_t& value);

// The value, or the default when the text is not an integer.
std::int32_t IntegerOr(std::string_view text, std::int32_t defaultValue);

}  // namespace zul
