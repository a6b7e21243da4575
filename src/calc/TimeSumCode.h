// The code of the one calculation that works on clock times instead of a formula.
#pragma once

namespace zul {

inline constexpr int kTimeSumCode = 50301;

}  // namespace zul
