// Building journal entries.
#include "app/JournalBuilders.h"

#include <algorithm>

#include "app/HintCaptions.h"
#include "app/JournalLiterature.h"
#include "calc/Catalogue.h"
#include "calc/Formula.h"
#include "calc/Routing.h"
#include "eval/NumberText.h"
#include "insert/FormulaTemplates.h"

namespace zul {

std::vector<std::string> SplitGroupTexts(std::string_view line) {
    std::vector<std::string> texts;
    std::string rest(line);
    // The loop of SplitArgumentGroups, keeping the texts instead of evaluating them.
    for (int cycle = 1; cycle <= kArgumentSlots && !rest.empty(); ++cycle) {
        std::size_t open = 0, close = 0;
        if (!FindBrackets(rest, open, close)) {
            if (cycle == 1) return {};
            continue;
        }
        std::string group = rest.substr(0, close);
        if (open < close) group.erase(open, 1);
        rest = Trim(std::string_view(rest).substr(close + 1));
        texts.push_back(Trim(group));
    }
    return texts;
}

std::vector<GroupValue> PairGroups(std::string_view line, const ArgumentGroups& groups) {
    std::vector<GroupValue> out;
    const std::vector<std::string> texts = SplitGroupTexts(line);
    for (std::size_t i = 0; i < texts.size() && i < groups.slots.size(); ++i)
        out.push_back({texts[i], ResultText(groups.slots[i])});
    return out;
}

std::vector<GroupValue> EvaluateGroups(std::string_view line, const EvalContext& context) {
    ArgumentGroups groups;
    if (!SplitArgumentGroups(line, context, groups)) return {};
    return PairGroups(line, groups);
}

std::vector<std::string> SplitTimeGroups(std::string_view line) {
    std::vector<std::string> groups;
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = line.find('[', pos);
        if (open == std::string_view::npos) break;
        const std::size_t close = line.find(']', open + 1);
        if (close == std::string_view::npos) break;
        std::string group(line.substr(open, close - open + 1));
        std::erase_if(group, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
        groups.push_back(std::move(group));
        pos = close + 1;
    }
    return groups;
}

std::string CalculationName(int code) {
    int index = IndexOfCode(code);
    std::vector<std::string> path;
    while (index >= 0 && NodeByIndex(index)->level > 1) {
        path.push_back(NodeByIndex(index)->text);
        index = ParentIndex(index);
    }
    std::string name;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        if (!name.empty()) name += " — ";
        name += *it;
    }
    return name;
}

JournalEntry MakeCalculationEntry(int code, std::string_view line, const std::vector<GroupValue>& groups,
                                  std::string_view resultText, const IniDocument* literature,
                                  const Stamp& stamp) {
    JournalEntry entry;
    entry.kind = EntryKind::Calculation;
    entry.stamp = stamp;
    entry.text = std::string(line);
    entry.result = Trim(resultText);
    entry.code = code;
    entry.name = CalculationName(code);
    if (const FormulaTemplate* row = FindFormulaTemplate(code)) entry.title = std::string(row->title);
    if (const CatalogueRow* node = NodeByCode(code)) entry.picture = node->picture;

    const std::vector<QuantityCaption> captions = CalculationCaptions(code);
    // The acoustics formulas read as many bands as were given; every other formula reads
    // all its arguments, 0 for those the line left out.
    const bool bandsAsGiven = code == 5001 || code == 5002;
    const std::size_t rows = bandsAsGiven ? groups.size() : std::max(groups.size(), captions.size());
    for (std::size_t i = 0; i < rows; ++i) {
        ArgumentRecord argument;
        if (i < groups.size()) {
            argument.text = groups[i].text;
            argument.valueText = Trim(groups[i].valueText);
        } else {
            argument.valueText = "0";
        }
        if (i < captions.size()) {
            argument.caption = captions[i].caption;
            argument.unit = captions[i].unit;
        }
        entry.arguments.push_back(std::move(argument));
    }
    if (literature) entry.literature = CalculationReferences(*literature, code);
    return entry;
}

JournalEntry MakeExpressionEntry(std::string_view text, std::string_view resultText, const Stamp& stamp) {
    JournalEntry entry;
    entry.kind = EntryKind::Expression;
    entry.stamp = stamp;
    entry.text = std::string(text);
    entry.result = Trim(resultText);
    return entry;
}

JournalEntry MakeTimeSumEntry(std::string_view line, std::string_view resultText, const Stamp& stamp) {
    JournalEntry entry;
    entry.kind = EntryKind::TimeSum;
    entry.stamp = stamp;
    entry.text = std::string(line);
    entry.result = Trim(resultText);
    entry.timeGroups = SplitTimeGroups(line);
    return entry;
}

JournalEntry MakeComputeEntry(const ComputeFacts& facts, const EvalContext& context,
                              const IniDocument* literature, const Stamp& stamp) {
    switch (RouteOf(facts.line, facts.code)) {
        case LineRoute::Plain:
            return MakeExpressionEntry(facts.line, facts.resultText, stamp);
        case LineRoute::TimeSum:
            return MakeTimeSumEntry(facts.line, facts.resultText, stamp);
        case LineRoute::Calculation:
            break;
    }
    std::vector<GroupValue> groups;
    try {
        groups = EvaluateGroups(facts.line, context);
    } catch (const ArithmeticFault&) {
        for (std::string& text : SplitGroupTexts(facts.line)) groups.push_back({std::move(text), ""});
    }
    return MakeCalculationEntry(facts.code, facts.line, groups, facts.resultText, literature, stamp);
}

}  // namespace zul
