// zul_datagen: the shipped text files.
//   zul_datagen lit SOURCE.txt OUTPUT   UTF-8 literature source -> Zul.lit in Windows-1251
//   zul_datagen help OUTPUT [ZULC]      the help Zul.html, with `ZULC --help` in it
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "HelpWriter.h"
#include "LiteratureSource.h"

namespace {

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Writes through a temporary file renamed over the target, so an interrupted build never
// leaves half a file that the next build would take as up to date.
bool WriteFile(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

int WriteLiterature(const std::string& source, const std::string& output) {
    std::string text;
    if (!ReadFile(source, text)) {
        std::fprintf(stderr, "zul_datagen: cannot read %s\n", source.c_str());
        return 1;
    }
    std::string encoded;
    if (!zul::datagen::ConvertLiteratureSource(text, encoded)) {
        std::fprintf(stderr, "zul_datagen: %s has a character outside Windows-1251\n", source.c_str());
        return 1;
    }
    if (!WriteFile(output, encoded)) {
        std::fprintf(stderr, "zul_datagen: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}

// What a command prints on its standard output; empty when it cannot be run.
std::string CommandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "lit" && argc == 4) return WriteLiterature(argv[2], argv[3]);
    if (command == "help" && (argc == 3 || argc == 4)) {
        const std::string usage = argc == 4 ? CommandOutput(std::string("\"") + argv[3] + "\" --help") : "";
        if (!WriteFile(argv[2], zul::datagen::HelpHtml(usage))) {
            std::fprintf(stderr, "zul_datagen: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "usage: zul_datagen lit SOURCE OUTPUT | zul_datagen help OUTPUT [ZULC]\n");
    return 2;
}
