// Helpers of the fuzz targets: the input cut into pieces, and properties that stop the run
// with a message when they do not hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace zul::fuzz {

// The input as text, cut at NUL bytes into at most `most` pieces (the last takes the rest).
inline std::vector<std::string> Pieces(const std::uint8_t* data, std::size_t size, std::size_t most) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && pieces.size() < most) {
            pieces.emplace_back();
        } else {
            pieces.back() += static_cast<char>(data[i]);
        }
    }
    return pieces;
}

// A failed property is a finding, like a crash.
inline void Require(bool holds, const char* what, std::string_view detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n%.*s\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

}  // namespace zul::fuzz
