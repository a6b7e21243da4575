// Parsing of zulc's command line.
#include "cli/Options.h"

#include <charconv>
#include <string_view>
#include <utility>

#include "Version.h"

#include "app/Journal.h"

static_assert(zul::Journal::kCapacity == 3000, "the --report help names the journal's capacity");

namespace zul::cli {

namespace {

bool SplitAssignment(const std::string& text, std::string& key, std::string& value) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    key = text.substr(0, eq);
    value = text.substr(eq + 1);
    return true;
}

// One option: its name, the name of its value (none for a switch), its help text (a further
// line after "\n") and what it does. An option whose outcome is not Run ends the parse.
struct OptionRow {
    std::string_view name;
    std::string_view value;
    std::string_view help;
    ParseOutcome outcome = ParseOutcome::Run;
    // Applies the option with its value; false with the reason in error.
    bool (*apply)(const std::string& value, Options& options, std::string& error) = nullptr;
};

const OptionRow kOptions[] = {
    {"--code", "N", "select the calculation with code N (see --catalogue)", ParseOutcome::Run,
     [](const std::string& v, Options& o, std::string& error) {
         int code = 0;
         const auto r = std::from_chars(v.data(), v.data() + v.size(), code);
         if (r.ec != std::errc() || r.ptr != v.data() + v.size()) {
             error = "--code takes a calculation code";
             return false;
         }
         o.code = code;
         o.codeSet = true;
         return true;
     }},
    {"--angle", "rad|deg|grad", "angle unit of the trigonometric functions (default rad)", ParseOutcome::Run,
     [](const std::string& v, Options& o, std::string& error) {
         const std::pair<std::string_view, AngleUnit> units[] = {
             {"rad", AngleUnit::Radians}, {"deg", AngleUnit::Degrees}, {"grad", AngleUnit::Grads}};
         for (const auto& [text, unit] : units) {
             if (v == text) {
                 o.angle = unit;
                 o.angleSet = true;
                 return true;
             }
         }
         error = "--angle takes rad, deg or grad";
         return false;
     }},
    {"--user", "NAME=VALUE", "define a user constant (repeatable, in order)", ParseOutcome::Run,
     [](const std::string& v, Options& o, std::string& error) {
         UserConstant c;
         if (!SplitAssignment(v, c.name, c.value)) {
             error = "--user takes NAME=VALUE";
             return false;
         }
         o.userConstants.push_back(c);
         return true;
     }},
    {"--const", "KEY=TEXT",
     "set a physical constant: Ro-Voda, Cm-Voda, Cm-Vozd, Cv-Vozd,\n"
     "RoMatTrub or HaraktShumomer (eight numbers)",
     ParseOutcome::Run,
     [](const std::string& v, Options& o, std::string& error) {
         std::string key, value;
         if (!SplitAssignment(v, key, value)) {
             error = "--const takes KEY=TEXT";
             return false;
         }
         o.constFields.emplace_back(key, value);
         return true;
     }},
    {"--settings", "FILE", "read a settings file first; other options override it", ParseOutcome::Run,
     [](const std::string& v, Options& o, std::string&) {
         o.settingsFile = v;
         return true;
     }},
    {"--list", "FILE", "compute every line of an expression list file", ParseOutcome::Run,
     [](const std::string& v, Options& o, std::string&) {
         o.listFile = v;
         return true;
     }},
    {"--write", "", "with --list: save the results back into the file", ParseOutcome::Run,
     [](const std::string&, Options& o, std::string&) {
         o.writeList = true;
         return true;
     }},
    {"--catalogue", "", "print the topic tree: index, code, level, text, hint line", ParseOutcome::Run,
     [](const std::string&, Options& o, std::string&) {
         o.catalogue = true;
         return true;
     }},
    {"--report", "FILE",
     "also write the calculation note of the run (\"Расчётная\n"
     "записка\") to FILE as HTML with the pictures inside: every\n"
     "input computed (every computed line with --list), with its\n"
     "arguments, units and literature; the heading comes from\n"
     "the section Report of Zul.ini in the current folder; at\n"
     "most the last 3000 entries",
     ParseOutcome::Run,
     [](const std::string& v, Options& o, std::string&) {
         o.reportFile = v;
         return true;
     }},
    {"--help", "", "", ParseOutcome::Help},
    {"--version", "", "", ParseOutcome::Version},
};

const OptionRow* FindOption(std::string_view name) {
    for (const OptionRow& row : kOptions)
        if (row.name == name) return &row;
    return nullptr;
}

// "  --code N            select ...": the option and its value in a column of 20, then the
// help; a further help line under the help. The options without help share the last line.
std::string OptionLines() {
    constexpr std::size_t kColumn = 20;
    std::string lines;
    std::string bare;
    for (const OptionRow& row : kOptions) {
        if (row.help.empty()) {
            bare += (bare.empty() ? "" : ", ") + std::string(row.name);
            continue;
        }
        std::string head(row.name);
        if (!row.value.empty()) head += " " + std::string(row.value);
        head.append(head.size() + 2 > kColumn ? 2 : kColumn - head.size(), ' ');
        std::string_view help = row.help;
        for (bool first = true; !help.empty(); first = false) {
            const std::size_t end = help.find('\n');
            const std::string lead = first ? head : std::string(kColumn, ' ');
            lines += "  " + lead + std::string(help.substr(0, end)) + "\n";
            help = end == std::string_view::npos ? std::string_view() : help.substr(end + 1);
        }
    }
    if (!bare.empty()) lines += "  " + bare + "\n";
    return lines;
}

}  // namespace

ParseOutcome ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
    bool onlyInputs = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (onlyInputs || a.size() < 2 || a[0] != '-' || a[1] != '-') {
            options.inputs.push_back(a);
            continue;
        }
        if (a == "--") {
            onlyInputs = true;
            continue;
        }
        const OptionRow* row = FindOption(a);
        if (row == nullptr) {
            error = "unknown option " + a;
            return ParseOutcome::Error;
        }
        if (row->outcome != ParseOutcome::Run) return row->outcome;
        std::string value;
        if (!row->value.empty()) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return ParseOutcome::Error;
            }
            value = args[++i];
        }
        if (!row->apply(value, options, error)) return ParseOutcome::Error;
    }
    if (options.writeList && options.listFile.empty()) {
        error = "--write needs --list FILE";
        return ParseOutcome::Error;
    }
    return ParseOutcome::Run;
}

std::string UsageText() {
    return "Usage: zulc [OPTIONS] [INPUT...]\n"
           "Computes each INPUT, or each line of standard input, as the calculator's input line.\n"
           "A text with \"[\" is a calculation with argument groups, such as \"[12.5] [80]\".\n"
           "\n"
           "Options:\n" +
           OptionLines() +
           "\n"
           "Lines of standard input end with LF, CR LF or CR alone; a line longer than\n" +
           std::to_string(kMaxInputLine) + " bytes is refused without being read into memory.\n"
           "Output: one line per input; \"error: ...\" for an input that fails.\n"
           "Exit status: 0 all inputs computed, 1 some input failed, 2 usage error or a\n"
           "--report file that cannot be written (checked before anything is computed).\n";
}

std::string VersionText() { return "zulc (ЗУЛ) " + std::string(kVersion); }

}  // namespace zul::cli
