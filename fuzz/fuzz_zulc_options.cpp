// libFuzzer target: zulc's option parser. The input is cut into arguments at NUL bytes; any
// command line parses or is refused with a message, and one that needs no file runs.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "cli/Options.h"
#include "cli/Session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zul::cli;
    using zul::fuzz::Require;
    if (size > 4096) return 0;
    const std::vector<std::string> args = zul::fuzz::Pieces(data, size, 64);
    Options options;
    std::string error;
    const ParseOutcome outcome = ParseOptions(args, options, error);
    Require((outcome == ParseOutcome::Error) == !error.empty(), "an error has a message, and only an error");
    const bool needsNoFile = options.settingsFile.empty() && options.listFile.empty();
    // A few inputs at most: each one is an evaluation, which has a target of its own.
    const bool plain = options.inputs.size() <= 8;
    if (outcome == ParseOutcome::Run && needsNoFile && plain) {
        std::istringstream in;
        std::ostringstream out, err;
        const int status = RunSession(options, in, out, err);
        Require(status >= 0 && status <= 2, "exit status 0, 1 or 2");
    }
    return 0;
}
