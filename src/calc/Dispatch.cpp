// The calculation dispatch and its bracket finder.
#include "calc/Dispatch.h"

#include <string>

#include "calc/Formula.h"
#include "calc/TimeSum.h"
#include "eval/Evaluator.h"
#include "eval/NumberText.h"

namespace zul {

bool FindBrackets(std::string_view s, std::size_t& open, std::size_t& close) {
    open = s.find('[');
    close = s.find(']');
    return open != std::string_view::npos && close != std::string_view::npos;
}

bool SplitArgumentGroups(std::string_view line, const EvalContext& context, ArgumentGroups& groups) {
    groups = ArgumentGroups{};
    std::string rest(line);  // the text still to be split; untrimmed at first
    for (int cycle = 1; cycle <= kArgumentSlots; ++cycle) {
        groups.cycles = cycle;
        std::size_t open = 0, close = 0;
        if (FindBrackets(rest, open, close)) {
            // The group runs through the first "]"; its brackets are dropped, the text in
            // front of the "[" stays. A "]" before the first "[" leaves that "[" in the rest.
            std::string group = rest.substr(0, close);
            if (open < close) group.erase(open, 1);
            rest = Trim(std::string_view(rest).substr(close + 1));
            Extended value = 0;
            if (!EvaluateExpression(group, value, context)) return false;
            groups.slots[static_cast<std::size_t>(cycle - 1)] = value;
        } else if (cycle == 1) {
            return false;
        }
        if (rest.empty()) break;
    }
    return true;
}

bool CalculationDispatch(std::string_view line, int code, const ConstantsArray& constants,
                         const EvalContext& context, Extended& result) {
    if (code <= 0) return false;
    result = 1.0L;
    if (line.empty()) return false;

    ArgumentGroups groups;
    if (code != kTimeSumCode && !SplitArgumentGroups(line, context, groups)) return false;

    const Formula* formula = FindFormula(code);
    if (formula == nullptr) return false;

    FormulaArgs args;
    for (int i = 1; i <= kArgumentSlots; ++i) args.SetSlot(i, groups.slots[static_cast<std::size_t>(i - 1)]);
    args.k = groups.cycles;
    args.constants = &constants;
    args.angleUnit = context.angleUnit;

    Outcome value = formula->compute(args);
    if (!value) return false;
    result = value->value();
    return true;
}

}  // namespace zul
