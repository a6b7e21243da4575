// Runs zulc's inputs through the calculator core and prints the results.
#pragma once

#include <iosfwd>

#include "cli/Options.h"

namespace zul::cli {

// Returns the exit status: 0 all inputs computed, 1 some failed, 2 usage error.
int RunSession(const Options& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace zul::cli
