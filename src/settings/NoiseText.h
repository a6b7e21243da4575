// The noise text of the settings window: eight octave-band corrections of the sound
// level meter in one field, separated by blanks.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/ConstantsArray.h"

namespace zul {

inline constexpr int kNoiseCount = 8;

// The A-weighting corrections of the bands 63 to 8000 Hz.
inline constexpr const char* kDefaultNoiseText = DefaultConstantText(1);

// True only for exactly eight numbers separated by one or more blanks (after trimming).
bool CheckNoiseText(std::string_view text);

// The eight corrections; an item that does not convert takes the fall-back of its position,
// an empty text gives all eight fall-backs.
std::array<float, kNoiseCount> ParseNoiseCorrections(std::string_view text);

// Replaces every missing or bad item by the fall-back text of its position, joining the
// eight items by single blanks; an empty text becomes the default text. Returns true when
// the text was rewritten (it is left alone when no item needed replacing).
bool RepairNoiseText(std::string& text);

}  // namespace zul
