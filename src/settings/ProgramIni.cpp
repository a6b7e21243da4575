// Reading and writing the program INI.
#include "settings/ProgramIni.h"

#include <filesystem>

#include "eval/Text.h"
#include "settings/IniFile.h"

namespace zul {

namespace {
struct HeadingKey {
    const SettingsKey& key;
    std::string ReportHeading::*field;
};
const HeadingKey kHeadingKeys[] = {{keys::kReportObject, &ReportHeading::object},
                                   {keys::kReportSection, &ReportHeading::section},
                                   {keys::kReportAuthor, &ReportHeading::author},
                                   {keys::kReportDate, &ReportHeading::date}};
}  // namespace

std::string ProgramIniPath(const std::string& startDirectory) {
    return (std::filesystem::path(startDirectory) / kProgramIniName).string();
}

ProgramIniValues ReadProgramIni(const std::string& startDirectory) {
    IniDocument doc;
    if (!doc.Load(ProgramIniPath(startDirectory)).ok()) return {};
    return ReadProgramIniDocument(doc);
}

ProgramIniValues ReadProgramIniDocument(const IniDocument& doc) {
    ProgramIniValues values;
    if (!PassesZulHeader(doc)) return values;
    values.autoLoad = ReadKey(doc, keys::kAutoLoad) == "1";
    values.autoLoadPath = Trim(ReadKey(doc, keys::kAutoLoadFile));
    // A text that names no angle unit gives the default, radians.
    values.angleUnit = AngleUnitOf(ReadKey(doc, keys::kRadian)).value_or(DefaultAngleUnit());
    values.escExit = ReadIntegerKey(doc, keys::kEscExit) != 0;
    values.askExit = ReadIntegerKey(doc, keys::kAskExit) != 0;
    for (const HeadingKey& k : kHeadingKeys) values.reportHeading.*k.field = Trim(ReadKey(doc, k.key));
    return values;
}

void StoreProgramIni(const ProgramIniValues& values, IniDocument& doc) {
    WriteZulHeader(doc);
    WriteKey(doc, keys::kAutoLoad, values.autoLoad ? "1" : "0");
    WriteKey(doc, keys::kAutoLoadFile, Trim(values.autoLoadPath));
    WriteKey(doc, keys::kRadian, AngleUnitText(values.angleUnit));
    WriteKey(doc, keys::kEscExit, values.escExit ? "1" : "0");
    WriteKey(doc, keys::kAskExit, values.askExit ? "1" : "0");
    // A program INI of someone who never wrote a note stays as it was.
    if (values.reportHeading.Empty() && !doc.HasSection(keys::kReportObject.section)) return;
    for (const HeadingKey& k : kHeadingKeys) WriteKey(doc, k.key, Trim(values.reportHeading.*k.field));
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
