// One-key-per-call access to INI files, standing in for the Windows profile functions, and
// the header every file of the system begins with.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/IniDocument.h"

namespace zul {

// Why a file was not read or not written, as the messages show it.
inline constexpr std::string_view kFolderText = "это папка, а не файл";
inline constexpr std::string_view kTooLargeText = "файл больше 16 МБ";
inline constexpr std::string_view kWouldBeTooLargeText =
    "файл получился бы больше 16 МБ, и программа не смогла бы его открыть";

// Writes the bytes as IniDocument::Save writes a document: into a temporary file of the
// target's folder, renamed over the target only when complete. On failure the old file
// (or its absence) stays as it was.
IniSaveResult SaveFileBytes(const std::string& path, std::string_view bytes);

// The value of the key, or the default when the file, the section or the key is missing
// (or the file cannot be read).
std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue);
// Creates the file on first write; keeps every other line. A failure is reported, never
// silent, and leaves the file as it was.
IniSaveResult WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view value);
IniSaveResult EraseIniSection(const std::string& path, std::string_view section);

// The values of the keys prefix + n for n = 1 to count that the section holds, in the
// order of n ("str-1", "str-2", ...; n in decimal without leading zeros). Reading them
// takes time of the order of the section, not of a count read from the file.
std::vector<std::pair<int, std::string>> NumberedValues(const IniDocument& document, std::string_view section,
                                                        std::string_view prefix, int count);

// The header of every file of the system: section Program, key Name = "ZUL (ver 1.4)".
// "1.4" is the version of the file format, which the program's version (Version.h) does not
// change.
inline constexpr std::string_view kFileFormatVersion = "1.4";
inline constexpr std::string_view kHeaderSection = "Program";
inline constexpr std::string_view kHeaderKey = "Name";
std::string ZulHeaderText();  // "ZUL (ver 1.4)"
// The header check: the first three characters of the Name value, trimmed, are "ZUL"
// (case-sensitive). "ZULx" passes, "zul" fails.
bool PassesZulHeader(const IniDocument& document);
void WriteZulHeader(IniDocument& document);

}  // namespace zul
