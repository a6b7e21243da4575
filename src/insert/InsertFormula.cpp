// The insert-formula dialog's logic: substitution, argument groups, preview and insert.
#include "insert/InsertFormula.h"

#include <algorithm>
#include <cmath>

#include "eval/NumberText.h"

namespace zul {
namespace {

std::string Bracketed(std::string_view field) {
    std::string group;
    group.reserve(field.size() + 2);
    group += '[';
    group += field;
    group += ']';
    return group;
}

// A field that already holds groups is passed on as it stands.
std::string TimeGroup(std::string_view field) {
    return field.find('[') != std::string_view::npos ? std::string(field) : Bracketed(field);
}

// "62 65  70" -> "[62] [65] [] [70]": single blanks split, so two blanks give an empty group.
std::string NoiseGroups(std::string_view levels) {
    std::string split = "[";
    for (char c : levels) {
        if (c == ' ') split += "][";
        else split += c;
    }
    std::string out;
    out.reserve(split.size() * 2 + 1);
    for (char c : split) {
        out += c;
        if (c == ']') out += ' ';
    }
    out += ']';
    return out;
}

}  // namespace

std::string WrapValue(std::string_view value) {
    std::string v = Trim(value);
    if (v.empty()) return v;
    if (v.front() == '(' && v.back() == ')') return v;
    bool wrap = v.find('-') != std::string::npos;
    for (char op : {'+', '*', '/', '^'}) {
        const std::size_t pos = v.find(op);
        if (pos != std::string::npos && pos > 0) wrap = true;
    }
    return wrap ? "(" + v + ")" : v;
}

std::string BuildArgumentGroups(int code, const std::array<std::string, 6>& fields) {
    const std::string f1 = Trim(fields[0]);
    const std::string f2 = Trim(fields[1]);
    const std::string f3 = Trim(fields[2]);
    switch (code) {
        case 5001:
        case 5002:
            return NoiseGroups(f1);
        case 6003:
        case 50026:
            return Bracketed(f1) + " " + Bracketed(f2) + " " + Bracketed(f3);
        case 6011:
            return Bracketed(f1);
        case kTimeSumCode:
            return TimeGroup(f1) + " " + TimeGroup(f2);
        default:
            return {};
    }
}

SubstitutionResult SubstituteFields(std::string_view templ, const std::array<std::string, 6>& fields,
                                    const std::array<bool, 6>& visible, int code) {
    SubstitutionResult result;
    const bool hasTemplate = !templ.empty();
    // The fields that take part, in order, up to an invisible field from 2 on or the first
    // empty one. A field whose placeholder the template does not hold is not checked.
    std::array<std::string, 6> values;
    std::array<bool, 6> used{};
    for (int n = 1; n <= 6; ++n) {
        const std::size_t i = static_cast<std::size_t>(n - 1);
        const std::string placeholder{'X', static_cast<char>('0' + n)};
        if (hasTemplate && templ.find(placeholder) == std::string_view::npos) continue;
        if (n >= 2 && !visible[i]) break;
        if (fields[i].empty()) {
            result.firstEmpty = n;
            break;
        }
        used[i] = true;
        values[i] = WrapValue(fields[i]);
    }
    if (!hasTemplate) {
        result.text = BuildArgumentGroups(code, fields);
        return result;
    }
    // One pass over the template: a value is never searched for placeholders, so a value
    // naming another placeholder stays as typed and the cost is linear in the result.
    for (std::size_t pos = 0; pos < templ.size(); ++pos) {
        const char next = pos + 1 < templ.size() ? templ[pos + 1] : '\0';
        const bool placeholder = templ[pos] == 'X' && next >= '1' && next <= '6';
        const std::size_t i = placeholder ? static_cast<std::size_t>(next - '1') : 0;
        if (placeholder && used[i]) {
            result.text += values[i];
            ++pos;
        } else {
            result.text += templ[pos];
        }
    }
    return result;
}

FieldGeometry ArrangeFieldGeometry(const FieldGeometryInput& in) {
    const int d = in.desktopPixels > 480000 ? 6 : 0;
    FieldGeometry g;
    g.exitButtonTop = in.insertButtonTop + 32 + d;
    g.lineTop = g.exitButtonTop + 32 + d;
    const int count = std::clamp(in.count, 1, 6);
    for (int k = 2; k <= count; ++k) {
        const int comboTop = in.comboTops[static_cast<std::size_t>(k - 1)];
        g.lineTop = comboTop + 40;
        g.exitButtonTop = comboTop + in.comboHeight - in.exitButtonHeight;
    }
    g.windowHeight = g.lineTop + 41;
    g.windowTop = static_cast<int>(std::lrint((in.desktopHeight - g.windowHeight) / 2.0));
    return g;
}

int ActivatedWindowTop(int windowTop, int windowHeight, int desktopHeight) {
    return windowHeight >= desktopHeight ? 1 : windowTop;
}

bool InsertFormulaDialog::Configure(const std::string& title, const TMasDatStr& setup, int calculationCode) {
    if (setup.count == 0) return false;
    setup_ = setup;
    setup_.count = std::min<std::uint8_t>(setup.count, TMasDatStr::kMaxFields);
    insertState_ = kNothingInserted;
    focusRequest_ = 0;
    title_ = title;
    template_ = setup_.strings[0];
    readFunc_ = HasTemplate() ? template_ : std::string(kNoSingleFormulaText);
    readRez_.assign(1, '=');
    ArrangeFields();
    if (calculationCode == kTimeSumCode) {
        fields_[0] = std::string(kTimePreset);
        fields_[1] = std::string(kTimePreset);
    }
    return true;
}

void InsertFormulaDialog::ArrangeFields() {
    // Hidden fields keep their texts; only the shown ones are emptied.
    visible_.fill(false);
    for (int k = 1; k <= setup_.count; ++k) {
        visible_[Index(k)] = true;
        fields_[Index(k)].clear();
    }
    visible_[0] = true;
    fields_[0].clear();
}

DialogOutcome InsertFormulaDialog::Finish() const { return {insertState_ == kInserted, readFunc_}; }

void InsertFormulaDialog::SetFieldText(int field, std::string text) {
    fields_.at(Index(field)) = std::move(text);
    readRez_.assign(1, '=');
}

void InsertFormulaDialog::Preview(InsertFormulaHost& host) {
    insertState_ = kPreviewed;
    readRez_ = "= Error";
    focusRequest_ = 0;
    const SubstitutionResult sub = SubstituteFields(template_, fields_, visible_, host.CalculationCode());
    if (HasTemplate()) readFunc_ = sub.text;
    if (sub.firstEmpty != 0) {
        focusRequest_ = sub.firstEmpty;
        return;
    }
    if (Trim(readFunc_).empty()) return;

    std::string shown;
    if (HasTemplate()) {
        Extended value = 0;
        if (!host.Evaluate(readFunc_, value)) return;
        shown = ResultText(value);
    } else if (host.TimeSumMode()) {
        std::string text;
        if (!host.TimeSum(sub.text, text)) return;
        shown = Trim(text);
    } else {
        Extended value = 0;
        if (!host.Dispatch(sub.text, value)) return;
        shown = ResultText(value);
    }
    readRez_ = "= " + shown;
    host.RecordRecentCalculation("#" + shown);
    RememberFieldValues();
}

void InsertFormulaDialog::RememberFieldValues() {
    for (int k = 1; k <= setup_.count; ++k) {
        auto& list = valueLists_[Index(k)];
        const std::string& text = fields_[Index(k)];
        if (std::find(list.begin(), list.end(), text) == list.end()) list.insert(list.begin(), text);
    }
}

bool InsertFormulaDialog::Insert(InsertFormulaHost& host) {
    focusRequest_ = 0;
    const SubstitutionResult sub = SubstituteFields(template_, fields_, visible_, host.CalculationCode());
    if (sub.firstEmpty != 0) {
        focusRequest_ = sub.firstEmpty;
        return false;
    }
    Preview(host);  // its outcome does not matter: a rejected formula is inserted all the same
    if (!HasTemplate()) readFunc_ = sub.text;
    insertState_ = kInserted;
    return true;
}

}  // namespace zul
