// Integers as the system's INI files hold them.
#pragma once

#include <string>
#include <string_view>

namespace zul {

// The strict integer conversion of the files: optional leading blanks, optional sign, then
// decimal digits, or hexadecimal digits after "$", "0x" or "0X"; nothing may follow; the
// value must fit 32 bits. A negative hexadecimal value is accepted as "-$1F".
bool ReadIniInteger(std::string_view text, int& value);
int IniIntegerOr(std::string_view text, int defaultValue);

// Decimal text of an integer.
std::string IniIntegerText(long long value);

}  // namespace zul
