// The heading block of the calculation note: what the document is for and who made it.
// The program INI remembers it from one run to the next.
#pragma once

#include <string>

namespace zul {

// An empty field is left out of the document.
struct ReportHeading {
    std::string object;   // "Объект"
    std::string section;  // "Раздел"
    std::string author;   // "Составил"
    std::string date;     // "Дата"
    bool operator==(const ReportHeading&) const = default;
    bool Empty() const { return object.empty() && section.empty() && author.empty() && date.empty(); }
};

}  // namespace zul
