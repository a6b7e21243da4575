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
#include "settings/IniNameIndex.h"

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
    // Larger files are refused on reading, and a document whose file would be larger is
    // not written: whatever the program saves, it can open again.
    static constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

    // Replaces the content with the file's. A missing file gives an empty document and the
    // status Missing; a file that cannot be read or is too large leaves the document empty.
    IniLoadResult Load(const std::string& path);
    // Writes the document to a temporary file in the folder of the target and renames it
    // over the target: a symbolic link is followed to the file it names (which is created
    // when missing), permissions and, where the process may, owner and group are kept. On
    // failure the old file is untouched. A file with no write permission is refused even
    // where the process could replace it.
    IniSaveResult Save(const std::string& path) const;

    // Memory and time linear in the size of the bytes (Windows-1251 or UTF-8).
    void Parse(std::string_view fileBytes);
    std::string Serialize() const;  // the file's bytes, CRLF line ends

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
    // A line is a range of text_. Consecutive lines that are not keys (blank lines,
    // comments, everything before the first section) share one entry whose range spans
    // them with their line ends, so that a file of empty lines costs no entry per line; the
    // entry is kBlank while all its lines are blank.
    enum LineKind : std::uint8_t { kKey, kBlank, kOther };
    struct Line {
        std::uint64_t begin = 0;
        std::uint64_t length : 62 = 0;
        std::uint64_t kind : 2 = kKey;
        bool IsKey() const { return kind == kKey; }
    };
    struct Section {
        std::uint64_t headerBegin = 0;
        std::uint64_t headerLength : 63 = 0;
        std::uint64_t isPreamble : 1 = 0;
        std::vector<Line> lines;
    };

    std::string_view TextOf(std::uint64_t begin, std::uint64_t length) const;
    std::string_view LineText(const Line& line) const { return TextOf(line.begin, line.length); }
    std::string_view SectionName(const Section& section) const;
    std::string_view KeyOf(const Line& line) const;
    std::string ValueOf(const Line& line) const;
    Line AppendKeyLine(std::string_view text);

    std::size_t FindSection(std::string_view name) const;  // kNotFound when missing
    std::size_t FindKey(std::size_t section, std::string_view key) const;
    const IniNameIndex& SectionIndex() const;
    const IniNameIndex& KeyIndex(std::size_t section) const;
    std::size_t InsertPosition(Section& section) const;
    void EnsurePreamble();

    std::string text_;  // every line's text, decoded; edits append to it
    std::vector<Section> sections_;
    // Built on the first lookup after a change that moved names.
    mutable IniNameIndex sectionIndex_;
    mutable bool sectionIndexValid_ = false;
    mutable std::unordered_map<std::size_t, IniNameIndex> keyIndexes_;  // by section position
    // The last section looked up: callers ask for the same section key after key.
    mutable std::string lastSectionQuery_;
    mutable std::size_t lastSection_ = IniNameIndex::kNotFound;
    mutable bool lastSectionValid_ = false;
};

// ASCII case folding used for section and key names.
std::string FoldIniName(std::string_view name);

}  // namespace zul
