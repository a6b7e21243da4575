// The eighteen functions of one argument, the angle units, and the function step of a pass.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "eval/EvalContext.h"
#include "eval/Extended.h"

namespace zul {

// The functions by their codes 1..18.
enum class Function : std::uint8_t {
    Arcsin = 1, Arccos, Arctg, Arcctg, Sin, Cos, Tg, Ctg, Sh, Ch, Tgh, Ctgh, Lg, Ln, Exp, Abs, Sec, Cosec,
};
constexpr int kFunctionCount = 18;

// How a function meets the angle unit: its argument is an angle (converted to radians
// first), its result is one (converted from radians), or neither.
enum class AngleUse : std::uint8_t { None, Argument, Result };

// One function: the table that the function step, the function list window and the help
// all read.
struct FunctionInfo {
    Function function;
    std::string_view name;  // as written in an expression: "sin"
    AngleUse angle;
    // The value of the function at x (in radians where the argument is an angle); false
    // outside the function's domain (arcsin(2), ctg(0), ...). Arithmetic faults are thrown.
    bool (*value)(Extended x, Extended& result);
    std::string_view listLine;  // its line in the function list: "sin(x)  - синус значения (x)"
};

// In the order of the function list window: sin, cos, tg, ctg, arcsin, ...
std::span<const FunctionInfo> FunctionTable();
const FunctionInfo& InfoOf(Function function);
inline std::string_view FunctionName(Function function) { return InfoOf(function).name; }

constexpr Extended kPi = 3.1415926535897932385L;
constexpr Extended kHalfPi = 1.5707963267948966192L;

Extended ToRadians(Extended x, AngleUnit unit);
Extended FromRadians(Extended r, AngleUnit unit);

// False on a domain failure (arcsin(1), ctg(0), ...); arithmetic faults are thrown.
bool ApplyFunction(Function function, Extended x, AngleUnit unit, Extended& result);

enum class StepResult { Continue, Fail };

// "2*sin(0.5)" -> "2* 4.79425538604203E-0001". A function whose argument is not yet a
// plain number is left for a later pass.
StepResult FunctionStep(std::string& s, AngleUnit unit);

}  // namespace zul
