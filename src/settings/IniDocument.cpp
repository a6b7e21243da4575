// Parsing, lookup and editing of an INI document in memory.
#include "settings/IniDocument.h"

#include <algorithm>

#include "eval/Text.h"

namespace zul {
namespace {

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

// Length of the line end at `pos` ("\r\n", "\r" or "\n"); 0 when there is none.
std::size_t LineEndLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (text[pos] == '\r') return pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
    return text[pos] == '\n' ? 1 : 0;
}

// Lines of a merged entry, each with CRLF.
void AppendWithCrlf(std::string& out, std::string_view lines) {
    std::size_t pos = 0;
    while (true) {
        const std::size_t end = std::min(lines.find_first_of("\r\n", pos), lines.size());
        out.append(lines.substr(pos, end - pos)).append("\r\n");
        if (end == lines.size()) return;
        pos = end + LineEndLength(lines, end);
    }
}

}  // namespace

std::string FoldIniName(std::string_view name) {
    return ToLowerAscii(TrimIni(name));
}

std::string_view IniDocument::TextOf(std::uint64_t begin, std::uint64_t length) const {
    return std::string_view(text_).substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(length));
}

std::string_view IniDocument::SectionName(const Section& section) const {
    const std::string_view body = TrimIni(TextOf(section.headerBegin, section.headerLength));
    if (body.empty()) return body;
    const std::size_t close = body.find(']');
    return TrimIni(body.substr(1, close == std::string_view::npos ? body.npos : close - 1));
}

std::string_view IniDocument::KeyOf(const Line& line) const {
    const std::string_view body = TrimIni(LineText(line));
    return TrimIni(body.substr(0, body.find('=')));
}

std::string IniDocument::ValueOf(const Line& line) const {
    const std::string_view body = TrimIni(LineText(line));
    const std::size_t eq = body.find('=');
    if (eq == std::string_view::npos) return {};
    return std::string(Unquote(TrimIni(body.substr(eq + 1))));
}

IniDocument::Line IniDocument::AppendKeyLine(std::string_view text) {
    Line line;
    line.begin = text_.size();
    line.length = text.size();
    line.kind = kKey;
    text_.append(text);
    return line;
}

void IniDocument::Parse(std::string_view fileBytes) {
    sections_.clear();
    keyIndexes_.clear();
    sectionIndexValid_ = false;
    lastSectionValid_ = false;
    text_ = DecodeIniBytes(fileBytes);
    EnsurePreamble();

    const std::string_view text(text_);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        const std::string_view raw = text.substr(pos, end - pos);
        const std::size_t begin = pos;
        pos = end + LineEndLength(text, end);

        const std::string_view body = TrimIni(raw);
        if (!body.empty() && body.front() == '[') {
            Section s;
            s.headerBegin = begin;
            s.headerLength = raw.size();
            sections_.push_back(std::move(s));
            continue;
        }
        Section& current = sections_.back();
        const bool isKey = !current.isPreamble && !body.empty() && body.front() != ';';
        if (!isKey && !current.lines.empty() && !current.lines.back().IsKey()) {
            Line& run = current.lines.back();  // one more line of a run
            run.length = end - run.begin;
            if (!body.empty()) run.kind = kOther;
            continue;
        }
        Line line;
        line.begin = begin;
        line.length = raw.size();
        line.kind = isKey ? kKey : body.empty() ? kBlank : kOther;
        current.lines.push_back(line);
    }
    // What the document keeps stays of the order of the file, not of twice the entries.
    sections_.shrink_to_fit();
    for (Section& section : sections_) section.lines.shrink_to_fit();
}

std::string IniDocument::Serialize() const {
    std::string text;
    text.reserve(text_.size() + text_.size() / 8);
    for (const Section& s : sections_) {
        if (!s.isPreamble) text.append(TextOf(s.headerBegin, s.headerLength)).append("\r\n");
        for (const Line& l : s.lines) {
            if (l.IsKey()) {
                text.append(LineText(l)).append("\r\n");
            } else {
                AppendWithCrlf(text, LineText(l));
            }
        }
    }
    return EncodeIniText(text);
}

const IniNameIndex& IniDocument::SectionIndex() const {
    if (!sectionIndexValid_) {
        sectionIndex_.Clear();
        const auto nameAt = [this](std::size_t i) { return SectionName(sections_[i]); };
        for (std::size_t i = 0; i < sections_.size(); ++i)
            if (!sections_[i].isPreamble) sectionIndex_.Insert(i, nameAt);
        sectionIndexValid_ = true;
    }
    return sectionIndex_;
}

const IniNameIndex& IniDocument::KeyIndex(std::size_t section) const {
    const auto [it, fresh] = keyIndexes_.try_emplace(section);
    if (fresh) {
        const std::vector<Line>& lines = sections_[section].lines;
        const auto nameAt = [&](std::size_t i) { return KeyOf(lines[i]); };
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].IsKey()) it->second.Insert(i, nameAt);
    }
    return it->second;
}

std::size_t IniDocument::FindSection(std::string_view name) const {
    if (lastSectionValid_ && sectionIndexValid_ && name == lastSectionQuery_) return lastSection_;
    lastSection_ = SectionIndex().Find(name, [this](std::size_t i) { return SectionName(sections_[i]); });
    lastSectionQuery_.assign(name);
    lastSectionValid_ = true;
    return lastSection_;
}

