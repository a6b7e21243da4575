// Reading and writing the program INI.
#include "settings/ProgramIni.h"

#include <filesystem>

#include "settings/IniFile.h"
#include "settings/IniInteger.h"

namespace zul {
namespace {
std::string TrimValue(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    return std::string(s);
}
}  // namespace

namespace {
constexpr std::string_view kReportSection = "Report";
struct HeadingKey {
    std::string_view key;
    std::string ReportHeading::*field;
};
constexpr HeadingKey kHeadingKeys[] = {{"Object", &ReportHeading::object},
                                       {"Section", &ReportHeading::section},
                                       {"Author", &ReportHeading::author},
                                       {"Date", &ReportHeading::date}};
}  // namespace

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
    values.autoLoadPath = TrimValue(doc.Read("AutoLoad", "FileName", ""));
    const std::string radian = doc.Read("General", "Radian", "0");
    values.angleUnit = radian == "1"   ? AngleUnit::Degrees
                       : radian == "2" ? AngleUnit::Grads
                                       : AngleUnit::Radians;
    values.escExit = IniIntegerOr(doc.Read("General", "EscExit", "0"), 0) != 0;
    values.askExit = IniIntegerOr(doc.Read("General", "AskExit", "0"), 0) != 0;
    for (const HeadingKey& k : kHeadingKeys)
        values.reportHeading.*k.field = TrimValue(doc.Read(kReportSection, k.key, ""));
    return values;
}

void StoreProgramIni(const ProgramIniValues& values, IniDocument& doc) {
    WriteZulHeader(doc);
    doc.Write("AutoLoad", "True", values.autoLoad ? "1" : "0");
    doc.Write("AutoLoad", "FileName", TrimValue(values.autoLoadPath));
    doc.Write("General", "Radian", AngleUnitText(values.angleUnit));
    doc.Write("General", "EscExit", values.escExit ? "1" : "0");
    doc.Write("General", "AskExit", values.askExit ? "1" : "0");
    // A program INI of someone who never wrote a note stays as it was.
    if (values.reportHeading.Empty() && !doc.HasSection(kReportSection)) return;
    for (const HeadingKey& k : kHeadingKeys) doc.Write(kReportSection, k.key, TrimValue(values.reportHeading.*k.field));
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
