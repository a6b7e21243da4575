// zulc's session: sets up the calculator from the options and computes every input with
// the main window's compute command.
#include "cli/Session.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "app/Calculator.h"
#include "app/ComputeCommand.h"
#include "app/SettingsFile.h"
#include "calc/Catalogue.h"
#include "calc/Selection.h"
#include "cli/LineReader.h"
#include "cli/Report.h"
#include "eval/NumberText.h"
#include "lists/ListBatch.h"
#include "settings/ConstantsOption.h"

namespace zul::cli {

namespace {

struct LineOutcome {
    bool ok = true;
    std::string text;  // what the input line shows, or the reason of the failure
};

std::string TooLongText() { return "the input is longer than " + std::to_string(kMaxInputLine) + " bytes"; }

LineOutcome ComputeLine(Calculator& calculator, const std::string& line) {
    LineOutcome r;
    if (TrimView(line).empty()) return r;  // a blank input changes nothing
    if (line.size() > kMaxInputLine) return {false, TooLongText()};
    try {
        const ComputeOutcome outcome = Compute(calculator, line);
        if (!outcome.computed) {
            r.ok = false;
            const bool bracketed = line.find('[') != std::string::npos;
            r.text = !bracketed ? "the expression cannot be evaluated"
                     : calculator.main.topic.calculationCode == 0
                         ? "no calculation is selected (use --code N)"
                         : "the calculation cannot be computed with these arguments";
            return r;
        }
        r.text = outcome.inputText;
    } catch (const ArithmeticFault& fault) {
        r.ok = false;
        r.text = fault.what();
    }
    return r;
}

// Applies the options to a fresh calculator; false with a message on a usage error.
bool Configure(const Options& options, Calculator& calculator, std::ostream& err) {
    calculator.main.recent.Reset();
    if (!options.settingsFile.empty()) {
        std::string error;
        std::vector<std::string> warnings;
        if (!LoadSettingsFileForCommandLine(calculator, options.settingsFile, error, &warnings)) {
            err << "zulc: " << error << '\n';
            return false;
        }
        for (const std::string& w : warnings) err << "zulc: " << w << '\n';
    }
    if (options.codeSet) {
        const int index = IndexOfCode(options.code);
        const auto selection = index >= 0 ? SelectTopicNode(index) : std::nullopt;
        if (!selection) {
            err << "zulc: no node of the topic tree has the code " << options.code << '\n';
            return false;
        }
        calculator.main.topic = selection->state;
    }
    if (options.angleSet) calculator.settings.angleUnit = options.angle;
    for (const auto& [key, text] : options.constFields) {
        std::string error;
        if (!ApplyConstantOption(key + "=" + text, calculator.settings.fields, calculator.settings.constants,
                                 error)) {
            err << "zulc: " << error << '\n';
            return false;
        }
    }
    if (!options.userConstants.empty()) {
        // Command-line constants come first, so they win over a file's constant of the same name.
        std::vector<UserConstant> constants = options.userConstants;
        for (const UserConstant& c : calculator.settings.grid.UserConstants()) constants.push_back(c);
        calculator.settings.grid.SetUserConstants(constants);
    }
    return true;
}

// --list FILE [--write]: "Вычислить все" over a list file; one line per list line.
int RunList(const Options& options, Calculator& calculator, std::ostream& out, std::ostream& err) {
    const ListBatchResult batch =
        ComputeListFile(options.listFile, calculator.settings.MakeEvalContext(), options.writeList);
    if (!batch.error.empty() && batch.lines.empty()) {
        err << "zulc: " << batch.error << '\n';
        return 2;
    }
    for (const ListLineResult& line : batch.lines) out << line.number << ".\t" << line.result << '\n';
    out.flush();
    AddListLines(calculator, batch.lines);
    if (!batch.fault.empty()) {
        out << "error: " << batch.fault << '\n';
        return 1;
    }
    if (!batch.error.empty()) {
        err << "zulc: " << batch.error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int RunSession(const Options& options, std::istream& in, std::ostream& out, std::ostream& err) {
    Calculator calculator;
    if (!Configure(options, calculator, err) || !PrepareReport(options, calculator, err)) return 2;
    if (options.catalogue) {
        out << CatalogueListing();
        if (options.inputs.empty()) return 0;
    }

    if (!options.listFile.empty())
        return FinishReport(options, calculator, RunList(options, calculator, out, err), err);

    bool anyFailed = false;
    auto report = [&](const LineOutcome& r) {
        if (r.ok) {
            out << r.text << '\n';
        } else {
            out << "error: " << r.text << '\n';
            anyFailed = true;
        }
    };
    auto run = [&](const std::string& line) {
        report(ComputeLine(calculator, line));
        // Each input is computed on its own: the history and the memory that the compute
        // command records would only grow with the batch.
        calculator.main.history.Clear();
        calculator.memory.Clear();
    };
    if (!options.inputs.empty()) {
        for (const std::string& input : options.inputs) run(input);
    } else {
        LineReader reader(in, kMaxInputLine);
        std::string line;
        bool tooLong = false;
        while (reader.Next(line, tooLong)) {
            if (tooLong) {
                report({false, TooLongText()});
            } else {
                run(line);
            }
        }
    }
    out.flush();
    return FinishReport(options, calculator, anyFailed ? 1 : 0, err);
}

}  // namespace zul::cli
