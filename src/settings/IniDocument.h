// An INI file held in memory: read many keys and write many keys between one load and one
// save. Behaves as the Windows profile functions do where the system relies on them
// (case-insensitive names, first occurrence wins, other lines kept in place).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/IniEncoding.h"

namespace zul {

enum class IniLoadStatus { Ok, Missing, TooLarge, Unreadable };

struct IniLoadResult {
    IniLoadStatus status = IniLoadStatus::Ok;
    std::string error;  // why the file could not be read (empty for Ok and Missing)
    bool ok() const { return status == IniLoadStatus::Ok; }
};

struct IniSaveResult {
    bool ok = true;
    std::string error;  // why the file could not be written
};

class IniDocument {
public:
    // Larger files are refused: no file of the system comes near it, and loading an
    // arbitrary huge file line by line would take the memory of the machine.
    static constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

    // Replaces the content with the file's. A missing file gives an empty document and the
    // status Missing; a file that cannot be read or is too large leaves the document empty.
    IniLoadResult Load(const std::string& path);
    // Writes the document to a temporary file in the same folder and renames it over
    // `path`. On failure the old file is untouched. A file with no write permission is
    // refused even where the process could replace it.
    IniSaveResult Save(const std::string& path) const;

    void Parse(std::string_view fileBytes);  // bytes in Windows-1251 or UTF-8
    std::string Serialize() const;           // the file's bytes, CRLF line ends
    IniEncoding LoadedEncoding() const { return loadedEncoding_; }

    bool HasSection(std::string_view section) const;
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string Read(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // Replaces the first occurrence of the key, or appends it after the section's last key
    // (the section is appended at the end of the file when it is new).
    void Write(std::string_view section, std::string_view key, std::string_view value);
    // Removes every occurrence of the section with all its lines.
    void EraseSection(std::string_view section);
    void EraseKey(std::string_view section, std::string_view key);

    std::vector<std::string> SectionNames() const;                  // file order, first occurrences
    std::vector<std::string> Keys(std::string_view section) const;  // file order

private:
    struct Line {
        std::string text;  // the line as it stands in the file (decoded), no line end
        std::string key;   // empty for lines that are not keys
        std::string value;
        bool isKey = false;
    };
    struct Section {
        std::string name;  // empty for the lines before the first section
        std::string header;
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> keyIndex;  // folded key -> first line
        bool isPreamble = false;
    };

    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);
    void RebuildSectionIndex();
    static void RebuildKeyIndex(Section& section);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first section
    IniEncoding loadedEncoding_ = IniEncoding::Windows1251;
};

// ASCII case folding used for section and key names.
std::string FoldIniName(std::string_view name);

}  // namespace zul
