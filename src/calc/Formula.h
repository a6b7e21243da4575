// The formulas of the calculation codes: what a formula is given, what it gives back, and
// the one registry that maps a calculation code to its formula.
#pragma once

#include <optional>
#include <span>

#include "calc/ConstantsArray.h"
#include "calc/FormulaNumber.h"
#include "eval/EvalContext.h"

namespace zul {

constexpr int kArgumentSlots = 10;

// The argument slots a1..a10 (a slot without a group holds 0), the number of splitting
// cycles k, and what a formula reads from the settings at the moment it runs.
struct FormulaArgs {
    Num a1, a2, a3, a4, a5, a6, a7, a8, a9, a10;
    int k = 0;  // read by the noise formulas only
    const ConstantsArray* constants = nullptr;
    AngleUnit angleUnit = AngleUnit::Radians;

    // Slot i, 1..10; 0 outside.
    Num Slot(int i) const;
    void SetSlot(int i, Extended value);

    // The physical constants, single precision widened at each read.
    Num RoVoda() const { return constants->Read(ConstantsArray::RoVoda); }
    Num RoMatTrub() const { return constants->Read(ConstantsArray::RoMatTrub); }
    Num CmVoda() const { return constants->Read(ConstantsArray::CmVoda); }
    Num CmVozd() const { return constants->Read(ConstantsArray::CmVozd); }
    Num CvVozd() const { return constants->Read(ConstantsArray::CvVozd); }
    // Noise correction of octave band i; bands beyond the eighth have none (0).
    Num NoiseCorrection(int band) const;
};

// A formula's outcome: its value, or nothing when one of its conditions does not hold.
using Outcome = std::optional<Num>;
inline constexpr std::nullopt_t kConditionFails = std::nullopt;

// One calculation: its conditions, tested in their listed order, then its value.
// Arithmetic that no condition guards may raise ArithmeticFault.
struct Formula {
    int code;
    Outcome (*compute)(const FormulaArgs& x);
};

// Every formula of every subject, in subject order; each code once.
std::span<const Formula> AllFormulas();

// The formula of a calculation code; nullptr for 0, a group node's code, the time sum
// (50301) and any unknown code.
const Formula* FindFormula(int code);

}  // namespace zul
