// The compute command.
#include "app/ComputeCommand.h"

#include "calc/Routing.h"
#include "eval/NumberText.h"

namespace zul {

ComputeOutcome Compute(Calculator& calculator, std::string_view inputText, BusyIndicator* busy) {
    MainState& main = calculator.main;
    ComputeOutcome outcome;
    const std::string entered(inputText);
    if (Trim(entered).empty()) return outcome;

    main.calculationMarker = false;
    EvalContext context = calculator.settings.MakeEvalContext();
    context.busy = busy;
    LineResult result;
    if (!ComputeInputLine(entered, main.topic.calculationCode, calculator.settings.constants, context,
                          result)) {
        return outcome;
    }

    outcome.computed = true;
    if (result.route == LineRoute::TimeSum) {
        outcome.inputText = Trim(result.timeText);
    } else {
        outcome.inputText = ResultText(result.value);
    }
    main.calculationMarker = result.route != LineRoute::Plain;

    RecordCompute(calculator, entered, outcome.inputText);

    if (main.calculationMarker) {
        outcome.recordedCalculation =
            main.recent.Record("=" + outcome.inputText, main.topic.selectedNodeIndex);
    }

    // By cells, not as a joined memory line: an input with a "//!" comment must not split.
    bool memoryChanged = false;
    if (!main.history.Contains(entered)) {
        main.history.InsertNewest(entered);
        memoryChanged = calculator.memory.AddOrUpdateRow(0, {entered, outcome.inputText, ""});
        outcome.newHistoryItem = true;
    } else {
        for (int r = 1; r <= calculator.memory.RowCount(); ++r) {
            if (calculator.memory.Row(r).expression == entered) {
                memoryChanged = calculator.memory.AddOrUpdateRow(r, {"", outcome.inputText, ""});
                break;
            }
        }
    }
    // The settings file stores the memory: a new or updated row is an unsaved change.
    if (memoryChanged) main.settingsFile.MarkModifiedIfInUse();
    main.history.ResetPosition();
    return outcome;
}

}  // namespace zul
