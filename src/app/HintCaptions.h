// The captions and units of a calculation's arguments, read from the bracketed captions of
// its hint line: "[Расход, м3/ч] [Диаметр трубопровода, мм]" -> ("Расход", "м3/ч"),
// ("Диаметр трубопровода", "мм").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zul {

struct QuantityCaption {
    std::string caption;  // "Расход"
    std::string unit;     // "м3/ч"; empty when the text names no unit
    bool operator==(const QuantityCaption&) const = default;
};

// Splits a caption at its last comma when what follows reads as a unit (short words such
// as "м3/ч", "Вт/(м3 К)", "°C", "%"): "Расход, м3/ч" -> ("Расход", "м3/ч");
// "Т1,°C - в тепловой сети" -> ("Т1 - в тепловой сети", "°C");
// "Радиус окружности, лежащей в основании" -> (the whole text, no unit).
// Runs of blanks become one blank. Template titles split the same way.
QuantityCaption SplitCaptionUnit(std::string_view text);

// Every "[...]" of a hint line, in order, split as above. Text outside brackets is ignored.
std::vector<QuantityCaption> ParseHintCaptions(std::string_view hint);

// The argument captions of a calculation code: its hint line's captions; for the two
// acoustics calculations, whose hint names two octave bands and "и т.д.", the eight bands
// from 62.5 Гц to 8000 Гц. Empty for a code that is not a calculation.
std::vector<QuantityCaption> CalculationCaptions(int code);

}  // namespace zul
