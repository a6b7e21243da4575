// The eighteen functions of one argument, the angle units, and the function step of a pass.
#pragma once

#include <string>

#include "eval/EvalContext.h"
#include "eval/Extended.h"

namespace zul {

// Codes in table order: 1 arcsin, 2 arccos, 3 arctg, 4 arcctg, 5 sin, 6 cos, 7 tg, 8 ctg,
// 9 sh, 10 ch, 11 tgh, 12 ctgh, 13 lg, 14 ln, 15 exp, 16 abs, 17 sec, 18 cosec.
constexpr int kFunctionCount = 18;
const char* FunctionName(int code);

constexpr Extended kPi = 3.1415926535897932385L;
constexpr Extended kHalfPi = 1.5707963267948966192L;

Extended ToRadians(Extended x, AngleUnit unit);
Extended FromRadians(Extended r, AngleUnit unit);

// False on a domain failure (arcsin(1), ctg(0), ...); arithmetic faults are thrown.
bool ApplyFunction(int code, Extended x, AngleUnit unit, Extended& result);

enum class StepResult { Continue, Fail };

// "2*sin(0.5)" -> "2* 4.79425538604203E-0001". A function whose argument is not yet a
// plain number is left for a later pass.
StepResult FunctionStep(std::string& s, AngleUnit unit);

}  // namespace zul
