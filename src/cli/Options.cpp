// Parsing of zulc's command line.
#include "cli/Options.h"

#include <charconv>

#include "Version.h"

namespace zul::cli {

namespace {

bool SplitAssignment(const std::string& text, std::string& key, std::string& value) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    key = text.substr(0, eq);
    value = text.substr(eq + 1);
    return true;
}

bool ParseAngle(const std::string& text, AngleUnit& unit) {
    if (text == "rad") unit = AngleUnit::Radians;
    else if (text == "deg") unit = AngleUnit::Degrees;
    else if (text == "grad") unit = AngleUnit::Grads;
    else return false;
    return true;
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
        if (a == "--help") return ParseOutcome::Help;
        if (a == "--version") return ParseOutcome::Version;
        if (a == "--write") {
            options.writeList = true;
            continue;
        }
        if (a == "--catalogue") {
            options.catalogue = true;
            continue;
        }
        const bool takesValue = a == "--angle" || a == "--user" || a == "--code" || a == "--const" ||
                                a == "--settings" || a == "--list";
        if (!takesValue) {
            error = "unknown option " + a;
            return ParseOutcome::Error;
        }
        if (i + 1 >= args.size()) {
            error = a + " needs a value";
            return ParseOutcome::Error;
        }
        const std::string& v = args[++i];
        if (a == "--angle") {
            if (!ParseAngle(v, options.angle)) {
                error = "--angle takes rad, deg or grad";
                return ParseOutcome::Error;
            }
            options.angleSet = true;
        } else if (a == "--user") {
            UserConstant c;
            if (!SplitAssignment(v, c.name, c.value)) {
                error = "--user takes NAME=VALUE";
                return ParseOutcome::Error;
            }
            options.userConstants.push_back(c);
        } else if (a == "--code") {
            int code = 0;
            auto r = std::from_chars(v.data(), v.data() + v.size(), code);
            if (r.ec != std::errc() || r.ptr != v.data() + v.size()) {
                error = "--code takes a calculation code";
                return ParseOutcome::Error;
            }
            options.code = code;
            options.codeSet = true;
        } else if (a == "--const") {
            std::string key, value;
            if (!SplitAssignment(v, key, value)) {
                error = "--const takes KEY=TEXT";
                return ParseOutcome::Error;
            }
            options.constFields.emplace_back(key, value);
        } else if (a == "--settings") {
            options.settingsFile = v;
        } else {
            options.listFile = v;
        }
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
           "Options:\n"
           "  --code N            select the calculation with code N (see --catalogue)\n"
           "  --angle rad|deg|grad  angle unit of the trigonometric functions (default rad)\n"
           "  --user NAME=VALUE   define a user constant (repeatable, in order)\n"
           "  --const KEY=TEXT    set a physical constant: Ro-Voda, Cm-Voda, Cm-Vozd, Cv-Vozd,\n"
           "                      RoMatTrub or HaraktShumomer (eight numbers)\n"
           "  --settings FILE     read a settings file first; other options override it\n"
           "  --list FILE         compute every line of an expression list file\n"
           "  --write             with --list: save the results back into the file\n"
           "  --catalogue         print the topic tree: index, code, level, text, hint line\n"
           "  --help, --version\n"
           "\n"
           "Lines of standard input end with LF, CR LF or CR alone; a line longer than\n" +
           std::to_string(kMaxInputLine) + " bytes is refused without being read into memory.\n"
           "Output: one line per input; \"error: ...\" for an input that fails.\n"
           "Exit status: 0 all inputs computed, 1 some input failed, 2 usage error.\n";
}

std::string VersionText() { return "zulc (ЗУЛ) " + std::string(kVersion); }

}  // namespace zul::cli
