// Helpers shared by the dispatch and formula tests: run a line through the dispatch and
// compare Extended results by relative error.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include "calc/ConstantsArray.h"
#include "calc/Dispatch.h"
#include "eval/EvalContext.h"

namespace zul::test {

struct DispatchRun {
    bool ok = false;
    Extended result = 0;
    std::string fault;  // the platform text of an arithmetic fault; empty when none
};

inline DispatchRun RunDispatch(int code, std::string_view line, const ConstantsArray& constants = {},
                               AngleUnit unit = AngleUnit::Radians) {
    DispatchRun run;
    EvalContext context;
    context.angleUnit = unit;
    run.result = -12345;  // a sentinel: shows whether the dispatch touched the result
    try {
        run.ok = CalculationDispatch(line, code, constants, context, run.result);
    } catch (const ArithmeticFault& fault) {
        run.fault = fault.what();
    }
    return run;
}

// |value − expected| within a relative tolerance (absolute when expected is 0).
inline bool Close(Extended value, Extended expected, Extended relative) {
    Extended scale = expected == 0 ? 1 : std::fabs(expected);
    return std::fabs(value - expected) <= relative * scale;
}

inline ConstantsArray ConstantsWith(int index, float value) {
    ConstantsArray constants;
    constants.Set(index, value);
    return constants;
}

}  // namespace zul::test
