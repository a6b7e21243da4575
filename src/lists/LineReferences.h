// References between the lines of an expression list ("[2]" stands for the result of line 2)
// and the result text the list writes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "eval/Extended.h"

namespace zul {

// The result text of a computed list line: the fixed text after result trimming, without
// the switch to the exponent text, so a value below 5E-13 in magnitude reads 0.
std::string ListResultText(Extended value);

// The result cell of line n, trimmed; empty when the line does not exist or has no result.
using LineResultLookup = std::function<std::string(long long lineNumber)>;

// ResolveLineReferences: "2*[1]" with line 1 showing 4 -> "2*4"; a negative result goes in
// parentheses, "[1]^2" with -3 -> "(-3)^2". A group whose text is not a decimal integer is
// dropped, an empty pair "[]" removed; a "]" before the first "[" stops the resolution and
// stays in the text.
std::string ResolveLineReferences(std::string_view expression, const LineResultLookup& resultOf);

}  // namespace zul
