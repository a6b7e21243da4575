// The calculation note ("Расчётная записка") as one HTML document: the heading block, then
// every entry that is in the document, numbered. Plain enough for QTextDocument's HTML
// subset (tables, h1-h3, p, img, ol, simple inline styles) and valid for a browser.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/JournalEntry.h"
#include "settings/ReportHeading.h"
#include "app/ReportPictures.h"

namespace zul {

inline constexpr std::string_view kReportTitle = "Расчётная записка";

// The whole document. Entries whose in-the-document flag is off are skipped; the others
// are numbered from 1 in order. `pictures` may be empty (no pictures at all).
std::string BuildReportHtml(const ReportHeading& heading, std::span<const JournalEntry> entries,
                            const PictureResolver& pictures);

// Text for HTML: "<", ">", "&" and both quotes as entities; a line break becomes "<br>";
// other control characters are dropped (HTML has no place for them).
std::string EscapeHtml(std::string_view text);

}  // namespace zul
