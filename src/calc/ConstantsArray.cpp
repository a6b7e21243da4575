// Defaults of the physical constants, read from their texts.
#include "calc/ConstantsArray.h"

#include <charconv>
#include <cstring>

namespace zul {
namespace {

std::array<float, ConstantsArray::kCount> ReadDefaults() {
    std::array<float, ConstantsArray::kCount> values{};
    for (const ConstantDefault& d : kConstantDefaults) {
        const char* p = d.text;
        const char* end = p + std::strlen(p);
        for (std::size_t i = static_cast<std::size_t>(d.index - 1); p < end && i < values.size(); ++i) {
            p = std::from_chars(p, end, values[i]).ptr;
            if (p < end && *p == ' ') ++p;
        }
    }
    return values;
}

}  // namespace

ConstantsArray::ConstantsArray() {
    static const std::array<float, kCount> kDefaults = ReadDefaults();
    values_ = kDefaults;
}

}  // namespace zul
