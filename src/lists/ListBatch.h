// "Вычислить все" for a list file without a window, for the command-line calculator.
#pragma once

#include <string>
#include <vector>

#include "eval/EvalContext.h"
#include "lists/ExpressionList.h"

namespace zul {

struct ListLineResult {
    int number = 0;      // the line number, 1..
    std::string result;  // the result cell as the window shows it (empty: no result)
    ListLine line;       // the whole line after computing
};

struct ListBatchResult {
    bool ok = false;
    std::string error;   // why the file could not be read or written (the window's texts)
    std::string fault;   // the arithmetic fault that ended the computing, if any
    std::vector<ListLineResult> lines;
};

// Reads the list file, computes all lines in one top-to-bottom pass and gives every line's
// result cell. With writeBack the results are saved into the file, unless a fault ended
// the computing.
ListBatchResult ComputeListFile(const std::string& path, const EvalContext& context, bool writeBack);

}  // namespace zul
