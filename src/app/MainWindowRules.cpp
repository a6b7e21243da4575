// Data rules of the main window.
#include "app/MainWindowRules.h"

#include <filesystem>

#include "app/Calculator.h"
#include "calc/Pictures.h"
#include "memory/MemoryTable.h"
#include "platform/FilePaths.h"

namespace zul {

namespace {

std::string PicturePath(const std::string& startDirectory, int index) {
    std::filesystem::path path(startDirectory);
    path /= "Pict";
    path /= std::string(PictureName(index)) + ".jpg";
    return path.string();
}

}  // namespace

std::optional<TopicSelection> ApplyTopicNode(Calculator& calculator, int nodeIndex) {
    std::optional<TopicSelection> selection = SelectTopicNode(nodeIndex);
    if (!selection) return std::nullopt;
    calculator.main.topic = selection->state;
    if (selection->setsSettingsModified) calculator.main.settingsFile.modified = true;
    return selection;
}

std::vector<std::string> PictureCandidates(const std::string& startDirectory, int index) {
    std::vector<std::string> paths;
    if (index != kStartPicture && !PictureName(index).empty())
        paths.push_back(PicturePath(startDirectory, index));
    paths.push_back(PicturePath(startDirectory, kStartPicture));
    return paths;
}

std::optional<std::string> FindHelpFile(const std::string& directory) {
    for (const char* name : {"Zul.htm", "Zul.html"}) {
        const std::filesystem::path path = std::filesystem::path(directory) / name;
        if (IsFile(path.string())) return path.string();
    }
    return std::nullopt;
}

int MemoryRowOfDigit(int digit) { return digit == 0 ? 10 : digit; }

std::string AppendMemoryResult(const MemoryTable& memory, std::string_view inputLine, int digit) {
    const int row = MemoryRowOfDigit(digit);
    std::string text(inputLine);
    if (row >= 1 && row <= memory.RowCount()) text += memory.ResultOfRow(row);
    return text;
}

WindowPlace MemoryWindowPlace(int mainLeft, int mainTop, int inputLineTop, int memoryHeight) {
    return {mainLeft, mainTop + inputLineTop - memoryHeight + 14};
}

}  // namespace zul
