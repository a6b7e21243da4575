// Air conditioning (temperature scales, moist air), water supply (design flow by the
// probability method), heat-generating plants (fuel, flue gas, chimney) and noise levels.
#include "calc/FormulaGroups.h"

namespace zul {
namespace {

constexpr Num kVapourHeat = 1.8068L;  // heat capacity of water vapour, kJ/(kg °C)
constexpr Num kMolarRatio = 622;      // molar masses of water vapour and dry air, in g/kg

// The dimensionless coefficient α of the probability method. At exactly PN = 0.015 the
// power's logarithm meets 0 and faults, as every x^y = e^(y·ln x) does.
Num Alpha(Num pn) {
    if (pn < 0.015L) return 0.2L;
    return Pow(pn - 0.015L, 0.686L) * 0.777L + 0.2L;
}

// 10·lg of the sum of 10^(level·0.1) over the k bands, each level with its band's correction
// when weighted. lg is the evaluator's; its failure fails the calculation.
Outcome TotalNoiseLevel(const FormulaArgs& x, bool aWeighted) {
    Num sum = 0;
    for (int band = 1; band <= x.k; ++band) {
        Num level = aWeighted ? x.Slot(band) + x.NoiseCorrection(band) : x.Slot(band);
        sum = sum + Pow(10, level * 0.1L);
    }
    Extended lg = 0;
    if (!ApplyFunction(Function::Lg, sum.value(), x.angleUnit, lg)) return kConditionFails;
    return 10 * Num(lg);
}

const Formula kSupplyNoise[] = {
    // Air conditioning.
    {7010, [](const FormulaArgs& x) -> Outcome {  // °C to °F
         return x.a1 * 1.8L + 32;
     }},
    {7011, [](const FormulaArgs& x) -> Outcome {  // °F to °C
         return (x.a1 - 32) * 0.55555555555555555556L;
     }},
    {7022, [](const FormulaArgs& x) -> Outcome {  // specific evaporation heat, kJ/kg
         return 2500 - x.a1 * 2.38L;
     }},
    {7023, [](const FormulaArgs& x) -> Outcome {  // barometric pressure, mm of mercury
         return 760 / Pow(10, x.a1 / (x.a2 * 0.067L + 18.4L));
     }},
    {7024, [](const FormulaArgs& x) -> Outcome {  // enthalpy of moist air, kJ/kg
         return x.a1 * x.CmVozd() + (x.a1 * kVapourHeat + 2500) * x.a2 / 1000;
     }},
    {7025, [](const FormulaArgs& x) -> Outcome {  // partial pressure of water vapour
         if (!(x.a2 + kMolarRatio != 0)) return kConditionFails;
         return x.a1 * x.a2 / (x.a2 + kMolarRatio);
     }},
    {7026, [](const FormulaArgs& x) -> Outcome {  // relative humidity, %
         if (!(x.a2 + kMolarRatio != 0)) return kConditionFails;
         return x.a1 * 100 * x.a2 / ((x.a2 + kMolarRatio) * x.a3);
     }},
    {7027, [](const FormulaArgs& x) -> Outcome {  // heat capacity of moist air, kJ/(kg °C)
         return x.a1 * kVapourHeat / 1000 + 1.005L;  // dry air fixed, not the setting
     }},
    {7051, [](const FormulaArgs& x) -> Outcome {  // saturated vapour pressure, mm of mercury
         if (!(x.a1 + 236 != 0)) return kConditionFails;
         return Pow(10, (x.a1 * 8.12L + 156) / (x.a1 + 236));
     }},
    {7052, [](const FormulaArgs& x) -> Outcome {  // saturated vapour pressure from moisture
         if (!(x.a2 + kMolarRatio != 0)) return kConditionFails;
         return x.a1 * x.a2 / ((x.a2 + kMolarRatio) * x.a3 / 100);
     }},
    {7056, [](const FormulaArgs& x) -> Outcome {  // moisture content, g/kg, from humidity
         Num D = x.a1 - x.a3 * x.a2 / 100;
         if (!(D != 0)) return kConditionFails;
         return x.a3 * kMolarRatio * x.a2 / 100 / D;
     }},
    {7057, [](const FormulaArgs& x) -> Outcome {  // moisture content, g/kg, from partial pressure
         if (!(x.a1 - x.a2 != 0)) return kConditionFails;
         return x.a2 * kMolarRatio / (x.a1 - x.a2);
     }},
    {7058, [](const FormulaArgs& x) -> Outcome {  // moisture content, g/kg, from enthalpy
         if (!(x.a2 * kVapourHeat + 2500 != 0)) return kConditionFails;
         return (x.a1 - x.a2 * x.CmVozd()) * 1000 / (x.a2 * kVapourHeat + 2500);
     }},

    // Water supply.
    {6002, [](const FormulaArgs& x) -> Outcome {  // design flow, l/s, from α
         return x.a1 * x.a2 * 5;
     }},
    {6003, [](const FormulaArgs& x) -> Outcome {  // design flow, l/s, from persons
         if (!(x.a2 != 0)) return kConditionFails;
         Num pn = x.a1 * x.a3 / (x.a2 * 3600);
         return Alpha(pn) * x.a2 * 5;
     }},
    {6010, [](const FormulaArgs& x) -> Outcome {  // probability of simultaneous use
         if (!(x.a2 != 0 && x.a4 != 0)) return kConditionFails;
         return x.a1 * x.a3 / (x.a2 * 3600 * x.a4);
     }},
    {6011, [](const FormulaArgs& x) -> Outcome {  // coefficient α of PN
         return Alpha(x.a1);
     }},

    // Heat-generating plants.
    {8011, [](const FormulaArgs& x) -> Outcome {  // fuel consumption for a heat load
         if (!(x.a1 != 0 && x.a3 != 0)) return kConditionFails;
         return (1 - x.a4 / 100) * (x.a2 * 100000000 / (x.a1 * x.a3));
     }},
    {8012, [](const FormulaArgs& x) -> Outcome {  // fuel consumption for a steam output
         if (!(x.a1 != 0 && x.a3 != 0)) return kConditionFails;
         return (1 - x.a4 / 100) * (x.a2 * 100000 * (x.a5 - x.a6) / (x.a1 * x.a3));
     }},
    {8020, [](const FormulaArgs& x) -> Outcome {  // flue gas fan capacity with 10 % margin, m3/h
         return x.a1 * 1.1L * x.a2 * (x.a3 + 273) / 273 * (1 - x.a4 / 100);
     }},
    {8021, [](const FormulaArgs& x) -> Outcome {  // chimney height, m
         if (!(x.a1 != 0 && x.a3 != 0 && x.a4 != 0 && x.a3 != x.a4)) return kConditionFails;
         return x.a2 * 2.15L / ((1 / (x.a3 + 273) - 1 / (x.a4 + 273)) * x.a1);
     }},
    {8022, [](const FormulaArgs& x) -> Outcome {  // chimney outlet area, m2
         if (!(x.a5 != 0)) return kConditionFails;
         return x.a1 * x.a2 * (x.a3 + 273) / (x.a5 * 982800) * (1 - x.a4 / 100);  // 3600·273
     }},

    // Noise: band levels from 62.5 Hz upward, as many as splitting cycles were made.
    {5001, [](const FormulaArgs& x) -> Outcome {  // A-weighted total level, dBA
         return TotalNoiseLevel(x, true);
     }},
    {5002, [](const FormulaArgs& x) -> Outcome {  // total level, dB or dBA
         return TotalNoiseLevel(x, false);
     }},
};

}  // namespace

std::span<const Formula> SupplyNoiseFormulas() { return kSupplyNoise; }

}  // namespace zul
