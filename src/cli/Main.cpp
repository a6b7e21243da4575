// zulc: the command-line calculator. Each input line is computed as the main window's
// compute command computes its input line.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Options.h"
#include "cli/Session.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    zul::cli::Options options;
    std::string error;
    const zul::cli::ParseOutcome outcome = zul::cli::ParseOptions(args, options, error);
    if (outcome == zul::cli::ParseOutcome::Help) {
        std::fputs(zul::cli::UsageText().c_str(), stdout);
        return 0;
    }
    if (outcome == zul::cli::ParseOutcome::Version) {
        std::puts(zul::cli::VersionText().c_str());
        return 0;
    }
    if (outcome == zul::cli::ParseOutcome::Error) {
        std::fprintf(stderr, "zulc: %s\n%s", error.c_str(), "Try 'zulc --help'.\n");
        return 2;
    }
    return zul::cli::RunSession(options, std::cin, std::cout, std::cerr);
}
