// The calculation note as one self-contained HTML file, the pictures carried inside: what
// the note window's HTML export and `zulc --report` write, byte for byte the same. Both
// save it with SaveFileBytes (settings/IniFile.h): nothing half-written on failure.
#pragma once

#include <span>
#include <string>

#include "app/JournalEntry.h"
#include "settings/ReportHeading.h"

namespace zul {

// The document with every picture of `picturesFolder` (the folder holding "Pict") as a
// data URI; a picture that is missing there is left out.
std::string SelfContainedReportHtml(const ReportHeading& heading, std::span<const JournalEntry> entries,
                                    const std::string& picturesFolder);

// Whether a file can be written at `path` now: its folder exists and takes a new file, and
// an existing file at `path` is a writable file. `error` says why not.
bool CanWriteFileAt(const std::string& path, std::string& error);

}  // namespace zul
