// Writing and reading the journal section.
#include "app/JournalSection.h"

#include <algorithm>
#include <optional>

#include "settings/IniInteger.h"

namespace zul {
namespace {

constexpr std::string_view kVersionKey = "Version";
constexpr std::string_view kCountKey = "Count";
constexpr std::string_view kEntryPrefix = "Entry";
constexpr int kFormatVersion = 1;

std::string EntryKey(std::size_t i) { return std::string(kEntryPrefix) + std::to_string(i); }

char KindLetter(EntryKind kind) {
    switch (kind) {
        case EntryKind::Calculation: return 'c';
        case EntryKind::TimeSum: return 't';
        case EntryKind::Expression: break;
    }
    return 'e';
}

std::vector<std::string> EntryFields(const JournalEntry& e) {
    std::vector<std::string> f = {std::string(1, KindLetter(e.kind)), e.stamp.date, e.stamp.timeOfDay,
                                  e.inDocument ? "1" : "0", e.note, e.text, e.result};
    if (e.kind == EntryKind::Calculation) {
        f.insert(f.end(), {std::to_string(e.code), e.name, e.title, e.picture});
        f.push_back(std::to_string(e.arguments.size()));
        for (const ArgumentRecord& a : e.arguments)
            f.insert(f.end(), {a.text, a.valueText, a.caption, a.unit});
        f.push_back(std::to_string(e.literature.size()));
        for (const LiteratureReference& r : e.literature) f.insert(f.end(), {r.source, r.pages});
    } else if (e.kind == EntryKind::TimeSum) {
        f.push_back(std::to_string(e.timeGroups.size()));
        f.insert(f.end(), e.timeGroups.begin(), e.timeGroups.end());
    }
    return f;
}

// Reads the fields of one entry in order; every read fails once a field is missing.
class FieldReader {
public:
    explicit FieldReader(const std::vector<std::string>& fields) : fields_(fields) {}
    bool Text(std::string& out) {
        if (next_ >= fields_.size()) return false;
        out = fields_[next_++];
        return true;
    }
    bool Integer(int& out) {
        std::string text;
        return Text(text) && ReadIniInteger(text, out);
    }
    // A list count that the remaining fields can hold, each item taking `width` fields.
    bool Count(std::size_t width, std::size_t& out) {
        int n = 0;
        if (!Integer(n) || n < 0) return false;
        out = static_cast<std::size_t>(n);
        return out <= (fields_.size() - next_) / width;
    }
    bool AtEnd() const { return next_ == fields_.size(); }

private:
    const std::vector<std::string>& fields_;
    std::size_t next_ = 0;
};

bool ReadCalculationFields(FieldReader& r, JournalEntry& e) {
    std::size_t n = 0;
    if (!r.Integer(e.code) || !r.Text(e.name) || !r.Text(e.title) || !r.Text(e.picture) || !r.Count(4, n))
        return false;
    e.arguments.resize(n);
    for (ArgumentRecord& a : e.arguments)
        if (!r.Text(a.text) || !r.Text(a.valueText) || !r.Text(a.caption) || !r.Text(a.unit)) return false;
    if (!r.Count(2, n)) return false;
    e.literature.resize(n);
    for (LiteratureReference& ref : e.literature)
        if (!r.Text(ref.source) || !r.Text(ref.pages)) return false;
    return true;
}

bool ReadEntry(std::string_view value, JournalEntry& e) {
    std::vector<std::string> fields;
    if (!DecodeJournalFields(value, fields)) return false;
    FieldReader r(fields);
    std::string kind, inDocument;
    if (!r.Text(kind) || !r.Text(e.stamp.date) || !r.Text(e.stamp.timeOfDay) || !r.Text(inDocument) ||
        !r.Text(e.note) || !r.Text(e.text) || !r.Text(e.result)) {
        return false;
    }
    if (inDocument != "0" && inDocument != "1") return false;
    e.inDocument = inDocument == "1";
    if (kind == "c") {
        e.kind = EntryKind::Calculation;
        if (!ReadCalculationFields(r, e)) return false;
    } else if (kind == "t") {
        e.kind = EntryKind::TimeSum;
        std::size_t n = 0;
        if (!r.Count(1, n)) return false;
        e.timeGroups.resize(n);
        for (std::string& g : e.timeGroups)
            if (!r.Text(g)) return false;
    } else if (kind == "e") {
        e.kind = EntryKind::Expression;
    } else {
        return false;
    }
    return r.AtEnd();
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string EncodeJournalFields(const std::vector<std::string>& fields) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += '|';
        for (char c : fields[i]) {
            const auto b = static_cast<unsigned char>(c);
            switch (c) {
                case '\\': out += "\\\\"; break;
                case '|': out += "\\|"; break;
                case '\n': out += "\\n"; break;
                case '\r': out += "\\r"; break;
                case '\t': out += "\\t"; break;
                default:
                    if (b < 0x20 || b == 0x7F) {
                        out += "\\x";
                        out += kHex[b >> 4];
                        out += kHex[b & 0xF];
                    } else {
                        out += c;
                    }
            }
        }
    }
    return out;
}

bool DecodeJournalFields(std::string_view value, std::vector<std::string>& fields) {
    fields.assign(1, std::string());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '|') {
            fields.emplace_back();
            continue;
        }
        if (c != '\\') {
            fields.back() += c;
            continue;
        }
        if (++i >= value.size()) return false;
        switch (value[i]) {
            case '\\': fields.back() += '\\'; break;
            case '|': fields.back() += '|'; break;
            case 'n': fields.back() += '\n'; break;
            case 'r': fields.back() += '\r'; break;
            case 't': fields.back() += '\t'; break;
            case 'x': {
                if (i + 2 >= value.size()) return false;
                const int hi = HexDigit(value[i + 1]), lo = HexDigit(value[i + 2]);
                if (hi < 0 || lo < 0) return false;
                fields.back() += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default: return false;
        }
    }
    return true;
}

