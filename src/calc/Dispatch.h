// The calculation dispatch: a line of bracketed argument groups such as "[12.5] [80]" is
// split into up to ten arguments and the formula of the selected calculation applied.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "calc/ConstantsArray.h"
#include "eval/EvalContext.h"
#include "eval/Extended.h"

namespace zul {

// 0-based positions of the first "[" and the first "]" of a text; true only when both occur.
// (Either may stand first.)
bool FindBrackets(std::string_view s, std::size_t& open, std::size_t& close);

// The argument slots a1..a10 and the number of splitting cycles k made.
struct ArgumentGroups {
    std::array<Extended, 10> slots{};
    int cycles = 0;
};

// Splits a line into argument groups and evaluates each into its slot. Text in front of a
// group's "[" belongs to that group ("2*[3] [4]" gives 6 and 4); text after the last
// complete pair is never evaluated, but the cycles still run to the tenth; groups after the
// tenth are ignored. False when the first cycle finds no bracket pair or a group does not
// evaluate. Arithmetic faults of a group leave as ArithmeticFault.
bool SplitArgumentGroups(std::string_view line, const EvalContext& context, ArgumentGroups& groups);

// Applies the formula of the calculation code to the line. False (silently) for code 0 or
// below (result untouched), an empty line, a line that does not split, a code without a
// formula, or a formula condition that does not hold; in all but the first case the
// result is left at 1. Arguments that no condition excludes may raise ArithmeticFault.
bool CalculationDispatch(std::string_view line, int code, const ConstantsArray& constants,
                         const EvalContext& context, Extended& result);

}  // namespace zul
