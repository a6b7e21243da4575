// The table of picture names shown beside the topic tree, indexes 1 to 125.
#pragma once

#include <string_view>

namespace zul {

inline constexpr int kPictureCount = 125;
inline constexpr int kStartPicture = 1;  // "Zast-001": shown at start and as the fall-back

// Name of picture i (1..125), without folder and extension; empty outside that range.
std::string_view PictureName(int index);

// Index of the picture with that name (exact, case-sensitive); 0 when there is none.
int PictureIndex(std::string_view name);

}  // namespace zul
