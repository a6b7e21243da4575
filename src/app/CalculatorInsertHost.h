// What the insert-formula dialog asks of the main window, answered from the calculator's
// state: the selected calculation, the evaluator with the current settings, the dispatch,
// the time sum and the list of recent calculations.
#pragma once

#include <memory>

namespace zul {

class BusyIndicator;
class InsertFormulaHost;
struct Calculator;

// The host reads the calculator at every call: the dialog is modal, so nothing changes
// while it is open, but the calculation and the settings do between showings.
std::unique_ptr<InsertFormulaHost> MakeCalculatorInsertHost(Calculator& calculator,
                                                            BusyIndicator* busy = nullptr);

}  // namespace zul
