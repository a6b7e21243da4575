// EvaluateExpression: the one evaluator of the system. It rewrites the expression text in
// passes until the text is a single number.
#pragma once

#include <cstddef>
#include <string_view>

#include "eval/EvalContext.h"
#include "eval/Extended.h"

namespace zul {

constexpr int kPassLimit = 5000;

// Longest working text the evaluator accepts. A real expression is a few hundred
// characters; the bound keeps a pasted megabyte or a self-referencing user constant
// (a = a*a doubles the text each pass) from running away.
constexpr std::size_t kMaxWorkingText = 10000;

// Success flag; the value is set to 1 on entry and is meaningful only on success.
// Arithmetic faults leave as ArithmeticFault.
bool EvaluateExpression(std::string_view text, Extended& value, const EvalContext& context);

}  // namespace zul
