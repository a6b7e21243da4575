// Cells inside one INI value. The memory lines of settings files and the lines of list files
// join their cells with "//!", and a user constant is stored as name + "/" + value; the
// readers split at the first separators. A cell that holds the separator itself is stored
// so that every reader of the format still splits at the right places and this program
// gives the cell back exactly as it was typed.
//
// Cells: "//!" is stored as "//¦!", and a run "//¦…¦!" gets one "¦" more ("//¦!" as
// "//¦¦!"); reading removes one. Names: "/" is stored as "¦-" and "¦" as "¦¦". Texts
// without these characters are stored as they are, so files of the original program read
// the same, unless a cell there happens to hold "//¦!" or a name "¦¦" or "¦-".
#pragma once

#include <string>
#include <string_view>

namespace zul {

inline constexpr std::string_view kCellSeparator = "//!";
inline constexpr std::string_view kCellEscape = "\u00A6";  // "¦", in Windows-1251 too

std::string EncodeCell(std::string_view cell);      // "2 //! note" -> "2 //¦! note"
std::string DecodeCell(std::string_view stored);    // "2 //¦! note" -> "2 //! note"
std::string EncodeConstantName(std::string_view name);   // "a/b" -> "a¦-b"
std::string DecodeConstantName(std::string_view stored);  // "a¦-b" -> "a/b"

}  // namespace zul
