// Reading "Zul.lit" and expanding a reference list into message text.
#include "insert/Literature.h"

#include <filesystem>

#include "settings/IniDocument.h"
#include "settings/IniFile.h"
#include "settings/IniInteger.h"

namespace zul {
namespace {

// A message box cannot show more; a file that asks for more is cut here.
constexpr std::size_t kMaxMessageBytes = 1u << 20;

// 1-based position of the first ":" counted in characters (UTF-8 code points); 0 if none.
std::size_t FirstColonCharPosition(std::string_view text) {
    std::size_t chars = 0;
    for (char c : text) {
        const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (!continuation) ++chars;
        if (c == ':') return chars;
    }
    return 0;
}

std::string FallbackSourceText() {
    return "\rОшибка чтения файла\r\r" + std::string(kLitFileName) + "\r\rили нет данных...\r";
}

// One reference item "3:12-15": each "number:" in turn adds its source and the rest as pages.
void AppendItem(std::string_view item, bool moreFollows, const SourceLookup& lookup, std::string& message) {
    std::size_t colon = item.find(':');
    while (colon != std::string_view::npos && message.size() < kMaxMessageBytes) {
        const std::string_view number = item.substr(0, colon);
        item.remove_prefix(colon + 1);
        const std::optional<std::string> source = lookup(LiteratureKey(number));
        message += source ? *source : FallbackSourceText();
        message += '\r';
        if (!item.empty()) {
            message += '(';
            message += item;
            message += ")\r";
        } else {
            message += '\r';
        }
        if (moreFollows) message += '\r';
        colon = item.find(':');
    }
}

}  // namespace

std::string LiteraturePath(const std::string& startDirectory) {
    return (std::filesystem::path(startDirectory) / std::string(kLitFileName)).string();
}

std::string LiteratureKey(std::string_view numberText) {
    int number = 0;
    if (!ReadIniInteger(numberText, number)) return "Lit-00";
    return (number < 10 ? "Lit-0" : "Lit-") + std::string(numberText);
}

std::string ExpandReferenceList(std::string_view references, const SourceLookup& lookup) {
    if (references.find(':') == std::string_view::npos) return std::string(references);
    std::string message;
    std::string_view rest = references;
    // Each round either takes every "/"-ended reference or the tail without "/", so the
    // loop ends after at most two rounds.
    while (!rest.empty()) {
        if (FirstColonCharPosition(rest) > 4) return std::string(rest);
        std::size_t slash = rest.find('/');
        if (slash == std::string_view::npos) {
            // A list whose last reference lacks its "/": the tail counts as one more reference.
            AppendItem(rest, false, lookup, message);
            break;
        }
        while (slash != std::string_view::npos && message.size() < kMaxMessageBytes) {
            const std::string_view item = rest.substr(0, slash);
            rest.remove_prefix(slash + 1);
            AppendItem(item, !rest.empty(), lookup, message);
            slash = rest.find('/');
        }
        if (message.size() >= kMaxMessageBytes) break;
    }
    return message;
}

LiteratureMessage BuildLiteratureMessage(const IniDocument& file, int code) {
    LiteratureMessage result;
    if (!PassesZulHeader(file)) {
        result.kind = LiteratureMessage::Kind::NotLiteratureFile;
        result.text = std::string(kNotLiteratureFileText);
        return result;
    }
    std::string references = file.Read("LitPoints", "LP-" + std::to_string(code), "");
    if (references.empty()) references = file.Read("LitPoints", "LP-0", "");
    if (references.empty()) references = file.Read("LitPoints", "LP", "");
    result.text = ExpandReferenceList(references, [&file](const std::string& key) {
        return file.Find("Literature", key);
    });
    result.kind = result.text.empty() ? LiteratureMessage::Kind::None : LiteratureMessage::Kind::Information;
    return result;
}

LiteratureMessage FindLiterature(const std::string& startDirectory, int code) {
    IniDocument file;
    const IniLoadResult loaded = file.Load(LiteraturePath(startDirectory));
    if (loaded.status == IniLoadStatus::Missing) return {};
    if (!loaded.ok()) {
        // A file that is there but cannot be read (too large, no permission) is no
        // literature file either; say so rather than stay silent.
        return {LiteratureMessage::Kind::NotLiteratureFile, std::string(kNotLiteratureFileText)};
    }
    return BuildLiteratureMessage(file, code);
}

}  // namespace zul
