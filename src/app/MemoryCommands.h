// The commands of the memory window TFormMem: they change the memory table, ask through the
// platform, and mark the settings as modified while a settings file is in use.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "memory/MemoryTable.h"

namespace zul {

class InputHistory;
class Platform;
struct SettingsFileState;

// What selecting a cell shows (SelectCell, run by StrGridChislSelectCell).
struct MemoryCellSelection {
    std::string caption;  // PanWhat: "Выражение №3", "Результат №3", "Строка №3"
    bool insertEnabled = false;  // BBtnAddCalc
};

MemoryCellSelection DescribeMemoryCell(int column, int row);
// Where the value goes in the input line for each insert mode.
std::string InsertIntoInputLine(MemoryInsertMode mode, std::string_view line, std::string_view value);

class MemoryCommands {
public:
    MemoryCommands(MemoryTable& table, SettingsFileState& settingsFile, InputHistory& history,
                   Platform& platform)
        : table_(table), settingsFile_(settingsFile), history_(history), platform_(platform) {}

    void AddRow();       // BBtnIncClick
    void DeleteRow();    // BBtnDecClick; asks "Удалить строку №n?"
    void MoveRowUp();    // SpButUpClick
    void MoveRowDown();  // SpButDownClick
    void ClearMemory();  // SpButClearClick; asks "Очистить память Калькулятора?"
    // BBtnAddCalcClick: puts the selected expression or result into the input line: the new
    // input text, or nothing when there is nothing to insert. `write` receives the new text
    // before the information box appears, so that the box tells of a line the user already sees.
    std::optional<std::string> PutIntoInputLine(std::string_view inputLine,
                                                const std::function<void(const std::string&)>& write = {});
    MemoryCellSelection SelectCell(int column, int row);         // StrGridChislSelectCell
    void EditCell(int column, int row, std::string_view text);  // StrGridChislSetEditText
    void SetInsertMode(int itemIndex);                          // ComBoxKakVstChange
    // Closing the window (BBtnExitMemClick and the close box) rebuilds the input history
    // from the memory's expressions.
    void RebuildHistory();

private:
    MemoryTable& table_;
    SettingsFileState& settingsFile_;
    InputHistory& history_;
    Platform& platform_;
};

}  // namespace zul
