// Writing and reading list files through the INI layer.
#include "lists/ListFile.h"

#include <algorithm>

#include "eval/NumberText.h"
#include "platform/FilePaths.h"
#include "settings/IniCellText.h"
#include "settings/IniDocument.h"
#include "settings/IniFile.h"
#include "settings/IniInteger.h"

namespace zul {
namespace {

constexpr std::string_view kDesignSection = "Design";
constexpr std::string_view kStringsSection = "Strings";

// Widths the window can show (0 hides a column); anything else read is taken as not
// usable, and a wider column is written as this wide, so that what is written reads back.
constexpr int kMaxColumnWidth = 10000;

// A cell is one line of the file: line breaks inside it become blanks, and a separator
// inside it is stored so that it does not split the line.
std::string CellForFile(std::string_view cell) {
    std::string text = Trim(cell);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return EncodeCell(text);
}

// Text up to and including the first blank, as the width list is cut; empty without blank.
std::string_view CutItem(std::string_view& rest) {
    const std::size_t blank = rest.find(' ');
    if (blank == std::string_view::npos) return {};
    const std::string_view item = rest.substr(0, blank + 1);
    rest.remove_prefix(blank + 1);
    return item;
}

}  // namespace

std::array<int, kListColumnCount> ApplyListColumnWidths(std::string_view text) {
    std::array<int, kListColumnCount> widths = kDefaultListColumnWidths;
    if (text.empty()) return widths;
    std::string_view rest = text;
    for (int column = 0; column < kListColumnCount; ++column) {
        const std::string item = Trim(column < kListColumnCount - 1 ? CutItem(rest) : rest);
        int width = 0;
        if (ReadIniInteger(item, width) && width >= 0 && width <= kMaxColumnWidth)
            widths[static_cast<std::size_t>(column)] = width;
    }
    return widths;
}

std::string ListColumnWidthsText(const std::array<int, kListColumnCount>& widths) {
    std::string text;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (i > 0) text += ' ';
        text += std::to_string(std::clamp(widths[i], 0, kMaxColumnWidth));
    }
    return text;
}

std::string ListLineText(const ListLine& line) {
    const std::string separator(kListSeparator);
    return CellForFile(line.expression) + separator + CellForFile(line.result) + separator +
           CellForFile(line.mark) + separator + CellForFile(line.note);
}

void FillListLine(std::string_view text, ListLine& line) {
    std::string* const cells[] = {&line.expression, &line.result, &line.mark, &line.note};
    if (text.empty() || text.find(kListSeparator) == std::string_view::npos) return;
    std::string_view rest = text;
    for (std::size_t column = 0; column < 3; ++column) {
        const std::size_t at = rest.find(kListSeparator);
        if (at == std::string_view::npos) return;
        *cells[column] = DecodeCell(rest.substr(0, at));
        rest.remove_prefix(at + kListSeparator.size());
    }
    *cells[3] = DecodeCell(rest);
}

std::string NotListFileText(const std::string& path) {
    return "Этот файл не является файлом со списком строк для программы ЗУЛ:  " + FileNameOf(path);
}

std::string TooManyListLinesText() {
    return "строк больше " + std::to_string(kMaxListLines) + ": столько программа не прочитает из файла";
}

void StoreList(const ExpressionList& list, IniDocument& file) {
    file.EraseSection(kHeaderSection);
    file.EraseSection(kDesignSection);
    WriteZulHeader(file);
    file.Write(kDesignSection, "ColWidths", ListColumnWidthsText(list.ColumnWidths()));
    file.EraseSection(kStringsSection);
    file.Write(kStringsSection, "CountStrings", std::to_string(list.LineCount()));
    for (int k = 1; k <= list.LineCount(); ++k)
        file.Write(kStringsSection, "str-" + std::to_string(k), ListLineText(list.Line(k)));
}

ListWriteResult WriteListFile(const ExpressionList& list, const std::string& path) {
    if (path.empty()) return {};
    // A file that would read back with fewer lines is not written.
    if (list.LineCount() > kMaxListLines) return {false, TooManyListLinesText()};
    IniDocument file;
    const IniLoadResult loaded = file.Load(path);
    // Sections of other programs are kept: a file that exists but cannot be read is not
    // overwritten.
    if (!loaded.ok() && loaded.status != IniLoadStatus::Missing) return {false, loaded.error};
    StoreList(list, file);
    const IniSaveResult saved = file.Save(path);
    return {saved.ok, saved.error};
}

ListReadStatus ReadListFile(ExpressionList& list, const std::string& path, bool append, std::string* error) {
    if (path.empty()) return ListReadStatus::NoPath;
    IniDocument file;
    const IniLoadResult loaded = file.Load(path);
    if (!loaded.ok() && loaded.status != IniLoadStatus::Missing) {
        if (error) *error = loaded.error;
        return ListReadStatus::Unreadable;
    }
    return ReadListDocument(list, file, append);
}

ListReadStatus ReadListDocument(ExpressionList& list, const IniDocument& file, bool append) {
    if (!PassesZulHeader(file)) return ListReadStatus::NotListFile;
    const int offset = append ? list.LineCount() : 0;
    if (!append) {
        list.ColumnWidths() = ApplyListColumnWidths(file.Read(kDesignSection, "ColWidths", ""));
        // The lines of a replaced list are gone: a short stored line does not show what the
        // old line at its place held.
        list.ResizeLines(1);
        list.MutableLine(1) = ListLine{};
    }
    const int stored = IniIntegerOr(file.Read(kStringsSection, "CountStrings", ""), 0);
    const int count = std::clamp(stored, 0, kMaxListLines);
    list.ResizeLines(offset + count);
    // A missing key is an empty text, which sets nothing: only the keys present are read.
    for (const auto& [k, text] : NumberedValues(file, kStringsSection, "str-", count))
        FillListLine(text, list.MutableLine(offset + k));
    return ListReadStatus::Read;
}

std::string ListReadErrorText(ListReadStatus status, const std::string& path, const std::string& error) {
    if (status == ListReadStatus::Unreadable) return "Не удалось прочитать файл:\n" + path + "\n" + error;
    return NotListFileText(path);
}

}  // namespace zul
