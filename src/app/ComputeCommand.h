// The compute command (BBtnVichislClick of the main window): from the text of the input line
// to the text it shows next, recording the history, the memory and the recent calculations.
#pragma once

#include <string>
#include <string_view>

#include "app/Calculator.h"

namespace zul {

struct ComputeOutcome {
    bool computed = false;             // false: nothing changed, the input line keeps its text
    std::string inputText;             // the new input line text; the caret goes to its end
    bool recordedCalculation = false;  // a recent calculation was recorded
    bool newHistoryItem = false;       // the text went into the history and the memory
};

// Arithmetic faults leave as ArithmeticFault; the window shows FaultText in the message
// box captioned "Калькулятор" and the input line keeps its text.
ComputeOutcome Compute(Calculator& calculator, std::string_view inputText,
                                BusyIndicator* busy = nullptr);

}  // namespace zul
