// The note window's exports of 1,000 calculations, each with its picture and literature:
// the document laid out and painted as PDF pages, and as ODF text. Run offscreen:
//   QT_QPA_PLATFORM=offscreen build/<dir>/bench/zul_bench_windows
#include <benchmark/benchmark.h>

#include <string>

// Before Qt's headers, whose "slots" keyword would clash with a member of the dispatch.
#include "app/JournalBuilders.h"
#include "app/ReportHtml.h"
#include "calc/Catalogue.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextDocument>

#include "report/window/ReportDocument.h"

namespace {

// The document of 1,000 velocity calculations whose picture lies in `folder`.
std::string ThousandCalculations(const QString& folder) {
    QImage picture(602, 358, QImage::Format_RGB32);
    picture.fill(QColor(230, 240, 255));
    const QString pict = folder + QStringLiteral("/Pict");
    QDir().mkpath(pict);
    picture.save(pict + QStringLiteral("/") + QString::fromUtf8(zul::NodeByCode(1)->picture) +
                     QStringLiteral("@2x.jpg"),
                 "JPG");
    zul::IniDocument literature;
    literature.Parse("[Program]\nName=ZUL (ver 1.4)\n[LitPoints]\nLP-1=14:12-15/10:/9:/\n[Literature]\n"
                     "Lit-09=Справочник проектировщика. Ч. 1. Отопление.\n"
                     "Lit-10=Справочник проектировщика. Ч. 2. Водопровод и канализация.\n"
                     "Lit-14=Шевелев Ф. А. Таблицы для гидравлического расчета водопроводных труб.\n");
    std::vector<zul::JournalEntry> entries;
    for (int i = 0; i < 1000; ++i) {
        zul::JournalEntry e = zul::MakeComputeEntry(
            {1, "[12.5] [" + std::to_string(50 + i % 50) + "]", "0.69"}, {}, &literature, {"01.02.2025", "10:00:00"});
        e.note = "Участок " + std::to_string(i + 1);
        entries.push_back(std::move(e));
    }
    return zul::BuildReportHtml({"Объект", "ОВ", "Автор", "01.02.2025"}, entries,
                                zul::MakePictureResolver(folder.toStdString(), zul::PictureEmbedding::FileUrl));
}

void BM_PdfOfThousandCalculations(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string html = ThousandCalculations(folder.path());
    int pages = 0;
    for (auto _ : state) {
        const std::unique_ptr<QTextDocument> document = zul::MakeReportDocument(html);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        zul::WriteReportPdf(*document, pdf, [&pages](int, int count) {
            pages = count;
            return true;
        });
        benchmark::DoNotOptimize(pdf.data().size());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PdfOfThousandCalculations)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_OdfOfThousandCalculations(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string html = ThousandCalculations(folder.path());
    for (auto _ : state) {
        const std::unique_ptr<QTextDocument> document = zul::MakeReportDocument(html);
        QBuffer odf;
        odf.open(QIODevice::WriteOnly);
        zul::WriteReportOdf(*document, odf);
        benchmark::DoNotOptimize(odf.data().size());
    }
}
BENCHMARK(BM_OdfOfThousandCalculations)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
