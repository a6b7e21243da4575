// libFuzzer target: settings files. Any file is read without harm; what the program writes
// it reads back to the same configuration: the same General, Const and UserConstants keys
// on a second save, and the same memory cells.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "app/Calculator.h"
#include "app/ScriptedPlatform.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"

namespace {

using namespace zul;
using zul::fuzz::Require;

std::string Section(const IniDocument& doc, const char* section) {
    std::string text;
    for (const std::string& key : doc.Keys(section)) text += key + "=" + doc.Read(section, key, "") + "\n";
    return text;
}

std::vector<MemoryRow> FilledRows(const Calculator& c) {
    std::vector<MemoryRow> rows;
    for (int r = 1; r <= c.memory.RowCount(); ++r)
        if (!c.memory.Row(r).IsEmpty()) rows.push_back(c.memory.Row(r));
    return rows;
}

bool SameRow(const MemoryRow& a, const MemoryRow& b) {
    return a.expression == b.expression && a.result == b.result && a.note == b.note;
}

// Reads a document into a fresh calculator and writes it into a fresh document.
IniDocument SaveOf(const IniDocument& doc, Calculator& c, int answer) {
    ScriptedPlatform platform;
    if (PassesZulHeader(doc)) ReadSettingsDocument(c, platform, doc, answer);
    IniDocument out;
    StoreSettings(c, out);
    IniDocument reread;
    reread.Parse(out.Serialize());
    return reread;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniDocument file;
    file.Parse(bytes);
    const int answer = 1 + static_cast<int>(size % 3);

    Calculator first, second, third;
    const IniDocument saved = SaveOf(file, first, answer);
    const IniDocument savedAgain = SaveOf(saved, second, kAnswerAppend);
    SaveOf(savedAgain, third, kAnswerAppend);
    for (const char* section : {"General", "Const", "UserConstants"}) {
        Require(Section(saved, section) == Section(savedAgain, section), section, bytes);
    }
    // A saved memory line comes back with the same cells; lines may only fall off the end
    // (the stored count follows the history, which skips rows without an expression).
    const std::vector<MemoryRow> before = FilledRows(second), after = FilledRows(third);
    Require(after.size() <= before.size(), "no memory row is added on reading", bytes);
    for (std::size_t i = 0; i < after.size(); ++i) Require(SameRow(before[i], after[i]), "memory cells", bytes);
    (void)CountStoredStrings("");
    return 0;
}
