// Zul.lit is kept in the repository as UTF-8 text and shipped in Windows-1251.
#pragma once

#include <string>
#include <string_view>

namespace zul::datagen {

// The UTF-8 source (byte order mark allowed, LF or CR LF lines) as Windows-1251 bytes with
// CR LF line ends. False when a character has no place in Windows-1251.
bool ConvertLiteratureSource(std::string_view utf8, std::string& windows1251);

}  // namespace zul::datagen
