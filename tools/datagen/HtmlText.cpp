// Escaping and tables for the help page.
#include "HtmlText.h"

namespace zul::datagen {

std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Table(const std::vector<std::vector<std::string>>& rows, bool escape) {
    std::string html = "<table>\n";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        html += "<tr>";
        for (const std::string& cell : rows[r]) {
            const char* tag = r == 0 ? "th" : "td";
            html += std::string("<") + tag + ">" + (escape ? Escape(cell) : cell) + "</" + tag + ">";
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace zul::datagen
