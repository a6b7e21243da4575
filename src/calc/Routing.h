// Routing of an input line as the compute command does it: bracketed lines to the time sum
// or the calculation dispatch, everything else to the evaluator.
#pragma once

#include <string>
#include <string_view>

#include "calc/ConstantsArray.h"
#include "eval/EvalContext.h"
#include "eval/Extended.h"

namespace zul {

enum class LineRoute { Plain, Calculation, TimeSum };

// Where a line goes: a line with "[" goes to the time sum while the time calculation is
// selected and to the calculation dispatch otherwise; a line without "[" is a plain
// expression whatever the code.
LineRoute RouteOf(std::string_view line, int code);

struct LineResult {
    LineRoute route = LineRoute::Plain;
    Extended value = 0;    // plain expression and calculation
    std::string timeText;  // time sum, trimmed
};

// Computes an input line for the selected calculation code. False (silently) when the
// evaluation, the calculation or the time sum fails; ArithmeticFault leaves as it is.
bool ComputeInputLine(std::string_view line, int code, const ConstantsArray& constants,
                      const EvalContext& context, LineResult& result);

}  // namespace zul
