// The program INI "Zul.ini" in the start directory: auto-load, its file, the angle unit and
// the two exit options, read once at start and written at exit.
#pragma once

#include <string>

#include "eval/EvalContext.h"
#include "settings/IniDocument.h"
#include "settings/ReportHeading.h"
#include "settings/SettingsKeys.h"

namespace zul {

inline constexpr const char* kProgramIniName = "Zul.ini";

struct ProgramIniValues {
    bool autoLoad = false;
    std::string autoLoadPath;
    AngleUnit angleUnit = DefaultAngleUnit();
    bool escExit = false;
    bool askExit = false;
    ReportHeading reportHeading;  // section "Report": the heading of the calculation note
    bool operator==(const ProgramIniValues&) const = default;
};

std::string ProgramIniPath(const std::string& startDirectory);

// The defaults when the file is missing or fails the header check.
ProgramIniValues ReadProgramIni(const std::string& startDirectory);
// Writes the keys in their order; sections are not erased, so other keys survive. The
// section "Report" is written when the heading has a field or the file has the section.
IniSaveResult WriteProgramIni(const std::string& startDirectory, const ProgramIniValues& values);
// The same two on a document in memory.
ProgramIniValues ReadProgramIniDocument(const IniDocument& document);
void StoreProgramIni(const ProgramIniValues& values, IniDocument& document);

}  // namespace zul
