// Ventilation and heating: fan motor power, pneumatic conveying, natural draught, building
// characteristics and heat losses, heat gains, the water-jet elevator, logarithmic mean
// temperature difference.
#include "calc/FormulaGroups.h"

namespace zul {
namespace {

constexpr Num kGravity = 9.80665L;
constexpr Num kWattPerKcalHour = 1.163L;

const Formula kVentHeat[] = {
    {3005, [](const FormulaArgs& x) -> Outcome {  // fan motor power, kW
         if (!(x.a3 != 0)) return kConditionFails;
         return x.a1 * x.a2 / (x.a3 * 3600000);  // Pa · m3/h to kW
     }},
    {3020, [](const FormulaArgs& x) -> Outcome {  // critical velocity of pneumatic conveying, m/s
         if (!(x.a1 != 0 && x.a4 != kAbsoluteZero)) return kConditionFails;
         Num rho = 353 / (x.a4 + kKelvin);
         return Sqrt(x.a2 * kGravity * x.a5 * x.a3 / (rho * rho * (x.a1 * 1000))) * 0.3L;
     }},
    {3021, [](const FormulaArgs& x) -> Outcome {  // floating velocity of spherical particles, m/s
         if (!(x.a1 * x.a2 > 0)) return kConditionFails;
         return Sqrt(x.a1 * x.a2 / 1000) * 4.7L;
     }},
    {3025, [](const FormulaArgs& x) -> Outcome {  // available natural pressure, Pa
         if (!(x.a2 != kAbsoluteZero && x.a3 != kAbsoluteZero)) return kConditionFails;
         return (1 / (x.a2 + kKelvin) - 1 / (x.a3 + kKelvin)) * (x.a1 * kGravity * 353);
     }},
    {3030, [](const FormulaArgs& x) -> Outcome {  // specific ventilation characteristic, W/(m3 °C)
         if (!(x.a1 != 0)) return kConditionFails;
         return x.a3 * x.a2 * x.CvVozd() / (x.a1 * 3.6L);
     }},
    {3031, [](const FormulaArgs& x) -> Outcome {  // heat for ventilation, W
         return x.a1 * x.a2 * x.a3;
     }},
    {3051, [](const FormulaArgs& x) -> Outcome {  // heat gain from a warm water surface, W
         return (x.a2 * 3.5L + 4.9L) * x.a3 * x.a1 * kWattPerKcalHour;
     }},
    {3052, [](const FormulaArgs& x) -> Outcome {  // heat gain from warm equipment and pipes, W
         if (!(x.a2 != 0)) return kConditionFails;
         return (7 * Sqrt(x.a2) + (x.a3 * 0.047L + 9.3L)) * x.a1 * x.a3;
     }},
    {4005, [](const FormulaArgs& x) -> Outcome {  // specific heat characteristic, W/(m3 °C)
         if (!(x.a1 != 0)) return kConditionFails;
         return ((x.a4 * 2 / 100 + 1) * x.a2 + x.a3) * kWattPerKcalHour / x.a1;
     }},
    {4010, [](const FormulaArgs& x) -> Outcome {  // approximate heat loss, W
         if (!(x.a3 != 0)) return kConditionFails;
         return (22 / x.a3 + 0.54L) * x.a2 * x.a1 * x.a3;
     }},
    {4021, [](const FormulaArgs& x) -> Outcome {  // mixing coefficient of the elevator
         if (!(x.a3 - x.a2 != 0)) return kConditionFails;
         return (x.a1 - x.a3) / (x.a3 - x.a2);
     }},
    {4022, [](const FormulaArgs& x) -> Outcome {  // elevator throat diameter, mm
         if (!(x.a2 != 0)) return kConditionFails;
         return Root4(Sq(x.a3 + 1) * Sq(x.a1) / x.a2) * 8.5L;
     }},
    {4023, [](const FormulaArgs& x) -> Outcome {  // elevator nozzle diameter, mm
         if (!(x.a2 != 0)) return kConditionFails;
         return Root4(Sq(x.a1) / x.a2) * 9.6L;
     }},
    {4024, [](const FormulaArgs& x) -> Outcome {  // required head before the elevator, m
         return Sq(x.a2 + 1) * (x.a1 * 1.4L);
     }},
    {4025, [](const FormulaArgs& x) -> Outcome {  // elevator efficiency, %
         if (!(x.a1 != 0 && x.a1 != x.a3)) return kConditionFails;
         return x.a2 * 100 / (x.a3 / x.a1 - 1);
     }},
    {4030, [](const FormulaArgs& x) -> Outcome {  // logarithmic mean temperature difference, °C
         if (!(x.a1 != 0 && x.a2 != 0 && x.a1 > x.a2)) return kConditionFails;
         return (x.a1 - x.a2) / Ln(x.a1 / x.a2);
     }},
};

}  // namespace

std::span<const Formula> VentHeatFormulas() { return kVentHeat; }

}  // namespace zul
