// Resolving "[n]" references and writing list results.
#include "lists/LineReferences.h"

#include <algorithm>

#include "eval/Evaluator.h"
#include "eval/NumberText.h"

namespace zul {
namespace {

// Optional sign and decimal digits only. Numbers beyond any list are kept as such (-1 for
// a magnitude past 18 digits), so that they name no line.
bool ReadLineNumber(std::string_view text, long long& number) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size()) return false;
    long long value = 0;
    bool tooLarge = false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        if (value > 99999999999999999LL) tooLarge = true;
        else value = value * 10 + (text[i] - '0');
    }
    number = tooLarge ? -1 : (negative ? -value : value);
    return true;
}

// The text a reference stands for: the line's result, a negative one in parentheses so that
// the line keeps its meaning: "[1]^2" with -3 -> "(-3)^2" = 9, never "-3^2" = -9.
std::string ReferencedText(std::string result) {
    if (!result.empty() && result.front() == '-') return "(" + result + ")";
    return result;
}

}  // namespace

std::string ListResultText(Extended value) {
    std::string text = TrimResult(FixedText(value));
    // A tiny negative value rounds to "-0.000000000000": it shows as 0 like a positive one.
    if (text == "-0") text = "0";
    return text;
}

std::string ResolveLineReferences(std::string_view expression, const LineResultLookup& resultOf) {
    std::string text(expression);
    // A result cell may have been typed to hold brackets itself; every original "[" is one
    // round at most, and the text may not outgrow what the evaluator accepts.
    const std::size_t rounds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '['));
    for (std::size_t round = 0; round < rounds && CharacterCount(text) <= kMaxInputText; ++round) {
        const std::size_t open = text.find('[');
        const std::size_t close = text.find(']');
        if (open == std::string::npos || close == std::string::npos || close < open + 1) break;
        if (close == open + 1) {
            text.erase(open, 2);
            continue;
        }
        const std::string inner = Trim(std::string_view(text).substr(open + 1, close - open - 1));
        text.erase(open, close - open + 1);
        long long number = 0;
        if (ReadLineNumber(inner, number)) text.insert(open, ReferencedText(resultOf(number)));
    }
    return text;
}

}  // namespace zul
