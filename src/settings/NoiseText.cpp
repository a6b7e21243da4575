// Splitting, checking, converting and repairing the noise text.
#include "settings/NoiseText.h"

#include "eval/NumberText.h"
#include "settings/ConstantsNumber.h"

namespace zul {

namespace {

using NoiseItems = std::array<std::string_view, kNoiseCount>;

// Items 1 to 7 end at the first blank of the trimmed rest; item 8 is what remains, so a
// ninth number stays inside item 8. Where a blank is missing the whole rest becomes the
// current item and the following items are empty (and so fail as numbers).
NoiseItems SplitNoiseItems(std::string_view text) {
    NoiseItems items{};
    std::string_view rest = TrimView(text);
    for (int i = 0; i < kNoiseCount - 1; ++i) {
        rest = TrimView(rest);
        const std::size_t blank = rest.find(' ');
        if (blank == std::string_view::npos) {
            items[static_cast<std::size_t>(i)] = rest;
            rest = {};
            continue;
        }
        items[static_cast<std::size_t>(i)] = rest.substr(0, blank);
        rest = rest.substr(blank);
    }
    items[kNoiseCount - 1] = TrimView(rest);
    return items;
}

// The fall-back of each position is its default.
const std::array<float, kNoiseCount>& FallbackValues() {
    static const std::array<float, kNoiseCount> values = [] {
        const ConstantsArray defaults;
        std::array<float, kNoiseCount> v{};
        for (int i = 0; i < kNoiseCount; ++i) v[static_cast<std::size_t>(i)] = defaults.Get(i + 1);
        return v;
    }();
    return values;
}

// The default items written with at least one decimal: "0" -> "0.0", "-26.2" stays.
const std::array<std::string, kNoiseCount>& FallbackTexts() {
    static const std::array<std::string, kNoiseCount> texts = [] {
        std::array<std::string, kNoiseCount> t;
        const NoiseItems items = SplitNoiseItems(kDefaultNoiseText);
        for (std::size_t i = 0; i < t.size(); ++i) {
            t[i] = items[i];
            if (t[i].find('.') == std::string::npos) t[i] += ".0";
        }
        return t;
    }();
    return texts;
}

}  // namespace

bool CheckNoiseText(std::string_view text) {
    if (TrimView(text).empty()) return false;
    float ignored = 0;
    for (std::string_view item : SplitNoiseItems(text))
        if (!ReadConstantValue(item, ignored)) return false;
    return true;
}

std::array<float, kNoiseCount> ParseNoiseCorrections(std::string_view text) {
    std::array<float, kNoiseCount> values = FallbackValues();
    if (TrimView(text).empty()) return values;
    const NoiseItems items = SplitNoiseItems(text);
    for (std::size_t i = 0; i < values.size(); ++i) {
        float v = 0;
        if (ReadConstantValue(items[i], v)) values[i] = v;
    }
    return values;
}

bool RepairNoiseText(std::string& text) {
    if (TrimView(text).empty()) {
        text = kDefaultNoiseText;
        return true;
    }
    const NoiseItems items = SplitNoiseItems(text);
    bool replaced = false;
    std::string repaired;
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::string_view item = items[i];
        float ignored = 0;
        if (!ReadConstantValue(item, ignored)) {
            item = FallbackTexts()[i];
            replaced = true;
        }
        if (i > 0) repaired += ' ';
        repaired += item;
    }
    if (replaced) text = repaired;
    return replaced;
}

}  // namespace zul
