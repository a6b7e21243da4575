// Rules of the main window that are about data rather than widgets: applying a tree
// selection to the state, the picture files to try, the help file, Ctrl+digit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Selection.h"

namespace zul {

struct Calculator;
class MemoryTable;

// TViewTipChange: applies the selection of the node to the main state (code, node index,
// time-sum mode, settings-modified flag) and returns what the window shows; nothing for
// an index outside the tree.
std::optional<TopicSelection> ApplyTopicNode(Calculator& calculator, int nodeIndex);

// The files ShowPicture tries, in order: start directory/Pict/<name i>.jpg, then the start
// picture's file. An index outside 1..125 tries the start picture only.
std::vector<std::string> PictureCandidates(const std::string& startDirectory, int index);

// The help file in the folder: "Zul.htm", then "Zul.html"; nothing when neither exists.
std::optional<std::string> FindHelpFile(const std::string& directory);

// Ctrl+digit: the memory row of the digit key ("1".."9" -> 1..9, "0" -> 10).
int MemoryRowOfDigit(int digit);
// The input line with the result cell of that row appended, as stored; the line is
// unchanged when the memory has no such row.
std::string AppendMemoryResult(const MemoryTable& memory, std::string_view inputLine, int digit);

// The position of the memory window: just above the input line of the main window.
struct WindowPlace {
    int left;
    int top;
};
WindowPlace MemoryWindowPlace(int mainLeft, int mainTop, int inputLineTop, int memoryHeight);

}  // namespace zul
