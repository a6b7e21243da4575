// Parsing, lookup and editing of an INI document in memory.
#include "settings/IniDocument.h"

namespace zul {
namespace {

bool IsIniBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view TrimIni(std::string_view s) {
    while (!s.empty() && IsIniBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsIniBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

// The profile functions drop one pair of matching quotes around a value.
std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && IsQuote(v.front()) && v.front() == v.back()) return v.substr(1, v.size() - 2);
    return v;
}

// The value as it must stand in the file to be read back unchanged: line breaks cannot
// live in a line-based file and become blanks; a value that the reader would trim or
// unquote is put in quotes.
std::string ValueForFile(std::string_view value) {
    std::string v;
    v.reserve(value.size() + 2);
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') continue;
        v += (value[i] == '\r' || value[i] == '\n') ? ' ' : value[i];
    }
    const bool trimmed = !v.empty() && (IsIniBlank(v.front()) || IsIniBlank(v.back()));
    const bool quoted = v.size() >= 2 && IsQuote(v.front()) && v.front() == v.back();
    if (trimmed || quoted) return '"' + v + '"';
    return v;
}

}  // namespace

std::string FoldIniName(std::string_view name) {
    std::string out(TrimIni(name));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

void IniDocument::Parse(std::string_view fileBytes) {
    sections_.clear();
    const std::string text = DecodeIniBytes(fileBytes, &loadedEncoding_);
    Section preamble;
    preamble.isPreamble = true;
    sections_.push_back(std::move(preamble));

    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        const std::string_view raw(text.data() + pos, end - pos);
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;

        const std::string_view body = TrimIni(raw);
        if (!body.empty() && body.front() == '[') {
            Section s;
            const std::size_t close = body.find(']');
            s.name =
                std::string(TrimIni(body.substr(1, close == std::string_view::npos ? body.npos : close - 1)));
            s.header = std::string(raw);
            sections_.push_back(std::move(s));
            continue;
        }
        Line line;
        line.text = std::string(raw);
        Section& current = sections_.back();
        if (!current.isPreamble && !body.empty() && body.front() != ';') {
            const std::size_t eq = body.find('=');
            line.isKey = true;
            line.key = std::string(TrimIni(body.substr(0, eq)));
            if (eq != std::string_view::npos) line.value = std::string(Unquote(TrimIni(body.substr(eq + 1))));
        }
        current.lines.push_back(std::move(line));
    }
    for (Section& s : sections_) RebuildKeyIndex(s);
    RebuildSectionIndex();
}

std::string IniDocument::Serialize() const {
    std::string text;
    for (const Section& s : sections_) {
        if (!s.isPreamble) text.append(s.header).append("\r\n");
        for (const Line& l : s.lines) text.append(l.text).append("\r\n");
    }
    return EncodeIniText(text);
}

void IniDocument::RebuildKeyIndex(Section& section) {
    section.keyIndex.clear();
    for (std::size_t i = 0; i < section.lines.size(); ++i)
        if (section.lines[i].isKey) section.keyIndex.try_emplace(FoldIniName(section.lines[i].key), i);
}

void IniDocument::RebuildSectionIndex() {
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (!sections_[i].isPreamble) sectionIndex_.try_emplace(FoldIniName(sections_[i].name), i);
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    const auto it = sectionIndex_.find(FoldIniName(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
    const auto it = sectionIndex_.find(FoldIniName(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

bool IniDocument::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return std::nullopt;
    const auto it = s->keyIndex.find(FoldIniName(key));
    if (it == s->keyIndex.end()) return std::nullopt;
    return s->lines[it->second].value;
}

std::string IniDocument::Read(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    auto v = Find(section, key);
    return v ? std::move(*v) : std::string(defaultValue);
}

void IniDocument::Write(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (!s) {
        if (sections_.empty()) {
            Section preamble;
            preamble.isPreamble = true;
            sections_.push_back(std::move(preamble));
        }
        Section fresh;
        fresh.name = std::string(TrimIni(section));
        fresh.header = "[" + fresh.name + "]";
        sections_.push_back(std::move(fresh));
        sectionIndex_.try_emplace(FoldIniName(section), sections_.size() - 1);
        s = &sections_.back();
    }
    const std::string folded = FoldIniName(key);
    const auto it = s->keyIndex.find(folded);
    if (it != s->keyIndex.end()) {
        Line& line = s->lines[it->second];
        line.value = std::string(value);
        line.text = line.key + "=" + ValueForFile(value);
        return;
    }
    Line line;
    line.isKey = true;
    line.key = std::string(TrimIni(key));
    line.value = std::string(value);
    line.text = line.key + "=" + ValueForFile(value);
    // After the last key, so that blank lines closing the section stay at its end.
    std::size_t at = s->lines.size();
    while (at > 0 && !s->lines[at - 1].isKey && TrimIni(s->lines[at - 1].text).empty()) --at;
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    if (at + 1 == s->lines.size()) {
        s->keyIndex.emplace(folded, at);
    } else {
        RebuildKeyIndex(*s);
    }
}

void IniDocument::EraseSection(std::string_view section) {
    const std::string folded = FoldIniName(section);
    std::erase_if(sections_,
                  [&](const Section& s) { return !s.isPreamble && FoldIniName(s.name) == folded; });
    RebuildSectionIndex();
}

void IniDocument::EraseKey(std::string_view section, std::string_view key) {
    Section* s = FindSection(section);
    if (!s) return;
    const std::string folded = FoldIniName(key);
    std::erase_if(s->lines, [&](const Line& l) { return l.isKey && FoldIniName(l.key) == folded; });
    RebuildKeyIndex(*s);
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& s = sections_[i];
        if (s.isPreamble) continue;
        const auto it = sectionIndex_.find(FoldIniName(s.name));
        if (it != sectionIndex_.end() && it->second == i) names.push_back(s.name);
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const Section* s = FindSection(section);
    if (!s) return keys;
    for (std::size_t i = 0; i < s->lines.size(); ++i) {
        const Line& l = s->lines[i];
        if (!l.isKey) continue;
        const auto it = s->keyIndex.find(FoldIniName(l.key));
        if (it != s->keyIndex.end() && it->second == i) keys.push_back(l.key);
    }
    return keys;
}

}  // namespace zul
