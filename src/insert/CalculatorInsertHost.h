// What the insert-formula dialog asks of the main window, answered from the calculator's
// state: the selected calculation, the evaluator with the current settings, the dispatch,
// the time sum and the list of recent calculations.
#pragma once

#include <memory>

namespace zul {

class BusyIndicator;
class InsertFormulaHost;
class RecentCalculations;
struct SettingsModel;

// The main state the host reads at every call (the dialog is modal, so it cannot change
// while the dialog is open, but it does between showings).
struct InsertHostState {
    const int& calculationCode;
    const bool& timeSumMode;
    const int& selectedNodeIndex;  // the node a recorded preview belongs to
    const SettingsModel& settings;
    RecentCalculations& recent;
    BusyIndicator* busy = nullptr;
};

std::unique_ptr<InsertFormulaHost> MakeCalculatorInsertHost(const InsertHostState& state);

}  // namespace zul
