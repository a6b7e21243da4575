// One entry of the session journal: what a successful compute had, kept as text so that
// the document can be written later, from the settings file, without the catalogue.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace zul {

enum class EntryKind {
    Calculation,  // an engineering calculation of the catalogue
    Expression,   // a plain expression
    TimeSum,      // the sum of clock times
};

// One argument of a calculation: the group as the dispatch evaluated it and what the hint
// line says it is. An argument the line did not give has an empty text (the formula read 0).
struct ArgumentRecord {
    std::string text;       // "3600/4"; empty: not given
    std::string valueText;  // "900"
    std::string caption;    // "Расход"; empty for a group beyond the calculation's arguments
    std::string unit;       // "м3/ч"; empty for a quantity without unit
    bool operator==(const ArgumentRecord&) const = default;
};

// One printed source, written out from the literature file.
struct LiteratureReference {
    std::string source;  // the source as one line
    std::string pages;   // "12-15"; empty when the reference names no pages
    bool operator==(const LiteratureReference&) const = default;
};

// When the entry was made, as shown: "31.01.2025" and "14:05:09".
struct Stamp {
    std::string date;
    std::string timeOfDay;
    bool operator==(const Stamp&) const = default;
};

// The local date and time of the moment t.
Stamp StampOf(std::time_t t);
Stamp StampNow();

struct JournalEntry {
    EntryKind kind = EntryKind::Expression;
    Stamp stamp;
    bool inDocument = true;  // the document includes the entry
    std::string note;        // the user's note, any text

    std::string text;    // the input line as entered
    std::string result;  // what the input line showed after the compute

    // Calculation.
    int code = 0;
    std::string name;     // node texts below the topic: "Диаметр трубопровода — по V (м3/ч)"
    std::string title;    // template title, the result's quantity and unit
    std::string picture;  // picture name of the node ("ZSkor"); empty: none
    std::vector<ArgumentRecord> arguments;
    std::vector<LiteratureReference> literature;

    // Time sum: the groups as typed, blanks removed ("[01:30:00]", "[-00:20:00]").
    std::vector<std::string> timeGroups;

    bool operator==(const JournalEntry&) const = default;
};

}  // namespace zul
