// The time sum: adds and subtracts clock times written as groups "[hh:mm:ss]", a negative
// group carrying a minus after its "[" ("[-00:20:00]"), and gives the result in the same form.
#pragma once

#include "calc/TimeSumCode.h"

#include <string>
#include <string_view>

namespace zul {

// "[01:30:00] [00:45:30]" -> "[02:15:30]"; "[01:00:00] [-00:20:00]" -> "[00:40:00]".
// False (silently) for an empty line, a code other than kTimeSumCode, or a line whose time
// groups cannot all be read; the text is set only on success.
bool TimeSum(std::string_view line, int code, std::string& text);

}  // namespace zul
