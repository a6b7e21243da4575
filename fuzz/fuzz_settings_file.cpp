// libFuzzer target: settings files. Any file is read without harm; what the program writes
// it reads back to the same configuration: the same General, Const and UserConstants keys
// on a second save, and the same memory cells; memory cells and user constants typed with
// any text, separators included, come back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "app/Calculator.h"
#include "app/SettingsFile.h"
#include "eval/NumberText.h"
#include "platform/ScriptedPlatform.h"
#include "settings/IniEncoding.h"
#include "settings/IniFile.h"

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

// A cell as typed comes back trimmed, line breaks (which a line of a file cannot hold) as blanks.
std::string AsStored(const std::string& cell) {
    std::string text = Trim(cell), out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    }
    return out;
}

// Memory cells and user constants typed into the windows (the settings window trims the
// constants and a grid cell holds one line) come back from a save.
void TypedCellsComeBack(const std::string& bytes) {
    const std::vector<std::string> pieces =
        zul::fuzz::Pieces(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), 48);
    Calculator typed;
    typed.settings.SetTrackBarPosition(255);
    std::vector<UserConstant> constants;
    for (std::size_t i = 0; i + 2 < pieces.size(); i += 3) {
        typed.memory.AddOrUpdateLine(0, "e//!r//!n");
        for (int column = 1; column <= 3; ++column)
            typed.memory.SetCell(typed.memory.RowCount(), column, Windows1251ToUtf8(pieces[i + column - 1]));
        typed.main.history.InsertNewest("e");
        constants.push_back({AsStored(Windows1251ToUtf8(pieces[i])), AsStored(Windows1251ToUtf8(pieces[i + 1]))});
    }
    typed.settings.grid.SetUserConstants(constants);
    IniDocument stored;
    StoreSettings(typed, stored);
    IniDocument reread;
    reread.Parse(stored.Serialize());
    Calculator back;
    ScriptedPlatform platform;
    ReadSettingsDocument(back, platform, reread, kAnswerAppend);
    std::vector<MemoryRow> expected;
    for (int r = 1; r <= typed.memory.RowCount(); ++r) {
        const MemoryRow& row = typed.memory.Row(r);
        const MemoryRow cells{AsStored(row.expression), AsStored(row.result), AsStored(row.note)};
        if (!cells.IsEmpty()) expected.push_back(cells);
    }
    const std::vector<MemoryRow> rows = FilledRows(back);
    Require(rows.size() == expected.size(), "typed memory rows come back", bytes);
    for (std::size_t i = 0; i < rows.size(); ++i) Require(SameRow(rows[i], expected[i]), "typed memory cells", bytes);
    const std::vector<UserConstant> read = back.settings.grid.UserConstants();
    Require(read.size() == constants.size(), "typed user constants come back", bytes);
    for (std::size_t i = 0; i < read.size(); ++i) {
        const bool empty = constants[i].name.empty() && constants[i].value.empty();
        Require(empty || (read[i].name == constants[i].name && read[i].value == constants[i].value),
                "typed user constant", constants[i].name);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TypedCellsComeBack(bytes);
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
