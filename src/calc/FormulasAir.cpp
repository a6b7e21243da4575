// Air ducts and air heat flow: air density, velocity, duct diameter and cross-section, air
// flow, local resistance losses, heat carried by air. The variants "при плотности 1.2 кг/м3"
// use a fixed density; the variants "плотность - по температуре" use ρt = 353 / (t + 273.15).
#include "calc/FormulaGroups.h"

namespace zul {
namespace {

constexpr Num kFixedDensity = 1.2L;

const Formula kAir[] = {
    {1001, [](const FormulaArgs& x) -> Outcome {  // air density, kg/m3
         if (!(x.a1 != kAbsoluteZero)) return kConditionFails;
         return 353 / (x.a1 + kKelvin);
     }},
    {1006, [](const FormulaArgs& x) -> Outcome {  // velocity, m/s, from flow and diameter mm
         if (!(x.a2 != 0)) return kConditionFails;
         return x.a1 / (Sq(x.a2 / 1000) * kC3600 / 4);
     }},
    {1007, [](const FormulaArgs& x) -> Outcome {  // velocity, m/s, from flow and area m2
         if (!(x.a2 != 0)) return kConditionFails;
         return x.a1 / (x.a2 * 3600);
     }},
    {1012, [](const FormulaArgs& x) -> Outcome {  // duct diameter, mm, from flow and velocity
         if (!(x.a2 != 0)) return kConditionFails;
         return Sqrt(x.a1 / (x.a2 * kC900)) * 1000;
     }},
    {1015, [](const FormulaArgs& x) -> Outcome {  // duct diameter, mm, from heat flow, ρ = 1.2
         if (!(x.a2 != 0 && x.a3 != 0 && x.CmVozd() != 0)) return kConditionFails;
         return Sqrt(4 * x.a1 / (x.a3 * (x.a2 * (x.CmVozd() * kFixedDensity * kPi)))) * 1000;
     }},
    {1016, [](const FormulaArgs& x) -> Outcome {  // duct diameter, mm, from heat flow, ρt
         if (!(x.a2 != 0 && x.a3 != 0 && x.CmVozd() != 0 && x.a4 != kAbsoluteZero))
             return kConditionFails;
         return Sqrt(4 * x.a1 / (x.a3 * (x.a2 * (x.CmVozd() * 353 / (x.a4 + kKelvin) * kPi)))) * 1000;
     }},
    {1022, [](const FormulaArgs& x) -> Outcome {  // air flow, m3/h, from diameter and velocity
         return Sq(x.a1 / 1000) * kC3600 / 4 * x.a2;
     }},
    {1025, [](const FormulaArgs& x) -> Outcome {  // air flow, m3/h, from heat flow, ρ = 1.2
         if (!(x.a2 != 0 && x.CmVozd() != 0)) return kConditionFails;
         return x.a1 * 3000 / (x.a2 * x.CmVozd());  // 3000 = 3600 / 1.2
     }},
    {1026, [](const FormulaArgs& x) -> Outcome {  // air flow, m3/h, from heat flow, ρt
         if (!(x.a2 != 0 && x.CmVozd() != 0 && x.a3 != kAbsoluteZero)) return kConditionFails;
         return x.a1 * 3600 / (x.CmVozd() * 353 / (x.a3 + kKelvin) * x.a2);
     }},
    {1032, [](const FormulaArgs& x) -> Outcome {  // heat flow, kW, from air flow, ρ = 1.2
         return x.a2 * (x.a1 * (x.CmVozd() * kFixedDensity)) / 3600;
     }},
    {1033, [](const FormulaArgs& x) -> Outcome {  // heat flow, kW, from air flow, ρt
         if (!(x.a3 != kAbsoluteZero)) return kConditionFails;
         return x.a2 * (x.a1 * (x.CmVozd() * 353 / (x.a3 + kKelvin))) / 3600;
     }},
    {1035, [](const FormulaArgs& x) -> Outcome {  // heat flow, kW, from area and velocity, ρ = 1.2
         return x.a3 * (x.a2 * (x.a1 * (x.CmVozd() * kFixedDensity)));
     }},
    {1036, [](const FormulaArgs& x) -> Outcome {  // heat flow, kW, from area and velocity, ρt
         if (!(x.a4 != kAbsoluteZero)) return kConditionFails;
         return x.a3 * (x.a2 * (x.a1 * (x.CmVozd() * 353 / (x.a4 + kKelvin))));
     }},
    {1042, [](const FormulaArgs& x) -> Outcome {  // duct cross-section, m2: the formula of 1007
         if (!(x.a2 != 0)) return kConditionFails;
         return x.a1 / (x.a2 * 3600);
     }},
    {1045, [](const FormulaArgs& x) -> Outcome {  // duct cross-section, m2, from heat flow, ρ = 1.2
         if (!(x.a2 != 0 && x.a3 != 0 && x.CmVozd() != 0)) return kConditionFails;
         return x.a1 / (x.CmVozd() * kFixedDensity * x.a2 * x.a3);
     }},
    {1046, [](const FormulaArgs& x) -> Outcome {  // duct cross-section, m2, from heat flow, ρt
         // ρt stands inverted in the numerator, so no temperature needs excluding.
         if (!(x.a2 != 0 && x.a3 != 0 && x.CmVozd() != 0)) return kConditionFails;
         return (x.a4 + kKelvin) * x.a1 / (x.CmVozd() * 353 * x.a2 * x.a3);
     }},
    {3012, [](const FormulaArgs& x) -> Outcome {  // local resistance loss of air, Pa
         if (!(x.a3 != kAbsoluteZero)) return kConditionFails;
         return x.a2 * x.a2 * x.a1 * 353 / (x.a3 + kKelvin) / 2;
     }},
    {3014, [](const FormulaArgs& x) -> Outcome {  // local resistance loss of a gas mixture, Pa
         return x.a2 * x.a2 * x.a1 * x.a3 / 2;
     }},
};

}  // namespace

std::span<const Formula> AirFormulas() { return kAir; }

}  // namespace zul
