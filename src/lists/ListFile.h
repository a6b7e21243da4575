// The list file (*.sl): an INI file with the column widths and the lines of one expression
// list, written and read key by key.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "lists/ExpressionList.h"
#include "settings/IniDocument.h"

namespace zul {

inline constexpr std::string_view kListFileExtension = "sl";
inline constexpr std::string_view kListFileFilter = "Списки вычислений (*.sl)|*.sl|Все файлы (*.*)|*.*";
inline constexpr std::string_view kListSeparator = "//!";

// A list file cannot hold more lines: a larger CountStrings is read as this many, so that
// a damaged count cannot take the memory of the machine, and a longer list is not saved.
inline constexpr int kMaxListLines = 100000;

// ApplyListColumnWidths: "40 380 101 39 100" sets the five widths; an item that is not an
// integer (or no usable width) leaves its column at the default.
std::array<int, kListColumnCount> ApplyListColumnWidths(std::string_view text);
// The ColWidths value: the widths joined by one blank.
std::string ListColumnWidthsText(const std::array<int, kListColumnCount>& widths);

// One line as the file holds it: the four cells trimmed, joined by "//!" (a "//!" inside
// a cell stored as IniCellText.h describes).
std::string ListLineText(const ListLine& line);
// Fills the cells of a line from a stored text; the columns from the first missing
// separator on are not set.
void FillListLine(std::string_view text, ListLine& line);

struct ListWriteResult {
    bool ok = true;
    std::string error;
};

// WriteListFile: the sections Program, Design and Strings are written anew, others kept.
// Nothing happens for an empty path. A list of more than kMaxListLines lines is refused.
ListWriteResult WriteListFile(const ExpressionList& list, const std::string& path);
std::string TooManyListLinesText();

// Unreadable: a folder, a file too large to be a list file, or a read error.
enum class ListReadStatus { Read, NotListFile, NoPath, Unreadable };

// ReadListFile: the lines of the file replace the list, or are appended after its lines
// (then the file's column widths are ignored). The saved state is the caller's. For an
// unreadable file the reason goes to error.
ListReadStatus ReadListFile(ExpressionList& list, const std::string& path, bool append,
                            std::string* error = nullptr);

// The two operations on a document in memory: the sections Program, Design and Strings
// written anew; the read of a document (header check included).
void StoreList(const ExpressionList& list, IniDocument& file);
ListReadStatus ReadListDocument(ExpressionList& list, const IniDocument& file, bool append);

// "Этот файл не является файлом со списком строк для программы ЗУЛ:  " + file name.
std::string NotListFileText(const std::string& path);
// The message of a failed read: the reason for an unreadable file, else NotListFileText.
std::string ListReadErrorText(ListReadStatus status, const std::string& path, const std::string& error);

}  // namespace zul
