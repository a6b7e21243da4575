// The journal in a section of its own of the settings file. The settings file writer
// erases and writes the section as it does its other sections; other readers ignore it.
//
//   [Journal]
//   Version=1
//   Count=2
//   Entry1=c|31.01.2025|14:05:09|1|note|[12.5] [80]|0.690776662725|1|Скорость жидкости|...
//   Entry2=e|31.01.2025|14:06:10|0||2+3|5
//
// Each entry is one value: its fields joined by "|", every field escaped ("\\", "\|" and
// "\n", "\r", "\t", "\xHH" for the other control characters) so that any text survives the
// line-based file. Lists inside an entry (arguments, references, time groups) are a count
// followed by their fields.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/Journal.h"
#include "settings/IniDocument.h"

namespace zul {

inline constexpr std::string_view kJournalSection = "Journal";

// The journal's share of a settings file. The INI layer refuses files of more than 16 MB
// on loading; a journal of long notes must never make the whole settings file unreadable.
inline constexpr std::size_t kMaxJournalSectionBytes = 4u * 1024u * 1024u;

// Erases the section and writes the journal into it: every entry, or, when they exceed
// `maxBytes`, the newest entries that fit. Returns the number of entries written.
std::size_t WriteJournalSection(IniDocument& doc, const Journal& journal,
                                std::size_t maxBytes = kMaxJournalSectionBytes);

struct JournalReadResult {
    Journal journal;
    int unreadable = 0;  // entries that were missing or malformed and were left out
};

// Reads the section back; an absent section gives an empty journal. The count in the file
// is not trusted: at most `capacity` entries are read, each checked field by field, and an
// entry that does not read whole is left out (and counted).
JournalReadResult ReadJournalSection(const IniDocument& doc, std::size_t capacity = Journal::kCapacity);

// The field codec of one entry, exposed for its tests.
std::string EncodeJournalFields(const std::vector<std::string>& fields);
// False for a malformed value (an unknown escape, a "\" at the end).
bool DecodeJournalFields(std::string_view value, std::vector<std::string>& fields);

}  // namespace zul
