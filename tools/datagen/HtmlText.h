// Small helpers for writing the help page: escaping and a section builder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zul::datagen {

// "<", ">", "&" and the double quote as entities; UTF-8 passes through.
std::string Escape(std::string_view text);

// One section of the page: its anchor, its heading and its HTML body, and the subsections
// that the table of contents lists under it.
struct Section {
    std::string anchor;
    std::string title;
    std::string body;
    std::vector<std::pair<std::string, std::string>> entries;  // anchor, title
};

// A table: the first row is the header.
std::string Table(const std::vector<std::vector<std::string>>& rows, bool escape = true);

}  // namespace zul::datagen
