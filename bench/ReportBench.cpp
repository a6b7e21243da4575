// The calculation note of a full journal: the HTML of 1,000 calculations, and the journal
// section of the settings file written and read back at the journal's capacity.
#include <benchmark/benchmark.h>

#include <string>

#include "app/JournalBuilders.h"
#include "app/JournalSection.h"
#include "app/ReportHtml.h"

namespace {

zul::Journal FullJournal(std::size_t entries) {
    zul::IniDocument literature;
    literature.Parse("[Program]\nName=ZUL (ver 1.4)\n[LitPoints]\nLP-1=14:12-15/10:/9:/\n[Literature]\n"
                     "Lit-09=Справочник проектировщика. Ч. 1. Отопление.\n"
                     "Lit-10=Справочник проектировщика. Ч. 2. Водопровод и канализация.\n"
                     "Lit-14=Шевелев Ф. А. Таблицы для гидравлического расчета водопроводных труб.\n");
    zul::Journal journal;
    const zul::Stamp stamp = {"31.01.2025", "14:05:09"};
    for (std::size_t i = 0; i < entries; ++i) {
        zul::JournalEntry e = zul::MakeComputeEntry(
            {1, "[12.5] [" + std::to_string(50 + i % 50) + "]", "0.69"}, {}, &literature, stamp);
        e.note = "Участок " + std::to_string(i + 1) + ": подающий трубопровод <Т1>";
        journal.Add(std::move(e));
    }
    return journal;
}

void BM_ReportHtmlThousandCalculations(benchmark::State& state) {
    const zul::Journal journal = FullJournal(1000);
    const zul::PictureResolver picture = [](std::string_view name) {
        return std::optional<zul::PictureRef>(
            zul::PictureRef{"Pict/" + std::string(name) + ".jpg", 301, 179});
    };
    for (auto _ : state) {
        std::string html =
            zul::BuildReportHtml({"Объект", "ОВ", "Автор", "31.01.2025"}, journal.Entries(), picture);
        benchmark::DoNotOptimize(html.data());
    }
}
BENCHMARK(BM_ReportHtmlThousandCalculations)->Unit(benchmark::kMillisecond);

void BM_JournalSectionRoundTripAtCapacity(benchmark::State& state) {
    const zul::Journal journal = FullJournal(zul::Journal::kCapacity);
    for (auto _ : state) {
        zul::IniDocument doc;
        zul::WriteJournalSection(doc, journal);
        zul::IniDocument reread;
        reread.Parse(doc.Serialize());
        zul::JournalReadResult read = zul::ReadJournalSection(reread);
        benchmark::DoNotOptimize(read.journal.Size());
    }
}
BENCHMARK(BM_JournalSectionRoundTripAtCapacity)->Unit(benchmark::kMillisecond);

}  // namespace
