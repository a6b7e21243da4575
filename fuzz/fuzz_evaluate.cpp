// libFuzzer target: any text through EvaluateExpression and the number texts, with and
// without user constants, in every angle unit. Faults are expected; crashes and hangs not.
#include <cstddef>
#include <cstdint>
#include <string>

#include "eval/Evaluator.h"
#include "eval/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    zul::EvalContext context;
    context.angleUnit = static_cast<zul::AngleUnit>(size % 3);
    if (size % 2 == 1) context.userConstants = {{"a", "2+1"}, {"b", "a*2"}, {"Re", "1E3"}};
    try {
        zul::Extended value = 0;
        if (zul::EvaluateExpression(text, value, context)) {
            (void)zul::ResultText(value);
            (void)zul::ExponentText(value);
        }
    } catch (const zul::ArithmeticFault&) {
    }
    zul::Extended v = 0;
    if (zul::ReadNumber(text, v)) (void)zul::ResultText(v);
    (void)zul::TrimResult(text);
    return 0;
}
