// The thirteen single-precision physical constants that the formulas read by index, and
// their defaults.
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

    ConstantsArray();  // the defaults of kConstantDefaults

    float Get(int index) const { return values_.at(static_cast<std::size_t>(index - 1)); }
    void Set(int index, float value) { values_.at(static_cast<std::size_t>(index - 1)) = value; }
    Extended Read(int index) const { return static_cast<Extended>(Get(index)); }

    bool operator==(const ConstantsArray&) const = default;

private:
    std::array<float, kCount> values_{};
};

// The default of each constant as the text a fresh settings field shows; the default values
// are these texts read as single values. The eight noise corrections share one text.
struct ConstantDefault {
    int index;         // the constant the text sets; the first of eight for the noise text
    const char* text;  // numbers separated by single blanks
};
inline constexpr ConstantDefault kConstantDefaults[] = {
    {1, "-26.2 -16.1 -8.6 -3.2 0 1.2 1 -1.1"},  // A-weighting of the bands 63 to 8000 Hz
    {ConstantsArray::RoVoda, "970"},             // kg/m3
    {ConstantsArray::RoMatTrub, "7900"},         // kg/m3
    {ConstantsArray::CmVoda, "4.18"},            // kJ/(kg °C)
    {ConstantsArray::CmVozd, "1.005"},           // kJ/(kg °C)
    {ConstantsArray::CvVozd, "1.25"},            // kJ/(m3 °C)
};

// The default text that begins at the constant `index`; empty for any other index.
constexpr const char* DefaultConstantText(int index) {
    for (const ConstantDefault& d : kConstantDefaults)
        if (d.index == index) return d.text;
    return "";
}

}  // namespace zul
