// Recording the session's computes and the entries the user adds by hand.
#include "app/SessionReport.h"

#include "app/Calculator.h"
#include "app/HintCaptions.h"
#include "app/JournalBuilders.h"
#include "app/JournalSection.h"
#include "eval/NumberText.h"
#include "lists/ExpressionList.h"
#include "memory/MemoryTable.h"

namespace zul {
namespace {

std::optional<JournalEntry> KeptEntry(std::string_view expression, std::string_view result,
                                      std::string_view note, const Stamp& stamp) {
    if (TrimView(expression).empty()) return std::nullopt;
    JournalEntry entry = MakeExpressionEntry(Trim(expression), result, stamp);
    entry.note = Trim(note);
    return entry;
}

}  // namespace

void RecordCompute(Calculator& calculator, const std::string& line, const std::string& resultText) {
    SessionReport& report = calculator.report;
    if (!report.recording) return;
    const ComputeFacts facts{calculator.main.topic.calculationCode, line, resultText};
    const IniDocument* literature = report.literature ? &*report.literature : nullptr;
    report.journal.Add(
        MakeComputeEntry(facts, calculator.settings.MakeEvalContext(), literature, StampNow()));
    calculator.main.settingsFile.MarkModifiedIfInUse();
}

std::optional<JournalEntry> MakeMemoryEntry(const MemoryRow& row, const Stamp& stamp) {
    return KeptEntry(row.expression, row.result, row.note, stamp);
}

std::optional<JournalEntry> MakeListLineEntry(const ListLine& line, const Stamp& stamp) {
    return KeptEntry(line.expression, line.result, line.note, stamp);
}

std::string EntryCaption(const JournalEntry& entry) {
    switch (entry.kind) {
        case EntryKind::Calculation:
            return entry.name.empty() ? entry.text : entry.name + ": " + entry.text;
        case EntryKind::TimeSum:
            return "Сумма времени: " + entry.text;
        case EntryKind::Expression:
            break;
    }
    return entry.text;
}

std::string EntryResult(const JournalEntry& entry) {
    if (entry.kind != EntryKind::Calculation || entry.result.empty()) return entry.result;
    const std::string unit = SplitCaptionUnit(entry.title).unit;
    return unit.empty() ? entry.result : entry.result + " " + unit;
}

int ReadSessionJournal(SessionReport& report, const IniDocument& settingsFile, int historyAnswer) {
    if (historyAnswer == kAnswerKeep || !settingsFile.HasSection(kJournalSection)) return 0;
    JournalReadResult read = ReadJournalSection(settingsFile, report.journal.Capacity());
    if (historyAnswer == kAnswerReplace) {
        report.journal = std::move(read.journal);
    } else {
        for (const JournalEntry& entry : read.journal.Entries()) report.journal.Add(entry);
    }
    return read.unreadable;
}

}  // namespace zul
