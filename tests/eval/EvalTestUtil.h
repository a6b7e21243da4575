// Helpers shared by the evaluator tests: compute a text the way the input line shows it.
#pragma once

#include <string>

#include "eval/EvalContext.h"
#include "eval/Evaluator.h"
#include "eval/NumberText.h"

namespace zul::test {

// The text the input line shows after computing `text`: the result text, "fail" for a
// silent failure, or the fault's platform text.
inline std::string Shown(const std::string& text, const EvalContext& context = {}) {
    try {
        Extended v = 0;
        if (!EvaluateExpression(text, v, context)) return "fail";
        return ResultText(v);
    } catch (const ArithmeticFault& f) {
        return f.what();
    }
}

// The value carried with 15 significant digits, as the evaluator's texts carry it.
inline std::string Carried(const std::string& text, const EvalContext& context = {}) {
    Extended v = 0;
    if (!EvaluateExpression(text, v, context)) return "fail";
    return ExponentText(v);
}

}  // namespace zul::test
