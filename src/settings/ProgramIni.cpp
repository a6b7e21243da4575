// Reading and writing the program INI.
#include "settings/ProgramIni.h"

#include <filesystem>

#include "eval/Text.h"
#include "settings/IniFile.h"
#include "settings/IniInteger.h"

namespace zul {

std::string ProgramIniPath(const std::string& startDirectory) {
    return (std::filesystem::path(startDirectory) / kProgramIniName).string();
}

const char* AngleUnitText(AngleUnit unit) {
    switch (unit) {
        case AngleUnit::Degrees:
            return "1";
        case AngleUnit::Grads:
            return "2";
        case AngleUnit::Radians:
            break;
    }
    return "0";
}

ProgramIniValues ReadProgramIni(const std::string& startDirectory) {
    IniDocument doc;
    if (!doc.Load(ProgramIniPath(startDirectory)).ok()) return {};
    return ReadProgramIniDocument(doc);
}

ProgramIniValues ReadProgramIniDocument(const IniDocument& doc) {
    ProgramIniValues values;
    if (!PassesZulHeader(doc)) return values;
    values.autoLoad = doc.Read("AutoLoad", "True", "0") == "1";
    values.autoLoadPath = Trim(doc.Read("AutoLoad", "FileName", ""));
    const std::string radian = doc.Read("General", "Radian", "0");
    values.angleUnit = radian == "1"   ? AngleUnit::Degrees
                       : radian == "2" ? AngleUnit::Grads
                                       : AngleUnit::Radians;
    values.escExit = IniIntegerOr(doc.Read("General", "EscExit", "0"), 0) != 0;
    values.askExit = IniIntegerOr(doc.Read("General", "AskExit", "0"), 0) != 0;
    return values;
}

void StoreProgramIni(const ProgramIniValues& values, IniDocument& doc) {
    WriteZulHeader(doc);
    doc.Write("AutoLoad", "True", values.autoLoad ? "1" : "0");
    doc.Write("AutoLoad", "FileName", Trim(values.autoLoadPath));
    doc.Write("General", "Radian", AngleUnitText(values.angleUnit));
    doc.Write("General", "EscExit", values.escExit ? "1" : "0");
    doc.Write("General", "AskExit", values.askExit ? "1" : "0");
}

IniSaveResult WriteProgramIni(const std::string& startDirectory, const ProgramIniValues& values) {
    const std::string path = ProgramIniPath(startDirectory);
    IniDocument doc;
    const IniLoadResult loaded = doc.Load(path);
    if (!loaded.ok() && loaded.status != IniLoadStatus::Missing) return {false, loaded.error};
    StoreProgramIni(values, doc);
    return doc.Save(path);
}

}  // namespace zul
