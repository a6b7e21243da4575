// The calculation note of a session: the journal of what was computed, the heading of the
// document and the literature file its entries quote. The compute command records into
// it; the settings file keeps the journal, the program INI the heading.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/Journal.h"
#include "settings/ReportHeading.h"
#include "settings/IniDocument.h"

namespace zul {

struct Calculator;
struct MemoryRow;
struct ListLine;

struct SessionReport {
    Journal journal;
    ReportHeading heading;
    // Off where nobody reads the journal (zulc without --report): a compute then costs
    // no second evaluation of its groups.
    bool recording = true;
    // The literature file the references are written out from; none: no references.
    std::optional<IniDocument> literature;
    // The folder holding "Pict", where the document's pictures come from.
    std::string picturesFolder;
};

// After a successful compute of `line`, shown as `resultText`: adds the entry to the
// journal. The settings file stores the journal, so a file in use has an unsaved change.
void RecordCompute(Calculator& calculator, const std::string& line, const std::string& resultText);

// Entries made from what the user kept: a memory row or a line of the expression list, as
// an expression with its result and the note as the entry's note. Nothing for a row or a
// line without an expression.
std::optional<JournalEntry> MakeMemoryEntry(const MemoryRow& row, const Stamp& stamp);
std::optional<JournalEntry> MakeListLineEntry(const ListLine& line, const Stamp& stamp);

// The two texts a list of entries shows: what was computed ("Скорость жидкости: [12.5] [80]",
// "2+3", "Сумма времени: [01:30:00] [00:20:00]") and its result with the unit
// ("0.690776662725 м/с").
std::string EntryCaption(const JournalEntry& entry);
std::string EntryResult(const JournalEntry& entry);

// The journal of a settings file read with the answer of the history question: "Заменить"
// takes the file's journal, "Не менять" keeps the session's, any other answer adds the
// file's entries after the session's. A file without the journal section changes nothing.
// Returns the number of stored entries that could not be read.
int ReadSessionJournal(SessionReport& report, const IniDocument& settingsFile, int historyAnswer);

}  // namespace zul
