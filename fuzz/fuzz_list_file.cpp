// libFuzzer target: list files. Any file is read without harm; a list written and read
// again has the same lines (cells trimmed, as the file stores them) and column widths.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "eval/NumberText.h"
#include "lists/ListFile.h"

namespace {

using namespace zul;
using zul::fuzz::Require;

ListLine Trimmed(const ListLine& line) {
    return {Trim(line.expression), Trim(line.result), Trim(line.mark), Trim(line.note)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
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
