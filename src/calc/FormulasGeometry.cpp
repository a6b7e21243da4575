// Engineering geometry: equivalent diameter, pipe diameter and cross-section, and the mass,
// painted surface, insulation cover and insulation volume of round pipes (by outer
// diameter) and rectangular ducts (inner B and H plus the wall on each side).
#include <initializer_list>

#include "calc/FormulaGroups.h"

namespace zul {
namespace {

// The rectangular duct formulas require every size they are given to be non-zero.
bool AllNonZero(std::initializer_list<Num> sizes) {
    for (Num s : sizes)
        if (s == 0) return false;
    return true;
}

const Formula kGeometry[] = {
    {2002, [](const FormulaArgs& x) -> Outcome {  // equivalent diameter from two sizes
         if (!(x.a1 + x.a2 != 0)) return kConditionFails;
         return x.a1 * 2 * x.a2 / (x.a1 + x.a2);
     }},
    {2003, [](const FormulaArgs& x) -> Outcome {  // equivalent diameter from area and perimeter
         if (!(x.a2 != 0)) return kConditionFails;
         return x.a1 * 4 / x.a2;
     }},
    {2005, [](const FormulaArgs& x) -> Outcome {  // pipe diameter, mm, from cross-section m2
         return Sqrt(x.a1 * 4 / kPi) * 1000;
     }},
    {2010, [](const FormulaArgs& x) -> Outcome {  // pipe cross-section, m2, from diameter mm
         return x.a1 * x.a1 * kPi / 4000000;
     }},
    {2021, [](const FormulaArgs& x) -> Outcome {  // round pipe mass, kg
         if (!(x.RoMatTrub() != 0)) return kConditionFails;
         return x.a3 * (((x.a1 / 1000) * (x.a1 / 1000) - Sq((x.a1 - 2 * x.a2) / 1000)) * x.RoMatTrub()) *
                kPi / 4;
     }},
    {2022, [](const FormulaArgs& x) -> Outcome {  // rectangular duct mass, kg
         if (!(x.RoMatTrub() != 0 && AllNonZero({x.a1, x.a2, x.a3, x.a4}))) return kConditionFails;
         return x.a4 * x.RoMatTrub() / 1000000 * ((2 * x.a3 + x.a1) * (2 * x.a3 + x.a2) - x.a1 * x.a2);
     }},
    {2026, [](const FormulaArgs& x) -> Outcome {  // painted surface of a round pipe, m2
         return x.a1 * x.a2 * kPi / 1000;
     }},
    {2027, [](const FormulaArgs& x) -> Outcome {  // painted surface of a rectangular duct, m2
         if (!AllNonZero({x.a1, x.a2, x.a3, x.a4})) return kConditionFails;
         return (x.a2 + x.a1 + 4 * x.a3) * x.a4 * 2 / 1000;
     }},
    {2031, [](const FormulaArgs& x) -> Outcome {  // insulation cover of a round pipe, m2
         return x.a3 * (2 * x.a2 + x.a1) * kPi / 1000;
     }},
    {2032, [](const FormulaArgs& x) -> Outcome {  // insulation cover of a rectangular duct, m2
         if (!AllNonZero({x.a1, x.a2, x.a3, x.a4, x.a5})) return kConditionFails;
         return (x.a2 + x.a1 + 4 * x.a3 + 4 * x.a4) * x.a5 * 2 / 1000;
     }},
    {2036, [](const FormulaArgs& x) -> Outcome {  // insulation volume of a round pipe, m3
         return x.a3 * (Sq((2 * x.a2 + x.a1) / 1000) - Sq(x.a1 / 1000)) * kPi / 4;
     }},
    {2037, [](const FormulaArgs& x) -> Outcome {  // insulation volume of a rectangular duct, m3
         if (!AllNonZero({x.a1, x.a2, x.a3, x.a4, x.a5})) return kConditionFails;
         Num W = 2 * x.a3 + x.a1;  // outer width
         Num V = 2 * x.a3 + x.a2;  // outer height
         Num E = 2 * x.a4;         // insulation on both sides
         return ((W + E) * (V + E) - W * V) * x.a5 / 1000000;
     }},
};

}  // namespace

std::span<const Formula> GeometryFormulas() { return kGeometry; }

}  // namespace zul
