// The registry of formulas: the subject tables joined, looked up by calculation code.
#include <algorithm>
#include <vector>

#include "calc/FormulaGroups.h"

namespace zul {

Num FormulaArgs::Slot(int i) const {
    const Num* slots[kArgumentSlots] = {&a1, &a2, &a3, &a4, &a5, &a6, &a7, &a8, &a9, &a10};
    return (i >= 1 && i <= kArgumentSlots) ? *slots[i - 1] : Num(0);
}

void FormulaArgs::SetSlot(int i, Extended value) {
    Num* slots[kArgumentSlots] = {&a1, &a2, &a3, &a4, &a5, &a6, &a7, &a8, &a9, &a10};
    if (i >= 1 && i <= kArgumentSlots) *slots[i - 1] = value;
}

Num FormulaArgs::NoiseCorrection(int band) const {
    // The settings hold eight corrections; constants 9 to 13 are densities and heat
    // capacities, so a ninth or tenth band is summed without a correction.
    constexpr int kNoiseBands = 8;
    if (band < 1 || band > kNoiseBands) return 0;
    return constants->Read(band);
}

namespace {

std::vector<Formula> JoinSubjects() {
    std::vector<Formula> all;
    for (auto subject : {WaterFormulas(), AirFormulas(), VentHeatFormulas(), GeometryFormulas(),
                         SupplyNoiseFormulas(), MathFormulas()}) {
        all.insert(all.end(), subject.begin(), subject.end());
    }
    return all;
}

const std::vector<Formula>& Registry() {
    static const std::vector<Formula> registry = JoinSubjects();
    return registry;
}

}  // namespace

std::span<const Formula> AllFormulas() { return Registry(); }

const Formula* FindFormula(int code) {
    const auto& all = Registry();
    auto it = std::find_if(all.begin(), all.end(), [code](const Formula& f) { return f.code == code; });
    return it == all.end() ? nullptr : &*it;
}

}  // namespace zul
