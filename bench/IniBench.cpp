// Reading the largest file the calculator accepts (16 MiB), from disk into a document: a
// file of empty lines, and a list file of 100,000 lines of a realistic length read into a
// list. The counter "heapMB" is what the document (or list) holds after reading.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "lists/ListFile.h"
#include "settings/IniDocument.h"

namespace {

double HeapMB() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

// A file in the temporary folder, removed at the end.
class BenchFile {
public:
    explicit BenchFile(const std::string& bytes)
        : path_((std::filesystem::temp_directory_path() / ("zul-bench-" + std::to_string(::getpid()))).string()) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~BenchFile() { std::remove(path_.c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string LargestFile(const std::string& head, const std::string& line) {
    std::string bytes = head;
    while (bytes.size() + line.size() <= zul::IniDocument::kMaxFileSize) bytes += line;
    return bytes;
}

void BM_ReadSixteenMiBOfEmptyLines(benchmark::State& state) {
    const BenchFile file(LargestFile("[Program]\r\nName=ZUL (ver 1.4)\r\n", "\r\n"));
    for (auto _ : state) {
        const double before = HeapMB();
        zul::IniDocument doc;
        if (!doc.Load(file.Path()).ok()) state.SkipWithError("not read");
        state.counters["heapMB"] = HeapMB() - before;
        benchmark::DoNotOptimize(doc.Read("Program", "Name", ""));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * zul::IniDocument::kMaxFileSize);
}
BENCHMARK(BM_ReadSixteenMiBOfEmptyLines)->Unit(benchmark::kMillisecond);

void BM_ReadLargestListFile(benchmark::State& state) {
    // 100,000 lines (the most a list holds) padded with notes to just under 16 MiB.
    std::string bytes = "[Program]\r\nName=ZUL (ver 1.4)\r\n[Design]\r\nColWidths=40 380 101 39 100\r\n"
                        "[Strings]\r\nCountStrings=100000\r\n";
    const std::size_t room = (zul::IniDocument::kMaxFileSize - bytes.size()) / zul::kMaxListLines;
    for (int k = 1; k <= zul::kMaxListLines; ++k) {
        std::string line = "str-" + std::to_string(k) + "=[" + std::to_string(k - 1) + "]*2+1//!" +
                           std::to_string(2 * k + 1) + "//!//!примечание ";
        line.resize(room - 2, 'x');
        bytes += line + "\r\n";
    }
    const BenchFile file(bytes);
    for (auto _ : state) {
        const double before = HeapMB();
        zul::ExpressionList list;
        if (zul::ReadListFile(list, file.Path(), false) != zul::ListReadStatus::Read) state.SkipWithError("not read");
        state.counters["heapMB"] = HeapMB() - before;
        benchmark::DoNotOptimize(list.Line(zul::kMaxListLines).expression);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadLargestListFile)->Unit(benchmark::kMillisecond);

}  // namespace
