// Mathematics: interpolation, distances, triangles, trapezium, surfaces and volumes of
// solids, the binomial coefficient. Angles are in the evaluator's current angle unit.
#include <cmath>

#include "calc/FormulaGroups.h"

namespace zul {
namespace {

constexpr Num k2Pi = 6.283185307179586477L;
constexpr Num k4Pi = 12.566370614359172954L;

// The evaluator's own function (sine, cosine) in the current angle unit; empty when it
// reports failure.
std::optional<Num> EvaluatorFunction(Function function, Num argument, const FormulaArgs& x) {
    Extended result = 0;
    if (!ApplyFunction(function, argument.value(), x.angleUnit, result)) return std::nullopt;
    return Num(result);
}

// Rounds to the nearest integer, halves to even, as a 64-bit integer conversion does; a
// value outside the 64-bit range is an invalid operation of the floating-point unit.
Num RoundToInt64(Num v) {
    constexpr Extended kTwo63 = 9223372036854775808.0L;
    Extended r = std::nearbyint(v.value());  // the default rounding: to nearest, ties to even
    if (!(r >= -kTwo63 && r < kTwo63)) RaiseFault(FaultKind::InvalidOperation);
    return r;
}

// 1·2·...·n in Extended; 1 for n below 2. Overflows (and so stops) above n = 1754.
Num Factorial(Num n) {
    Num product = 1;
    for (Num i = 2; i <= n; i = i + 1) product = product * i;
    return product;
}

const Formula kMath[] = {
    {50001, [](const FormulaArgs& x) -> Outcome {  // linear interpolation: N at Y
         if (!(x.a3 - x.a1 != 0)) return kConditionFails;
         return (x.a4 - x.a2) * (x.a5 - x.a1) / (x.a3 - x.a1) + x.a2;
     }},
    {50011, [](const FormulaArgs& x) -> Outcome {  // distance of two points in the plane
         Num S = Sq(x.a3 - x.a1) + Sq(x.a4 - x.a2);
         if (!(S != 0)) return kConditionFails;
         return Sqrt(S);
     }},
    {50012, [](const FormulaArgs& x) -> Outcome {  // distance of two points in space
         Num S = Sq(x.a4 - x.a1) + Sq(x.a5 - x.a2) + Sq(x.a6 - x.a3);
         if (!(S != 0)) return kConditionFails;
         return Sqrt(S);
     }},
    {50026, [](const FormulaArgs& x) -> Outcome {  // triangle area by Heron
         Num p = (x.a2 + x.a1 + x.a3) / 2;
         Num X = (p - x.a1) * p * (p - x.a2) * (p - x.a3);
         if (!(X != 0)) return kConditionFails;
         return Sqrt(X);
     }},
    {50027, [](const FormulaArgs& x) -> Outcome {  // triangle area by two sides and their angle
         auto sinC = EvaluatorFunction(Function::Sin, x.a3, x);
         if (!sinC) return kConditionFails;
         return x.a1 * x.a2 * *sinC / 2;
     }},
    {50030, [](const FormulaArgs& x) -> Outcome {  // side a by the sine theorem
         auto sinB = EvaluatorFunction(Function::Sin, x.a3, x);
         if (!(sinB && *sinB != 0)) return kConditionFails;
         auto sinA = EvaluatorFunction(Function::Sin, x.a1, x);
         if (!sinA) return kConditionFails;
         return x.a2 * *sinA / *sinB;
     }},
    {50031, [](const FormulaArgs& x) -> Outcome {  // third side by the cosine theorem
         auto cosC = EvaluatorFunction(Function::Cos, x.a3, x);
         if (!cosC) return kConditionFails;
         return Sqrt(x.a2 * x.a2 + x.a1 * x.a1 - x.a1 * 2 * x.a2 * *cosC);
     }},
    {50032, [](const FormulaArgs& x) -> Outcome {  // trapezium area
         return (x.a2 + x.a1) * x.a3 / 2;
     }},
    {50102, [](const FormulaArgs& x) -> Outcome {  // surface of a rectangular box
         return (x.a1 * x.a2 + x.a3 * x.a2 + x.a1 * x.a3) * 2;
     }},
    {50104, [](const FormulaArgs& x) -> Outcome {  // lateral surface of a cylinder
         return x.a1 * k2Pi * x.a2;
     }},
    {50106, [](const FormulaArgs& x) -> Outcome {  // full surface of a cylinder
         return x.a1 * k2Pi * (x.a2 + x.a1);
     }},
    {50108, [](const FormulaArgs& x) -> Outcome {  // volume of a cylinder
         return x.a1 * x.a1 * kPi * x.a2;
     }},
    {50110, [](const FormulaArgs& x) -> Outcome {  // lateral surface of a cone
         return x.a1 * kPi * x.a2;
     }},
    {50112, [](const FormulaArgs& x) -> Outcome {  // full surface of a cone
         return x.a1 * kPi * (x.a2 + x.a1);
     }},
    {50114, [](const FormulaArgs& x) -> Outcome {  // volume of a cone
         return x.a1 * x.a1 * kPi * x.a2 / 3;
     }},
    {50116, [](const FormulaArgs& x) -> Outcome {  // surface of a sphere
         return x.a1 * x.a1 * k4Pi;
     }},
    {50118, [](const FormulaArgs& x) -> Outcome {  // volume of a sphere
         return x.a1 * x.a1 * k4Pi * x.a1 / 3;
     }},
    {50201, [](const FormulaArgs& x) -> Outcome {  // binomial coefficient C(n, k)
         Num N = RoundToInt64(x.a1);
         Num K = RoundToInt64(x.a2);
         if (!(K < N)) return kConditionFails;
         // 0 < N − K < 2^64: Extended holds it exactly.
         Num numerator = Factorial(N);
         Num denominator = Factorial(K) * Factorial(N - K);
         return numerator / denominator;
     }},
};

}  // namespace

std::span<const Formula> MathFormulas() { return kMath; }

}  // namespace zul
