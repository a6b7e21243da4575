// Looking up a template row and spelling in the settings texts.
#include "insert/FormulaTemplates.h"

#include <algorithm>

namespace zul {
namespace {

struct SettingsPiece {
    std::string_view token;
    std::string SettingsTexts::*field;
};

constexpr std::array<SettingsPiece, 5> kPieces{{
    {"{Ro-Voda}", &SettingsTexts::roVoda},
    {"{Cm-Voda}", &SettingsTexts::cmVoda},
    {"{Cm-Vozd}", &SettingsTexts::cmVozd},
    {"{Cv-Vozd}", &SettingsTexts::cvVozd},
    {"{RoMatTrub}", &SettingsTexts::roMatTrub},
}};

}  // namespace

const FormulaTemplate* FindFormulaTemplate(int code) {
    const auto table = FormulaTemplateTable();
    const auto it = std::lower_bound(table.begin(), table.end(), code,
                                     [](const FormulaTemplate& row, int c) { return row.code < c; });
    if (it == table.end() || it->code != code) return nullptr;
    return &*it;
}

std::string SpellTemplate(std::string_view pattern, const SettingsTexts& settings) {
    std::string out;
    out.reserve(pattern.size() + 32);
    std::size_t i = 0;
    while (i < pattern.size()) {
        bool spelled = false;
        if (pattern[i] == '{') {
            for (const auto& piece : kPieces) {
                if (pattern.substr(i, piece.token.size()) == piece.token) {
                    out += settings.*(piece.field);
                    i += piece.token.size();
                    spelled = true;
                    break;
                }
            }
        }
        if (!spelled) out += pattern[i++];
    }
    return out;
}

bool TemplateUsesSettings(std::string_view pattern) {
    return std::any_of(kPieces.begin(), kPieces.end(), [&](const SettingsPiece& piece) {
        return pattern.find(piece.token) != std::string_view::npos;
    });
}

bool MakeSetupRecord(int code, const SettingsTexts& settings, std::string& title, TMasDatStr& record) {
    record = TMasDatStr{};
    const FormulaTemplate* row = FindFormulaTemplate(code);
    if (row == nullptr) return false;
    title = std::string(row->title);
    record.strings[0] = SpellTemplate(row->pattern, settings);
    for (int k = 1; k <= row->fieldCount; ++k)
        record.strings[static_cast<std::size_t>(k)] = std::string(row->captions[static_cast<std::size_t>(k - 1)]);
    record.count = static_cast<std::uint8_t>(row->fieldCount);
    return true;
}

std::optional<std::string> RunInsertFormula(int code, const SettingsTexts& settings,
                                                const RunDialogFunction& runDialog) {
    std::string title;
    TMasDatStr record;
    if (!MakeSetupRecord(code, settings, title, record)) return std::nullopt;
    DialogOutcome outcome = runDialog(title, record);
    if (!outcome.inserted) return std::nullopt;
    return std::move(outcome.text);
}

}  // namespace zul
