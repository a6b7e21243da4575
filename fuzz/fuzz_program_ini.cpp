// libFuzzer target: the program INI. Any file is read without harm; the values written at
// exit read back the same, and the file's other keys survive.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "settings/ProgramIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zul;
    using zul::fuzz::Require;
    if (size > 65536) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniDocument file;
    file.Parse(bytes);
    const ProgramIniValues values = ReadProgramIniDocument(file);

    const std::vector<std::string> sections = file.SectionNames();
    StoreProgramIni(values, file);
    IniDocument reread;
    reread.Parse(file.Serialize());
    Require(ReadProgramIniDocument(reread) == values, "values written at exit read back", bytes);
    for (const std::string& s : sections) Require(reread.HasSection(s), "other sections survive", s);
    return 0;
}
