// Command-line options of zulc.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "eval/EvalContext.h"
#include "eval/Evaluator.h"

namespace zul::cli {

// The longest input line zulc takes, in bytes: the evaluator's input bound in characters at
// the widest UTF-8 (four bytes a character). A longer line could never be computed, and is
// not held in memory to find that out.
inline constexpr std::size_t kMaxInputLine = 4 * kMaxInputText;

struct Options {
    std::vector<std::string> inputs;                         // empty: read standard input
    bool angleSet = false;
    AngleUnit angle = AngleUnit::Radians;
    std::vector<UserConstant> userConstants;                 // --user NAME=VALUE, in order
    bool codeSet = false;
    int code = 0;                                            // --code N
    std::vector<std::pair<std::string, std::string>> constFields;  // --const KEY=TEXT, in order
    std::string settingsFile;                                // --settings FILE
    std::string listFile;                                    // --list FILE
    bool writeList = false;                                  // --write
    bool catalogue = false;                                  // --catalogue
    std::string reportFile;                                  // --report FILE
};

enum class ParseOutcome { Run, Help, Version, Error };

ParseOutcome ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);
std::string UsageText();
std::string VersionText();

}  // namespace zul::cli
