// EvaluateExpression: comment cut, bracket check, and the pass loop.
#include "eval/Evaluator.h"

#include <algorithm>
#include <string>

#include "eval/Functions.h"
#include "eval/NumberText.h"
#include "eval/PassSteps.h"
#include "eval/Substitution.h"

namespace zul {

namespace {

// Equal counts, and every "(" has a ")" after it once the inner pairs are taken out:
// the same as every suffix holding at least as many ")" as "(".
bool BracketsBalance(std::string_view s) {
    long balance = 0;
    for (std::size_t i = s.size(); i-- > 0;) {
        if (s[i] == ')') ++balance;
        if (s[i] == '(' && --balance < 0) return false;
    }
    return balance == 0;
}

class BusyScope {
public:
    explicit BusyScope(BusyIndicator* busy) : busy_(busy) {
        if (busy_) busy_->Begin();
    }
    ~BusyScope() {
        if (busy_) busy_->End();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyIndicator* busy_;
};

StepResult Pass(std::string& s, int pass, const EvalContext& context) {
    const bool replaced = NormaliseAndSubstitute(s, context, kMaxWorkingText);
    if (s.size() > kMaxWorkingText) return StepResult::Fail;
    if (UserConstantsCycle(pass, replaced, context.userConstants)) return StepResult::Fail;
    UnwrapParentheses(s);
    PowerStep(s);
    FactorialStep(s);
    BinaryStep(s);
    return FunctionStep(s, context.angleUnit);
}

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

bool EvaluateExpression(std::string_view text, Extended& value, const EvalContext& context,
                        EvaluationCost* cost) {
    EvaluationCost unused;
    EvaluationCost& spent = cost != nullptr ? *cost : unused;
    spent = {};
    value = 1;
    std::string s = CommentCut(text);
    const std::string_view trimmed = TrimView(s);
    if (trimmed.empty() || trimmed.size() > 4 * kMaxInputText) return false;  // 4 bytes at most a character
    if (CharacterCount(trimmed) > kMaxInputText) return false;
    if (!BracketsBalance(s)) return false;
    if (ReadNumber(trimmed, value)) return true;
    value = 1;

    BusyScope busy(context.busy);
    // A pass depends only on the working text and the context, so a text that comes back
    // as an earlier pass left it (one or two passes ago) can never become a number.
    std::string before, twoBefore;
    for (int pass = 0; pass < kPassLimit; ++pass) {
        twoBefore.swap(before);
        before = s;
        ++spent.passes;
        const StepResult step = Pass(s, pass, context);
        spent.longestText = std::max(spent.longestText, s.size());
        if (step == StepResult::Fail) return false;
        if (s.size() > kMaxWorkingText) return false;
        Extended result;
        if (ReadNumber(TrimView(s), result)) {
            value = result;
            return true;
        }
        if (s == before || (pass > 0 && s == twoBefore)) return false;
    }
    return false;
}

}  // namespace zul
