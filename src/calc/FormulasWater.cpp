// Liquid flow in pipes: velocity, diameter, flow and heat flow of water, throttle orifice,
// friction losses. Water density and heat capacity come from the settings.
#include "calc/FormulaGroups.h"

namespace zul {
namespace {

constexpr Num kG1000 = 9806.65L;  // 1000·g: pascals divided by it give metres of water column

// Friction factor λ = 0.11·(Δ/d + 68/Re)^0.25 with d in millimetres: 68/Re = ν·68000/(v·d).
// Empty when its conditions (d ≠ 0, v ≠ 0, X > 0) do not hold.
Outcome FrictionFactor(const FormulaArgs& x) {
    if (!(x.a3 != 0 && x.a4 != 0)) return kConditionFails;
    Num X = x.a2 / x.a3 + x.a1 * 68000 / (x.a4 * x.a3);
    if (!(X > 0)) return kConditionFails;
    return 0.11L * Pow(X, 0.25L);
}

const Formula kWater[] = {
    {1, [](const FormulaArgs& x) -> Outcome {  // velocity, m/s, from flow m3/h and diameter mm
         if (!(x.a2 != 0)) return kConditionFails;
         return x.a1 / (Sq(x.a2 / 1000) * kC3600 / 4);
     }},
    {51, [](const FormulaArgs& x) -> Outcome {  // pipe diameter, mm, from flow and velocity
         if (!(x.a2 != 0)) return kConditionFails;
         return Sqrt(x.a1 / (x.a2 * kC900)) * 1000;
     }},
    {52, [](const FormulaArgs& x) -> Outcome {  // pipe diameter, mm, from heat flow kW
         if (!(x.a2 != 0 && x.a3 > 0 && x.CmVoda() != 0 && x.RoVoda() != 0)) return kConditionFails;
         return Sqrt(x.a1 / (x.CmVoda() * x.RoVoda() * kPi * x.a2 * x.a3 / 4)) * 1000;
     }},
    {61, [](const FormulaArgs& x) -> Outcome {  // orifice diameter, mm, from flow t/h and head m
         if (!(x.a1 != 0 && x.a2 > 0)) return kConditionFails;
         return Root4(Sq(x.a1) / x.a2) * 10;
     }},
    {62, [](const FormulaArgs& x) -> Outcome {  // orifice diameter, mm, from flow m3/h and Pa
         // The third condition guards the density that turns the volume flow into a mass flow.
         if (!(x.a1 != 0 && x.a2 > 0 && x.RoVoda() != 0)) return kConditionFails;
         Num G = x.a1 * x.RoVoda() / 1000;
         Num H = x.a2 / kG1000;
         return Root4(Sq(G) / H) * 10;
     }},
    {71, [](const FormulaArgs& x) -> Outcome {  // friction factor λ
         return FrictionFactor(x);
     }},
    {72, [](const FormulaArgs& x) -> Outcome {  // specific friction loss, Pa/m
         Outcome lambda = FrictionFactor(x);
         if (!lambda) return kConditionFails;
         return *lambda * x.a4 * x.a4 * x.a5 / (x.a3 * 2 / 1000);
     }},
    {73, [](const FormulaArgs& x) -> Outcome {  // friction loss of a section, Pa
         if (!(x.a3 != 0)) return kConditionFails;
         return x.a4 * x.a4 * x.a2 * x.a5 * x.a1 / (x.a3 * 2 / 1000);
     }},
    {101, [](const FormulaArgs& x) -> Outcome {  // flow, m3/h, from diameter mm and velocity
         return Sq(x.a1 / 1000) * kC3600 / 4 * x.a2;
     }},
    {102, [](const FormulaArgs& x) -> Outcome {  // flow, m3/h, from heat flow kW
         if (!(x.a2 != 0 && x.CmVoda() != 0 && x.RoVoda() != 0)) return kConditionFails;
         return x.a1 * 3600 / (x.CmVoda() * x.RoVoda() * x.a2);
     }},
    {151, [](const FormulaArgs& x) -> Outcome {  // heat flow, kW, from flow m3/h
         return x.CmVoda() * x.RoVoda() * x.a1 * x.a2 / 3600;
     }},
    {152, [](const FormulaArgs& x) -> Outcome {  // heat flow, kW, from diameter and velocity
         return (x.a1 / 1000) * (x.a1 / 1000) * (x.CmVoda() * x.RoVoda() * kPi) * x.a2 * x.a3 / 4;
     }},
};

}  // namespace

std::span<const Formula> WaterFormulas() { return kWater; }

}  // namespace zul
