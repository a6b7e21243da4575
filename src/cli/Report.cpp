// The calculation note of a zulc run.
#include "cli/Report.h"

#include <filesystem>
#include <ostream>

#include "app/DataPaths.h"
#include "app/JournalLiterature.h"
#include "app/ReportFile.h"
#include "settings/IniFile.h"
#include "settings/ProgramIni.h"

namespace zul::cli {
namespace {

// Where the program lies, for its installed data folder; empty when unknown.
std::string ProgramPath() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

std::string CurrentFolder() {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    return ec ? std::string(".") : folder.string();
}

}  // namespace

bool PrepareReport(const Options& options, Calculator& calculator, std::ostream& err) {
    SessionReport& report = calculator.report;
    report.journal.Clear();  // a settings file's journal is not the run's
    report.recording = !options.reportFile.empty();
    if (!report.recording) return true;
    // The document must not take the place of a file the run reads.
    for (const std::string* input : {&options.listFile, &options.settingsFile}) {
        std::error_code ec;
        if (!input->empty() && std::filesystem::equivalent(options.reportFile, *input, ec)) {
            err << "zulc: --report " << options.reportFile << " would overwrite the file " << *input
                << " that the run reads\n";
            return false;
        }
    }
    std::string error;
    if (!CanWriteFileAt(options.reportFile, error)) {
        err << "zulc: cannot write " << options.reportFile << ": " << error << '\n';
        return false;
    }
    const std::string start = CurrentFolder();
    report.literature = LoadLiteratureFile(DataFolder(ShippedData::Literature, start, ProgramPath()));
    report.picturesFolder = DataFolder(ShippedData::Pictures, start, ProgramPath());
    report.heading = ReadProgramIni(start).reportHeading;
    return true;
}

void AddListLines(Calculator& calculator, const std::vector<ListLineResult>& lines) {
    if (!calculator.report.recording) return;
    const Stamp stamp = StampNow();
    for (const ListLineResult& line : lines) {
        if (line.result.empty()) continue;  // switched off, or not computed
        if (std::optional<JournalEntry> entry = MakeListLineEntry(line.line, stamp))
            calculator.report.journal.Add(std::move(*entry));
    }
}

int FinishReport(const Options& options, const Calculator& calculator, int status, std::ostream& err) {
    // A usage error computed nothing worth a document.
    if (options.reportFile.empty() || status == 2) return status;
    const SessionReport& report = calculator.report;
    const IniSaveResult saved = SaveFileBytes(
        options.reportFile, SelfContainedReportHtml(report.heading, report.journal.Entries(), report.picturesFolder));
    if (saved.ok) return status;
    err << "zulc: cannot write " << options.reportFile << ": " << saved.error << '\n';
    return 2;
}

}  // namespace zul::cli
