// Routing of an input line to the evaluator, the calculation dispatch or the time sum.
#include "calc/Routing.h"

#include "calc/Dispatch.h"
#include "calc/TimeSum.h"
#include "eval/Evaluator.h"
#include "eval/NumberText.h"

namespace zul {

LineRoute RouteOf(std::string_view line, int code) {
    if (line.find('[') == std::string_view::npos) return LineRoute::Plain;
    return code == kTimeSumCode ? LineRoute::TimeSum : LineRoute::Calculation;
}

bool ComputeInputLine(std::string_view line, int code, const ConstantsArray& constants,
                      const EvalContext& context, LineResult& result) {
    result = LineResult{};
    result.route = RouteOf(line, code);
    switch (result.route) {
        case LineRoute::Plain:
            return EvaluateExpression(line, result.value, context);
        case LineRoute::Calculation:
            return CalculationDispatch(line, code, constants, context, result.value);
        case LineRoute::TimeSum: {
            std::string text;
            if (!TimeSum(line, code, text)) return false;
            result.timeText = Trim(text);
            return true;
        }
    }
    return false;
}

}  // namespace zul
