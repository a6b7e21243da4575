// Text encodings at the boundary of the system's INI files: Windows-1251 on disk (UTF-8
// accepted for files edited elsewhere), UTF-8 in memory.
#pragma once

#include <string>
#include <string_view>

namespace zul {

enum class IniEncoding { Windows1251, Utf8 };

// True when the bytes form valid UTF-8 (ASCII included).
bool IsValidUtf8(std::string_view bytes);

// Windows-1251 bytes -> UTF-8. Every byte maps to a character (0x98, unassigned in the code
// page, maps to U+0098 so that it survives a round trip).
std::string Windows1251ToUtf8(std::string_view bytes);

// UTF-8 -> Windows-1251. False, with `out` incomplete, when a character has no place in the
// code page. A byte that is not part of valid UTF-8 is taken as a Windows-1251 byte as is.
bool Utf8ToWindows1251(std::string_view text, std::string& out);

// Decodes a file's bytes: UTF-8 when they start with the UTF-8 byte order mark (which is
// dropped) or are valid UTF-8 with at least one non-ASCII byte; Windows-1251 otherwise.
std::string DecodeIniBytes(std::string_view bytes, IniEncoding* detected = nullptr);

// Encodes text for a file: Windows-1251 when every character has a place in the code page
// and the result cannot be mistaken for UTF-8 on reading; UTF-8 otherwise, with a byte
// order mark only when the text itself begins with U+FEFF (which the mark then protects).
std::string EncodeIniText(std::string_view text, IniEncoding* chosen = nullptr);

}  // namespace zul
