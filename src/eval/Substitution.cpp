// Normalising and substitution steps of a pass.
#include "eval/Substitution.h"

#include <cmath>

#include "eval/NumberText.h"
#include "eval/TextRules.h"

namespace zul {

namespace {

const std::string& PiText() {
    static const std::string text = ExponentText(3.1415926535897932385L);
    return text;
}

const std::string& EText() {
    static const std::string text = ExponentText(std::exp(1.0L));
    return text;
}

// The next "p" or "P" at or after i (find_first_of would search its set once per character).
std::size_t FindP(const std::string& s, std::size_t i) {
    for (; i < s.size(); ++i)
        if (s[i] == 'p' || s[i] == 'P') return i;
    return std::string::npos;
}

bool IsPiAt(const std::string& s, std::size_t i) {
    return i + 1 < s.size() && (s[i] == 'p' || s[i] == 'P') && (s[i + 1] == 'i' || s[i + 1] == 'I');
}

// N5 and N6: one letter, scanned up to the length the text had when the step began.
void SubstituteLetter(std::string& s, char letter, std::string_view text) {
    const std::size_t limit = s.size();
    for (std::size_t i = s.find(letter); i != std::string::npos && i < limit; i = s.find(letter, i + 1)) {
        if (IsStandalone(s, i, 1)) ReplaceRange(s, i, 1, text);
    }
}

}  // namespace

std::string CommentCut(std::string_view text) {
    const std::size_t pos = text.find("//");
    if (pos == std::string_view::npos) return std::string(text);
    return Trim(text.substr(0, pos));
}

void RemoveBlanks(std::string& s) {
    if (s.find(' ') == std::string::npos) return;
    std::size_t out = 0;
    for (char c : s)
        if (c != ' ') s[out++] = c;
    s.resize(out);
}

void DecimalComma(std::string& s) {
    for (std::size_t i = s.find(','); i != std::string::npos; i = s.find(',', i + 1)) s[i] = '.';
}

void FoldSigns(std::string& s) {
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (!IsOperatorChar(s[i])) continue;
        if (s[i] == '+' && (s[i + 1] == '+' || s[i + 1] == '-')) s.erase(i, 1);
        if (i + 1 < s.size() && s[i] == '-' && s[i + 1] == '-') ReplaceRange(s, i, 2, "+");
    }
}

void SubstitutePi(std::string& s) {
    std::size_t i = FindP(s, 0);
    while (i != std::string::npos && i + 1 < s.size()) {
        if (IsPiAt(s, i) && IsStandalone(s, i, 2)) {
            ReplaceRange(s, i, 2, PiText());
            i = FindP(s, i + PiText().size());
        } else {
            i = FindP(s, i + 1);
        }
    }
}

void SubstituteE(std::string& s) { SubstituteLetter(s, 'e', EText()); }

void SubstituteG(std::string& s) { SubstituteLetter(s, 'g', "9.80665"); }

bool SubstituteUserConstants(std::string& s, const std::vector<UserConstant>& constants,
                             std::size_t limit) {
    bool replaced = false;
    for (const UserConstant& c : constants) {
        if (c.name.empty()) continue;
        std::size_t pos = s.find(c.name);
        while (pos != std::string::npos && s.size() <= limit) {
            if (IsStandalone(s, pos, c.name.size())) {
                ReplaceRange(s, pos, c.name.size(), c.value);
                replaced = true;
                pos = s.find(c.name, pos + c.value.size());
            } else {
                pos = s.find(c.name, pos + 1);
            }
        }
    }
    return replaced;
}

bool UserConstantsCycle(int pass, bool replaced, const std::vector<UserConstant>& constants) {
    return replaced && static_cast<std::size_t>(pass) > constants.size();
}

bool NormaliseAndSubstitute(std::string& s, const EvalContext& context, std::size_t limit) {
    RemoveBlanks(s);
    DecimalComma(s);
    FoldSigns(s);
    SubstitutePi(s);
    SubstituteE(s);
    SubstituteG(s);
    return SubstituteUserConstants(s, context.userConstants, limit);
}

}  // namespace zul
