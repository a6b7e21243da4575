// What the insert-formula dialog reads from the calculator: kept apart from the dialog's own
// source so that the calculator's headers and the dialog model's headers never meet in one
// file (both name the time-sum code).
#pragma once

#include <string>

#include "insert/CalculatorInsertHost.h"

namespace zul {

struct Calculator;

struct IncFuncContext {
    InsertHostState host;
    const std::string& startDirectory;  // where "Zul.lit" lives
};

IncFuncContext IncFuncContextOf(Calculator& calculator);

}  // namespace zul
