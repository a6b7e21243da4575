// zulc's session: sets up the context from the options and computes every input.
#include "cli/Session.h"

#include <istream>
#include <ostream>
#include <string>

#include "eval/Evaluator.h"
#include "eval/NumberText.h"

namespace zul::cli {

namespace {

struct LineOutcome {
    bool ok = true;
    std::string text;  // what the input line shows, or the reason of the failure
};

LineOutcome ComputeLine(const std::string& line, const EvalContext& context) {
    LineOutcome r;
    if (TrimView(line).empty()) return r;  // a blank input changes nothing
    try {
        Extended value = 0;
        if (!EvaluateExpression(line, value, context)) {
            r.ok = false;
            r.text = "the expression cannot be evaluated";
            return r;
        }
        r.text = ResultText(value);
    } catch (const ArithmeticFault& fault) {
        r.ok = false;
        r.text = fault.what();
    }
    return r;
}

}  // namespace

int RunSession(const Options& options, std::istream& in, std::ostream& out, std::ostream&) {
    EvalContext context;
    context.angleUnit = options.angle;
    context.userConstants = options.userConstants;

    bool anyFailed = false;
    auto run = [&](const std::string& line) {
        const LineOutcome r = ComputeLine(line, context);
        if (r.ok) {
            out << r.text << '\n';
        } else {
            out << "error: " << r.text << '\n';
            anyFailed = true;
        }
    };
    if (!options.inputs.empty()) {
        for (const std::string& input : options.inputs) run(input);
    } else {
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            run(line);
        }
    }
    out.flush();
    return anyFailed ? 1 : 0;
}

}  // namespace zul::cli
