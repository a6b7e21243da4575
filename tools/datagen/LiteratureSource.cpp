// Converting the literature source to the file the program reads.
#include "LiteratureSource.h"

#include "settings/IniEncoding.h"

namespace zul::datagen {

bool ConvertLiteratureSource(std::string_view utf8, std::string& windows1251) {
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
    std::string lines;
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines += line;
        lines += "\r\n";
        if (end == std::string_view::npos) break;
        utf8.remove_prefix(end + 1);
    }
    windows1251.clear();
    return Utf8ToWindows1251(lines, windows1251);
}

}  // namespace zul::datagen
