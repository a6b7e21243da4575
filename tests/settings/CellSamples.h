// Cell texts for round trips through the files: every character of Windows-1251 inside a
// cell, alone and beside the separators, and a sample of other Unicode characters.
#pragma once

#include <string>
#include <vector>

#include "settings/IniEncoding.h"

namespace zul::testing {

inline std::vector<std::string> CellSamples() {
    std::vector<std::string> cells;
    for (int b = 0; b < 256; ++b) {
        if (b == '\r' || b == '\n') continue;  // a line of a file cannot hold them: they become blanks
        const std::string c = Windows1251ToUtf8(std::string(1, static_cast<char>(b)));
        cells.push_back("<" + c + ">");
        cells.push_back("<" + c + "//!" + c + "/>");
    }
    for (const char* u : {"//!", "a //! b", "//!//!//!", "///!!", "//¦!", "//¦¦!", "¦", "¦-/¦¦", "/¦-", "α+β",
                          "中文", "😀 U+1F600", "\xEF\xBB\xBF" "BOM", "x\xEF\xBB\xBF", "€‰№"}) {
        cells.emplace_back(u);
    }
    return cells;
}

}  // namespace zul::testing
