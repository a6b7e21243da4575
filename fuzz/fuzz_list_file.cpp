// libFuzzer target: list files. Any file is read without harm; a list written and read
// again has the same lines (cells trimmed, as the file stores them) and column widths, and
// cells typed with any text, separators included, come back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "eval/NumberText.h"
#include "lists/ListFile.h"
#include "settings/IniEncoding.h"

namespace {

using namespace zul;
using zul::fuzz::Require;

ListLine Trimmed(const ListLine& line) {
    return {Trim(line.expression), Trim(line.result), Trim(line.mark), Trim(line.note)};
}

// A cell as typed comes back trimmed, line breaks (which a line of a file cannot hold) as blanks.
std::string AsStored(const std::string& cell) {
    std::string text = Trim(cell);
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// Lines typed into the window: cells are pieces of the input, as text the program holds.
void TypedCellsComeBack(const std::string& bytes) {
    const std::vector<std::string> pieces = zul::fuzz::Pieces(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                              bytes.size(), 40);
    ExpressionList typed;
    typed.ResizeLines(static_cast<int>((pieces.size() + 3) / 4));
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        ListLine& line = typed.MutableLine(static_cast<int>(i / 4) + 1);
        std::string* cells[] = {&line.expression, &line.result, &line.mark, &line.note};
        *cells[i % 4] = Windows1251ToUtf8(pieces[i]);
    }
    IniDocument stored;
    StoreList(typed, stored);
    IniDocument reread;
    reread.Parse(stored.Serialize());
    ExpressionList back;
    Require(ReadListDocument(back, reread, false) == ListReadStatus::Read, "a typed list reads", bytes);
    Require(back.LineCount() == typed.LineCount(), "typed line count", bytes);
    for (int k = 1; k <= typed.LineCount(); ++k) {
        const ListLine& t = typed.Line(k);
        const ListLine expected{AsStored(t.expression), AsStored(t.result), AsStored(t.mark), AsStored(t.note)};
        Require(back.Line(k) == expected, "typed cells come back", t.expression);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TypedCellsComeBack(bytes);
    IniDocument file;
    file.Parse(bytes);
    ExpressionList list;
    list.ResizeLines(2);
    list.MutableLine(1).expression = "old";
    const bool append = size % 2 == 1;
    if (ReadListDocument(list, file, append) != ListReadStatus::Read) return 0;
    // Very long lists take long to write; the reader's cap was passed already.
    if (list.LineCount() > 5000) return 0;

    IniDocument stored;
    StoreList(list, stored);
    IniDocument reread;
    reread.Parse(stored.Serialize());
    ExpressionList back;
    Require(ReadListDocument(back, reread, false) == ListReadStatus::Read, "a written list reads", bytes);
    Require(back.LineCount() == list.LineCount(), "line count", bytes);
    Require(back.ColumnWidths() == list.ColumnWidths(), "column widths", bytes);
    for (int k = 1; k <= list.LineCount(); ++k)
        Require(back.Line(k) == Trimmed(list.Line(k)), "cells of a line", list.Line(k).expression);
    return 0;
}
