// The strict number test, on top of the evaluator's number reader.
#include "settings/ConstantsNumber.h"

#include <cmath>
#include <limits>

#include "eval/NumberText.h"

namespace zul {

bool IsNumber(std::string_view text, Extended& value) {
    // The reader takes "." alone as zero; a field needs at least one digit before the exponent.
    const std::string_view mantissa = text.substr(0, text.find_first_of("Ee"));
    if (mantissa.find_first_of("0123456789") == std::string_view::npos) return false;
    return ReadNumber(text, value);
}

bool IsNumber(std::string_view text) {
    Extended ignored = 0;
    return IsNumber(text, ignored);
}

bool ReadConstantValue(std::string_view text, float& value) {
    Extended v = 0;
    if (!IsNumber(text, v)) return false;
    if (std::fabs(v) > static_cast<Extended>(std::numeric_limits<float>::max())) return false;
    value = static_cast<float>(v);
    return true;
}

}  // namespace zul
