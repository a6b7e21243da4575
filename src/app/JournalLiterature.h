// The literature of a calculation as a list of sources with pages, written out from the
// literature file for the journal and the document (the message box of the literature
// command shows the same references as one text).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/JournalEntry.h"
#include "insert/Literature.h"
#include "settings/IniDocument.h"

namespace zul {

// The references of a reference list, read by the rules of the literature command:
// "3:12-15/7:/" -> (source 03, "12-15"), (source 07, ""); "3:5:7/" -> (03, "5:7"), (05, "7");
// free text (no ":", or the first ":" beyond the fourth character) -> one reference holding
// the text. A source missing from the file is named as such, never left out silently.
std::vector<LiteratureReference> ReadReferenceList(std::string_view references, const SourceLookup& lookup);

// The references of a calculation code in a loaded literature file: the list "LP-" + code,
// else "LP-0", else "LP", as the literature command reads them. Empty when the file fails
// the header check or names no list.
std::vector<LiteratureReference> CalculationReferences(const IniDocument& file, int code);

// The literature file "Zul.lit" of a folder; nothing when it is missing or cannot be read.
std::optional<IniDocument> LoadLiteratureFile(const std::string& folder);

}  // namespace zul
