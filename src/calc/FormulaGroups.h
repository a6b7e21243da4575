// The formula tables of the subjects, one per file; the registry joins them.
#pragma once

#include <span>

#include "calc/Formula.h"
#include "eval/Functions.h"  // kPi, the Extended π of the evaluator, and its functions

namespace zul {

// Multiples of π as the formulas write them, in Extended.
inline constexpr Num kC3600 = 11309.733552923255659L;  // 3600·π
inline constexpr Num kC900 = 2827.4333882308139148L;   // 900·π

// Air density from temperature, ρt = 353 / (t + 273.15), is undefined at exactly −273.15.
inline constexpr Num kKelvin = 273.15L;
inline constexpr Num kAbsoluteZero = -273.15L;

std::span<const Formula> WaterFormulas();         // hydraulics and water heat flow
std::span<const Formula> AirFormulas();           // air ducts and air heat flow
std::span<const Formula> VentHeatFormulas();      // ventilation and heating
std::span<const Formula> GeometryFormulas();      // pipes and ducts
std::span<const Formula> SupplyNoiseFormulas();   // air conditioning, water supply, boilers, noise
std::span<const Formula> MathFormulas();          // mathematics

}  // namespace zul
