// zulc's contract: options, output lines, exit status.
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Options.h"
#include "cli/Session.h"

namespace zul::cli {
namespace {

struct ZulcRun {
    int status = -1;
    std::string out, err;
};

ZulcRun Zulc(std::vector<std::string> args, const std::string& stdinText = "") {
    Options options;
    std::string error;
    ZulcRun r;
    const ParseOutcome outcome = ParseOptions(args, options, error);
    if (outcome == ParseOutcome::Error) {
        r.status = 2;
        r.err = error;
        return r;
    }
    std::istringstream in(stdinText);
    std::ostringstream out, err;
    r.status = RunSession(options, in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::string DataFile(const std::string& name) {
    const char* dir = std::getenv("ZUL_TEST_DATA");
    return std::string(dir ? dir : "tests/data") + "/cli/" + name;
}

TEST(Zulc, OutputLinesAndExitStatus) {
    struct Case {
        std::vector<std::string> args;
        std::string stdinText, out;
        int status;
    };
    const Case cases[] = {
        {{"2+3*4"}, "", "14\n", 0},
        {{"2+3*4", "1/0"}, "", "14\nerror: the expression cannot be evaluated\n", 1},
        {{"ln(0)"}, "", "error: Floating point division by zero\n", 1},
        {{"1E-13"}, "", " 1.00000000000000E-0013\n", 0},
        {{}, "2+2\r\n\n   \nsin(0)\n", "4\n\n\n0\n", 0},   // blank lines give empty lines
        {{"--angle", "deg", "sin(30)"}, "", "0.5\n", 0},
        {{"--user", "a=2+1", "a*2"}, "", "4\n", 0},
        {{"[1] [2]"}, "", "error: no calculation is selected (use --code N)\n", 1},
        {{"--code", "1", "[12.5] [80]", "2+2"}, "", "0.690776662725\n4\n", 0},
        {{"--code", "1", "[12.5] [0]"}, "", "error: the calculation cannot be computed with these arguments\n", 1},
        {{"--code", "50301", "[01:30:00] [00:45:30]"}, "", "[02:15:30]\n", 0},
        {{"--code", "0", "1+2"}, "", "3\n", 0},
        {{"--code", "1", "--const", "Ro-Voda=1000", "[12.5] [80]"}, "", "0.690776662725\n", 0},
        {{"--code", "151", "--const", "Ro-Voda=1000", "--const", "Cm-Voda=4", "[1] [3600]"}, "", "4000\n", 0},
        {{"--", "--5"}, "", "5\n", 0},   // "--" folds to "+"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? c.stdinText : c.args.back());
        const ZulcRun r = Zulc(c.args, c.stdinText);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
}

TEST(Zulc, LineEndsAndOverlongLines) {
    const std::string tooLong(kMaxInputLine + 1, '1');
    const std::string error = "error: the input is longer than " + std::to_string(kMaxInputLine) + " bytes\n";
    struct Case {
        const char* name;
        std::string stdinText, out;
        int status;
    };
    const Case cases[] = {
        {"LF, CR LF and CR alone", "2+2\n3+3\r\n4+4\r5+5", "4\n6\n8\n10\n", 0},
        {"empty lines of each kind", "\r\r\n\n1\r", "\n\n\n1\n", 0},
        {"CR then LF across lines", "1\r\r\n2", "1\n\n2\n", 0},
        {"overlong line refused, the next computed", tooLong + "\r2*3\n", error + "6\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ZulcRun r = Zulc({}, c.stdinText);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.status);
    }
    const ZulcRun argument = Zulc({tooLong, "1"});
    EXPECT_EQ(argument.out, error + "1\n");
}

std::size_t HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// Standard input made up as it is read: `lines` distinct expressions, or one line of
// `longLine` digits followed by "2+2". Notes the heap in use while it is read.
class GeneratedInput : public std::streambuf {
public:
    GeneratedInput(int lines, std::size_t longLine) : lines_(lines), longLine_(longLine) {}
    std::size_t heapAt1000 = 0, heapAtEnd = 0, peakHeap = 0;

protected:
    int_type underflow() override {
        chunk_.clear();
        if (longLine_ > 0) {
            const std::size_t n = std::min<std::size_t>(longLine_, 65536);
            chunk_.assign(n, '1');
            longLine_ -= n;
            if (longLine_ == 0) chunk_ += "\n2+2\n";
        } else {
            for (int k = 0; k < 100 && next_ < lines_; ++k, ++next_) chunk_ += "1+" + std::to_string(next_) + "\n";
            if (next_ == 1000) heapAt1000 = HeapInUse();
            if (next_ == lines_) heapAtEnd = HeapInUse();
        }
        peakHeap = std::max(peakHeap, HeapInUse());
        if (chunk_.empty()) return traits_type::eof();
        setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
        return traits_type::to_int_type(chunk_[0]);
    }

private:
    int lines_;
    int next_ = 0;
    std::size_t longLine_;
    std::string chunk_;
};

TEST(Zulc, MemoryDoesNotGrowWithTheInput) {
    Options options;
    std::ostringstream out, err;
    GeneratedInput many(100000, 0);
    std::istream manyIn(&many);
    EXPECT_EQ(RunSession(options, manyIn, out, err), 0);
    // The results are written to a string here; everything else must stay put.
    EXPECT_LE(many.heapAtEnd, many.heapAt1000 + out.str().capacity() + 512 * 1024);

    std::ostringstream longOut;
    const std::size_t before = HeapInUse();
    GeneratedInput oneLongLine(0, 64u * 1024 * 1024);
    std::istream longIn(&oneLongLine);
    EXPECT_EQ(RunSession(options, longIn, longOut, err), 1);
    EXPECT_EQ(longOut.str().substr(longOut.str().find('\n') + 1), "4\n");
    EXPECT_LE(oneLongLine.peakHeap, before + 2 * 1024 * 1024);  // never the line itself
}

TEST(Zulc, FoldersAndLargeFilesAreNamedAsSuch) {
    const auto dir = std::filesystem::temp_directory_path() / ("zulc-folder-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "folder.ini");
    {
        std::ofstream big(dir / "big.ini", std::ios::binary);
        big << "[Program]\r\nName=ZUL\r\n";
    }
    std::filesystem::resize_file(dir / "big.ini", 17u * 1024 * 1024);
    const std::string folder = (dir / "folder.ini").string();
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"--settings", folder, "1"}, "Не удалось прочитать файл настроек:  folder.ini\nэто папка, а не файл"},
        {{"--settings", (dir / "big.ini").string(), "1"},
         "Не удалось прочитать файл настроек:  big.ini\nфайл больше 16 МБ"},
        {{"--list", folder}, "Не удалось прочитать файл:\n" + folder + "\nэто папка, а не файл"},
        {{"--settings", (dir / "none.ini").string(), "1"}, "Файл не существует:  " + (dir / "none.ini").string()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[1]);
        const ZulcRun r = Zulc(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "zulc: " + c.err + "\n");
    }
    std::filesystem::remove_all(dir);
}

TEST(Zulc, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"--angle", "turns", "1"}, {"--code", "12345", "1"}, {"--code", "x", "1"}, {"--bogus"},
        {"--user", "novalue"}, {"--const", "Ro-Voda=abc", "1"}, {"--const", "Unknown=1", "1"},
        {"--settings", "/nonexistent/file.ini", "1"}, {"--write"}, {"--code"},
        {"--settings", DataFile("foreign.ini"), "1"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.front() + " " + (args.size() > 1 ? args[1] : ""));
        const ZulcRun r = Zulc(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
    }
}

TEST(Zulc, CatalogueListsEveryNode) {
    const ZulcRun r = Zulc({"--catalogue"});
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line, first, last;
    int count = 0;
    while (std::getline(lines, line)) {
        if (count++ == 0) first = line;
        last = line;
    }
    EXPECT_EQ(count, 143);
    EXPECT_EQ(first.substr(0, first.find('\t', first.find('\t') + 1)), "0\t5000");
    EXPECT_NE(last.find("Интерполяция (линейная)"), std::string::npos);
}

TEST(Zulc, ComputesAListFileAndWritesItBack) {
    const auto dir = std::filesystem::temp_directory_path() / "zulc-list-test";
    std::filesystem::create_directories(dir);
    const auto path = (dir / "sample.sl").string();
    std::filesystem::copy_file(DataFile("sample.sl"), path, std::filesystem::copy_options::overwrite_existing);
    const ZulcRun r = Zulc({"--list", path, "--write"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1.\t4\n2.\t40\n3.\t\n4.\t40\n");  // line 3 is switched off
    std::ifstream written(path, std::ios::binary);
    std::stringstream content;
    content << written.rdbuf();
    EXPECT_NE(content.str().find("str-2=[1]*10//!40//!//!"), std::string::npos);
    std::filesystem::remove_all(dir);
    EXPECT_EQ(Zulc({"--list", path}).status, 2);  // the file is gone
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Zulc, ReportWritesTheComputedInputsAsTheNote) {
    const auto dir = std::filesystem::temp_directory_path() / ("zulc-report-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string note = (dir / "note.html").string();
    const ZulcRun r = Zulc({"--code", "1", "--report", note, "[12.5] [80]", "2+3", "2+"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "0.690776662725\n5\nerror: the expression cannot be evaluated\n");
    const std::string html = ReadAll(note);
    for (const char* part : {"<td>Расход</td><td>м3/ч</td><td>12.5</td><td>12.5</td>",
                             "<b>0.690776662725</b> м/с", "<h2>2. Вычисление</h2>", "2+3 = <b>5</b>"}) {
        EXPECT_NE(html.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(html.find("<h2>3."), std::string::npos);  // a failed input is no entry

    // A list: its computed lines; line 3 is switched off and has no result.
    const auto list = (dir / "sample.sl").string();
    std::filesystem::copy_file(DataFile("sample.sl"), list);
    EXPECT_EQ(Zulc({"--list", list, "--report", note}).status, 0);
    const std::string lines = ReadAll(note);
    EXPECT_NE(lines.find("[1]*10 = <b>40</b>"), std::string::npos);
    EXPECT_NE(lines.find("<h2>3."), std::string::npos);
    EXPECT_EQ(lines.find("<h2>4."), std::string::npos);

    // A file that cannot be written is a usage error before anything is computed.
    for (const std::string& bad : {(dir / "missing" / "note.html").string(), dir.string()}) {
        SCOPED_TRACE(bad);
        const ZulcRun refused = Zulc({"--report", bad, "2+3"});
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err.rfind("zulc: cannot write " + bad + ": ", 0), 0u) << refused.err;
    }
    EXPECT_EQ(Zulc({"--report"}).status, 2);
    // Never in the place of a file the run reads.
    const ZulcRun overwrite = Zulc({"--list", list, "--report", list});
    EXPECT_EQ(overwrite.status, 2);
    EXPECT_EQ(overwrite.out, "");
    EXPECT_NE(ReadAll(list).find("[1]*10"), std::string::npos);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zul::cli
