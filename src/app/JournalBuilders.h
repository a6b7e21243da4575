// Journal entries made from what a compute had: the code, the input line, its argument
// groups with their values, and the result text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/JournalEntry.h"
#include "calc/Dispatch.h"
#include "eval/EvalContext.h"
#include "settings/IniDocument.h"

namespace zul {

// One argument group of a line and its value, as the compute had them.
struct GroupValue {
    std::string text;       // the expression the dispatch evaluated, trimmed: "2*[3]" -> "2*3"
    std::string valueText;  // its result text: "6"; empty when unknown
};

// The expressions of a line's argument groups, split exactly as the dispatch splits them
// (text in front of a "[" belongs to its group; at most ten; text after the last complete
// pair is not a group). Empty when the line holds no bracket pair.
std::vector<std::string> SplitGroupTexts(std::string_view line);

// The group texts of a line paired with the values the dispatch gave them.
std::vector<GroupValue> PairGroups(std::string_view line, const ArgumentGroups& groups);

// Splits and evaluates the groups as the dispatch does; empty when the line does not
// split. Arithmetic faults leave as ArithmeticFault.
std::vector<GroupValue> EvaluateGroups(std::string_view line, const EvalContext& context);

// The time groups of a time-sum line, blanks removed: "[01:30:00] [ -00:20:00]" ->
// "[01:30:00]", "[-00:20:00]".
std::vector<std::string> SplitTimeGroups(std::string_view line);

// The calculation's name for a heading: the node texts from below the topic down to the
// node, joined by " — " ("Диаметр трубопровода — по V (м3/ч)"). Empty for an unknown code.
std::string CalculationName(int code);

// A calculation entry. The arguments take the captions and units of the hint line; a
// calculation argument the line did not give is listed with an empty text and the value 0
// that the formula read. `literature` is the loaded literature file, or nullptr without one.
JournalEntry MakeCalculationEntry(int code, std::string_view line, const std::vector<GroupValue>& groups,
                                  std::string_view resultText, const IniDocument* literature,
                                  const Stamp& stamp);
JournalEntry MakeExpressionEntry(std::string_view text, std::string_view resultText, const Stamp& stamp);
JournalEntry MakeTimeSumEntry(std::string_view line, std::string_view resultText, const Stamp& stamp);

// What a successful compute had: the selected code, the line as entered and the text the
// input line shows afterwards.
struct ComputeFacts {
    int code = 0;
    std::string line;
    std::string resultText;
};

// The entry of a successful compute, routed as the compute command routes the line. The
// groups of a calculation are evaluated again with the same context (they evaluated a
// moment ago, so they do again; should one fault, its value is left empty).
JournalEntry MakeComputeEntry(const ComputeFacts& facts, const EvalContext& context,
                              const IniDocument* literature, const Stamp& stamp);

}  // namespace zul
