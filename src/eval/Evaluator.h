// EvaluateExpression: the one evaluator of the system. It rewrites the expression text in
// passes until the text is a single number.
#pragma once

#include <cstddef>
#include <string_view>

#include "eval/EvalContext.h"
#include "eval/Extended.h"

namespace zul {

constexpr int kPassLimit = 5000;

// Longest expression the evaluator accepts, in characters (UTF-8 code points, so that
// Russian names count as one each) after the comment cut and trimming. A real expression is
// a few hundred characters; a pasted megabyte fails at once.
constexpr std::size_t kMaxInputText = 20000;

// Characters of a UTF-8 text: the bytes that do not continue a character.
std::size_t CharacterCount(std::string_view utf8);

// Longest working text: substitution grows the text (each pi becomes 23 characters, a sum
// of 420 pi some 10,000), and the bound stops a self-referencing user constant (a = a*a
// doubles the text each pass) within a few passes.
constexpr std::size_t kMaxWorkingText = 64 * 1024;

// What one evaluation cost: the passes it ran and the longest working text it held, in
// bytes. Tests bound them; the program asks for neither.
struct EvaluationCost {
    int passes = 0;
    std::size_t longestText = 0;
};

// Success flag; the value is set to 1 on entry and is meaningful only on success.
// Arithmetic faults leave as ArithmeticFault. With `cost`, what the evaluation cost is
// written there.
bool EvaluateExpression(std::string_view text, Extended& value, const EvalContext& context,
                        EvaluationCost* cost = nullptr);

}  // namespace zul
