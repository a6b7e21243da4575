// Captions and units of hint lines.
#include "app/HintCaptions.h"

#include <array>

#include "calc/Catalogue.h"

namespace zul {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Trimmed, with every run of blanks made one blank.
std::string CollapseBlanks(std::string_view text) {
    std::string out;
    bool pendingBlank = false;
    for (char c : text) {
        if (IsBlank(c)) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += c;
    }
    return out;
}

// Latin letters and the Cyrillic block count as letters; "°", digits and signs do not.
// Advances i past the character.
bool NextIsLetter(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
    }
    std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (i + length > s.size()) length = s.size() - i;
    const bool cyrillic = length == 2 && (b == 0xD0 || b == 0xD1 || b == 0xD2 || b == 0xD3);
    i += length;
    return cyrillic;
}

// A unit is made of short words: no run of more than four letters ("м3/ч", "кДж/кг",
// "г/(кг сух. возд.)", "дБ или дБА"), while words of a caption are longer ("лежащей").
bool LooksLikeUnit(std::string_view text) {
    if (text.empty()) return false;
    int run = 0;
    for (std::size_t i = 0; i < text.size();) {
        run = NextIsLetter(text, i) ? run + 1 : 0;
        if (run > 4) return false;
    }
    return true;
}

}  // namespace

QuantityCaption SplitCaptionUnit(std::string_view text) {
    const std::string whole = CollapseBlanks(text);
    const std::size_t comma = whole.rfind(',');
    if (comma == std::string::npos) return {whole, ""};
    const std::string head = CollapseBlanks(std::string_view(whole).substr(0, comma));
    std::string tail = CollapseBlanks(std::string_view(whole).substr(comma + 1));
    // "°C - в тепловой сети": the unit, then words that belong to the caption.
    std::string rest;
    if (const std::size_t dash = tail.find(" - "); dash != std::string::npos) {
        rest = tail.substr(dash + 3);
        tail.erase(dash);
    }
    if (head.empty() || !LooksLikeUnit(tail)) return {whole, ""};
    return {rest.empty() ? head : head + " - " + rest, tail};
}

std::vector<QuantityCaption> ParseHintCaptions(std::string_view hint) {
    std::vector<QuantityCaption> captions;
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = hint.find('[', pos);
        if (open == std::string_view::npos) break;
        const std::size_t close = hint.find(']', open + 1);
        if (close == std::string_view::npos) break;
        captions.push_back(SplitCaptionUnit(hint.substr(open + 1, close - open - 1)));
        pos = close + 1;
    }
    return captions;
}

std::vector<QuantityCaption> CalculationCaptions(int code) {
    if (!IsCalculationCode(code)) return {};
    if (code == 5001 || code == 5002) {
        static constexpr std::array<const char*, 8> kBands = {"62.5", "125",  "250",  "500",
                                                              "1000", "2000", "4000", "8000"};
        std::vector<QuantityCaption> bands;
        for (const char* band : kBands)
            bands.push_back({std::string("Уровень шума на частоте ") + band + " Гц", "дБ"});
        return bands;
    }
    return ParseHintCaptions(NodeByCode(code)->hint);
}

}  // namespace zul
