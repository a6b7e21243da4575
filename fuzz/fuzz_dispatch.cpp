// libFuzzer target: the calculation dispatch and the time sum. The first byte picks the
// calculation (every code of the topic tree, and the time sum); the rest is the input line.
// Failures and arithmetic faults are expected; crashes and hangs are not.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "calc/Catalogue.h"
#include "calc/Dispatch.h"
#include "calc/Routing.h"
#include "calc/TimeSum.h"
#include "eval/Extended.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zul;
    using zul::fuzz::Require;
    if (size < 1 || size > 4096) return 0;
    const auto rows = CatalogueRows();
    const int code = data[0] == 255 ? kTimeSumCode : rows[data[0] % rows.size()].code;
    const std::string line(reinterpret_cast<const char*>(data + 1), size - 1);
    const ConstantsArray constants;
    EvalContext context;
    context.angleUnit = static_cast<AngleUnit>(data[0] % 3);
    if (data[0] % 2 == 1) context.userConstants = {{"a", "2+1"}, {"d", "a*2"}};
    try {
        LineResult result;
        if (ComputeInputLine(line, code, constants, context, result) && result.route == LineRoute::TimeSum) {
            Require(!result.timeText.empty() && result.timeText.front() == '[' && result.timeText.back() == ']',
                    "a time sum is one time group", line);
        }
    } catch (const ArithmeticFault&) {
    }
    try {
        Extended value = 0;
        (void)CalculationDispatch(line, code, constants, context, value);
    } catch (const ArithmeticFault&) {
    }
    std::string text;
    (void)TimeSum(line, kTimeSumCode, text);
    return 0;
}
