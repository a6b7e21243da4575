// The thirteen single-precision physical constants that the formulas read by index.
#pragma once

#include <array>

#include "eval/Extended.h"

namespace zul {

// Index 1..8: the noise corrections (HaraktShumomer), 9 Ro-Voda, 10 RoMatTrub,
// 11 Cm-Voda, 12 Cm-Vozd, 13 Cv-Vozd. Stored as float, widened at each read.
class ConstantsArray {
public:
    static constexpr int kCount = 13;
    enum Index { RoVoda = 9, RoMatTrub = 10, CmVoda = 11, CmVozd = 12, CvVozd = 13 };

    ConstantsArray();  // the defaults

    float Get(int index) const { return values_.at(static_cast<std::size_t>(index - 1)); }
    void Set(int index, float value) { values_.at(static_cast<std::size_t>(index - 1)) = value; }
    Extended Read(int index) const { return static_cast<Extended>(Get(index)); }

    bool operator==(const ConstantsArray&) const = default;

private:
    std::array<float, kCount> values_{};
};

}  // namespace zul