std::size_t WriteJournalSection(IniDocument& doc, const Journal& journal, std::size_t maxBytes) {
    std::vector<std::string> values(journal.Size());
    std::size_t first = journal.Size();  // the oldest entry that fits, counting from the newest
    std::size_t bytes = 0;
    while (first > 0) {
        std::string value = EncodeJournalFields(EntryFields(*journal.At(first - 1)));
        bytes += value.size() + EntryKey(first).size() + 3;  // "=" and the line end
        if (bytes > maxBytes) break;
        values[--first] = std::move(value);
    }
    const std::size_t written = journal.Size() - first;
    doc.EraseSection(kJournalSection);
    doc.Write(kJournalSection, kVersionKey, std::to_string(kFormatVersion));
    doc.Write(kJournalSection, kCountKey, std::to_string(written));
    for (std::size_t i = first; i < journal.Size(); ++i)
        doc.Write(kJournalSection, EntryKey(i - first + 1), values[i]);
    return written;
}

JournalReadResult ReadJournalSection(const IniDocument& doc, std::size_t capacity) {
    JournalReadResult result{Journal(capacity), 0};
    if (!doc.HasSection(kJournalSection)) return result;
    const int count = IniIntegerOr(doc.Read(kJournalSection, kCountKey, ""), 0);
    const std::size_t n = count > 0 ? std::min<std::size_t>(static_cast<std::size_t>(count), capacity) : 0;
    // A section of another format is not guessed at.
    if (IniIntegerOr(doc.Read(kJournalSection, kVersionKey, ""), 0) != kFormatVersion) {
        result.unreadable = static_cast<int>(n);
        return result;
    }
    for (std::size_t i = 1; i <= n; ++i) {
        JournalEntry entry;
        const std::optional<std::string> value = doc.Find(kJournalSection, EntryKey(i));
        if (value && ReadEntry(*value, entry)) {
            result.journal.Add(std::move(entry));
        } else {
            ++result.unreadable;
        }
    }
    return result;
}

}  // namespace zul