std::size_t IniDocument::FindKey(std::size_t section, std::string_view key) const {
    const std::vector<Line>& lines = sections_[section].lines;
    return KeyIndex(section).Find(key, [&](std::size_t i) { return KeyOf(lines[i]); });
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(section) != IniNameIndex::kNotFound;
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const std::size_t s = FindSection(section);
    if (s == IniNameIndex::kNotFound) return std::nullopt;
    const std::size_t k = FindKey(s, key);
    if (k == IniNameIndex::kNotFound) return std::nullopt;
    return ValueOf(sections_[s].lines[k]);
}

std::string IniDocument::Read(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    auto v = Find(section, key);
    return v ? std::move(*v) : std::string(defaultValue);
}

void IniDocument::EnsurePreamble() {
    if (!sections_.empty()) return;
    Section preamble;
    preamble.isPreamble = true;
    sections_.push_back(std::move(preamble));
}

// After the section's last key, so that blank lines closing the section stay at its end:
// a run of other lines that ends in blank lines is split before them.
std::size_t IniDocument::InsertPosition(Section& s) const {
    if (s.lines.empty() || s.lines.back().IsKey()) return s.lines.size();
    Line& run = s.lines.back();
    if (run.kind == kBlank) return s.lines.size() - 1;
    const std::string_view text = LineText(run);
    std::size_t blankStart = text.size();  // start of the trailing blank lines
    std::size_t headEnd = text.size();     // end of the last other line
    while (true) {
        const std::size_t lineEnd = headEnd;
        const std::size_t breakAt = lineEnd == 0 ? std::string_view::npos : text.find_last_of("\r\n", lineEnd - 1);
        const std::size_t lineStart = breakAt == std::string_view::npos ? 0 : breakAt + 1;
        if (!TrimIni(text.substr(lineStart, lineEnd - lineStart)).empty() || lineStart == 0) break;
        blankStart = lineStart;
        headEnd = breakAt;  // before "\n", "\r" or "\r\n"
        if (headEnd > 0 && text[headEnd] == '\n' && text[headEnd - 1] == '\r') --headEnd;
    }
    if (blankStart == text.size()) return s.lines.size();
    Line tail;
    tail.begin = run.begin + blankStart;
    tail.length = text.size() - blankStart;
    tail.kind = kBlank;
    run.length = headEnd;
    s.lines.push_back(tail);
    return s.lines.size() - 1;
}

void IniDocument::Write(std::string_view section, std::string_view key, std::string_view value) {
    EnsurePreamble();
    std::size_t si = FindSection(section);
    if (si == IniNameIndex::kNotFound) {
        Section fresh;
        const std::string header = "[" + std::string(TrimIni(section)) + "]";
        fresh.headerBegin = text_.size();
        fresh.headerLength = header.size();
        text_.append(header);
        sections_.push_back(std::move(fresh));
        si = sections_.size() - 1;
        lastSectionValid_ = false;
        if (sectionIndexValid_) sectionIndex_.Insert(si, [this](std::size_t i) { return SectionName(sections_[i]); });
    }
    const std::size_t existing = FindKey(si, key);
    Section& s = sections_[si];
    if (existing != IniNameIndex::kNotFound) {
        Line& line = s.lines[existing];
        const std::string text = std::string(KeyOf(line)) + "=" + ValueForFile(value);
        line = AppendKeyLine(text);
        return;
    }
    const std::size_t at = InsertPosition(s);
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at),
                   AppendKeyLine(std::string(TrimIni(key)) + "=" + ValueForFile(value)));
    if (at + 1 == s.lines.size()) {
        keyIndexes_[si].Insert(at, [&](std::size_t i) { return KeyOf(s.lines[i]); });
    } else {
        keyIndexes_.erase(si);  // positions moved
    }
}

void IniDocument::EraseSection(std::string_view section) {
    const bool erased = 0 < std::erase_if(sections_, [&](const Section& s) {
                            return !s.isPreamble && FoldedNamesEqual(SectionName(s), section);
                        });
    if (!erased) return;
    sectionIndexValid_ = false;
    lastSectionValid_ = false;
    keyIndexes_.clear();
}

void IniDocument::EraseKey(std::string_view section, std::string_view key) {
    const std::size_t si = FindSection(section);
    if (si == IniNameIndex::kNotFound) return;
    std::erase_if(sections_[si].lines,
                  [&](const Line& l) { return l.IsKey() && FoldedNamesEqual(KeyOf(l), key); });
    keyIndexes_.erase(si);
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sections_[i].isPreamble) continue;
        const std::string_view name = SectionName(sections_[i]);
        if (FindSection(name) == i) names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    const std::size_t si = FindSection(section);
    if (si == IniNameIndex::kNotFound) return keys;
    const std::vector<Line>& lines = sections_[si].lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].IsKey()) continue;
        const std::string_view key = KeyOf(lines[i]);
        if (FindKey(si, key) == i) keys.emplace_back(key);
    }
    return keys;
}

}  // namespace zul
