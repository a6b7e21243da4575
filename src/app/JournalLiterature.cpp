// References of a calculation for the journal.
#include "app/JournalLiterature.h"

#include "settings/IniFile.h"

namespace zul {
namespace {

// Keeps the document finite whatever a hand-edited file holds.
constexpr std::size_t kMaxReferences = 200;

// 1-based position of the first ":" counted in characters; 0 when there is none.
std::size_t FirstColonCharPosition(std::string_view text) {
    std::size_t chars = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++chars;
        if (c == ':') return chars;
    }
    return 0;
}

std::string MissingSourceText(const std::string& key) {
    return "Источник " + key + " не найден в файле литературы «" + std::string(kLitFileName) + "»";
}

// One item "3:12-15": each "number:" in turn names a source, the rest of the item its pages.
void AddItem(std::string_view item, const SourceLookup& lookup, std::vector<LiteratureReference>& out) {
    std::size_t colon = item.find(':');
    while (colon != std::string_view::npos && out.size() < kMaxReferences) {
        const std::string key = LiteratureKey(item.substr(0, colon));
        item.remove_prefix(colon + 1);
        const std::optional<std::string> source = lookup(key);
        out.push_back({source ? *source : MissingSourceText(key), std::string(item)});
        colon = item.find(':');
    }
}

}  // namespace

std::vector<LiteratureReference> ReadReferenceList(std::string_view references, const SourceLookup& lookup) {
    std::vector<LiteratureReference> out;
    const auto freeText = [](std::string_view text) {
        return text.empty() ? std::vector<LiteratureReference>{}
                            : std::vector<LiteratureReference>{{std::string(text), ""}};
    };
    if (references.find(':') == std::string_view::npos) return freeText(references);
    std::string_view rest = references;
    // Each round takes every "/"-ended reference, or the tail without "/" and stops.
    while (!rest.empty() && out.size() < kMaxReferences) {
        if (FirstColonCharPosition(rest) > 4) return freeText(rest);
        std::size_t slash = rest.find('/');
        if (slash == std::string_view::npos) {
            AddItem(rest, lookup, out);
            break;
        }
        while (slash != std::string_view::npos && out.size() < kMaxReferences) {
            AddItem(rest.substr(0, slash), lookup, out);
            rest.remove_prefix(slash + 1);
            slash = rest.find('/');
        }
    }
    return out;
}

std::vector<LiteratureReference> CalculationReferences(const IniDocument& file, int code) {
    if (!PassesZulHeader(file)) return {};
    std::string references = file.Read("LitPoints", "LP-" + std::to_string(code), "");
    if (references.empty()) references = file.Read("LitPoints", "LP-0", "");
    if (references.empty()) references = file.Read("LitPoints", "LP", "");
    return ReadReferenceList(references,
                             [&file](const std::string& key) { return file.Find("Literature", key); });
}

std::optional<IniDocument> LoadLiteratureFile(const std::string& folder) {
    IniDocument file;
    if (!file.Load(LiteraturePath(folder)).ok()) return std::nullopt;
    return file;
}

}  // namespace zul
