// The start values of the calculator.
#include "app/Calculator.h"

namespace zul {

Calculator CreateCalculator(const std::string& startDirectory) {
    Calculator c;
    c.main.startDirectory = startDirectory;
    c.main.recent.Reset();
    c.main.programIni = ReadProgramIni(startDirectory);
    c.settings.TakeProgramIniValues(c.main.programIni);
    c.report.heading = c.main.programIni.reportHeading;
    return c;
}

}  // namespace zul
