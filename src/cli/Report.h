// zulc --report FILE: the inputs of the run as entries of the calculation note, written as
// the note window writes its HTML export.
#pragma once

#include <iosfwd>
#include <vector>

#include "app/Calculator.h"
#include "cli/Options.h"
#include "lists/ListBatch.h"

namespace zul::cli {

// Before anything is computed: with --report, checks that the file can be written (a usage
// error otherwise, with the message on `err`), starts an empty journal, loads the
// literature file and the heading remembered in the program INI of the current folder.
// Without --report the calculator records nothing. False on a usage error.
bool PrepareReport(const Options& options, Calculator& calculator, std::ostream& err);

// The computed lines of a list file as entries, for --list with --report.
void AddListLines(Calculator& calculator, const std::vector<ListLineResult>& lines);

// Writes the document after the run; `status` is the run's exit status, kept unless the
// file cannot be written (then 2, with the message on `err`).
int FinishReport(const Options& options, const Calculator& calculator, int status, std::ostream& err);

}  // namespace zul::cli
