// The calculator's state as the insert-formula dialog reads it.
#include "insert/window/UIncFuncContext.h"

#include "app/Calculator.h"

namespace zul {

IncFuncContext IncFuncContextOf(Calculator& calculator) {
    MainState& main = calculator.main;
    return {InsertHostState{main.topic.calculationCode, main.topic.timeSumMode, main.topic.selectedNodeIndex,
                            calculator.settings, main.recent, nullptr},
            main.startDirectory};
}

}  // namespace zul
