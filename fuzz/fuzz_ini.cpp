// libFuzzer target: the INI layer. Any bytes parse; what is parsed is written and parsed
// again to the same sections, keys and values; a written value reads back as written.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "settings/IniDocument.h"
#include "settings/IniEncoding.h"

namespace {

using zul::IniDocument;
using zul::fuzz::Require;

struct Content {
    std::vector<std::string> sections;
    std::vector<std::vector<std::string>> keys;
    std::vector<std::vector<std::string>> values;
    bool operator==(const Content&) const = default;
};

Content ContentOf(const IniDocument& doc) {
    Content c;
    c.sections = doc.SectionNames();
    for (const std::string& s : c.sections) {
        c.keys.push_back(doc.Keys(s));
        c.values.emplace_back();
        for (const std::string& k : c.keys.back()) c.values.back().push_back(doc.Read(s, k, "<missing>"));
    }
    return c;
}

// What a written value reads back as: line breaks become blanks (CR LF one blank).
std::string AsRead(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
        out += value[i] == '\r' || value[i] == '\n' ? ' ' : value[i];
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniDocument doc;
    doc.Parse(bytes);
    const Content content = ContentOf(doc);
    const std::string written = doc.Serialize();
    IniDocument again;
    again.Parse(written);
    Require(ContentOf(again) == content, "parse, write, parse: same sections, keys and values", bytes);
    Require(again.Serialize() == written, "a written file is written again byte for byte", bytes);

    // Edits: a value made of the input (as the program holds text: valid UTF-8) into the
    // first section and into a new one, then a section erased.
    const std::string value = zul::Windows1251ToUtf8(bytes.substr(0, 200));
    const std::string section = content.sections.empty() ? "Fuzz" : content.sections.front();
    doc.Write(section, "zul-fuzz", value);
    doc.Write("Zul-Fuzz-New", "k", value);
    if (content.sections.size() > 1) doc.EraseSection(content.sections.back());
    IniDocument edited;
    edited.Parse(doc.Serialize());
    Require(edited.Read(section, "zul-fuzz", "<missing>") == AsRead(value), "a written value reads back", bytes);
    Require(edited.Read("zul-fuzz-new", "K", "<missing>") == AsRead(value), "a new section reads back", bytes);
    for (std::size_t i = 0; i + 1 < content.sections.size(); ++i) {
        const std::string& s = content.sections[i];
        if (zul::FoldIniName(s) == zul::FoldIniName(content.sections.back())) continue;
        for (std::size_t k = 0; k < content.keys[i].size(); ++k) {
            if (s == section && zul::FoldIniName(content.keys[i][k]) == "zul-fuzz") continue;
            Require(edited.Read(s, content.keys[i][k], "<missing>") == content.values[i][k],
                    "other keys survive an edit", bytes);
        }
    }
    return 0;
}
