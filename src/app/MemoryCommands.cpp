// Memory window commands.
#include "app/MemoryCommands.h"

#include <algorithm>

#include "app/InputHistory.h"
#include "eval/Text.h"
#include "platform/Platform.h"
#include "settings/IniInteger.h"
#include "settings/SettingsFileState.h"

namespace zul {

MemoryCellSelection DescribeMemoryCell(int column, int row) {
    const std::string number = IniIntegerText(row);
    if (column == 1) return {"Выражение №" + number, true};
    if (column == 2) return {"Результат №" + number, true};
    return {"Строка №" + number, false};
}

std::string InsertIntoInputLine(MemoryInsertMode mode, std::string_view line, std::string_view value) {
    if (mode == MemoryInsertMode::Replace || line.empty()) return std::string(value);
    if (mode == MemoryInsertMode::AtStart) return std::string(value) + "+" + std::string(line);
    return std::string(line) + "+" + std::string(value);
}

void MemoryCommands::AddRow() {
    table_.AddRowAtSelection();
    settingsFile_.MarkModifiedIfInUse();
}

void MemoryCommands::DeleteRow() {
    if (!table_.DeleteEnabled()) return;
    const std::string question = "Удалить строку №" + IniIntegerText(table_.SelectedRow()) + "?";
    if (!platform_.ConfirmYesNo(question)) return;
    if (table_.DeleteSelectedRow()) settingsFile_.MarkModifiedIfInUse();
}

void MemoryCommands::MoveRowUp() {
    if (table_.MoveSelectedUp()) settingsFile_.MarkModifiedIfInUse();
}

void MemoryCommands::MoveRowDown() {
    if (table_.MoveSelectedDown()) settingsFile_.MarkModifiedIfInUse();
}

void MemoryCommands::ClearMemory() {
    if (!platform_.ConfirmYesNo("Очистить память Калькулятора?")) return;
    table_.Clear();
    settingsFile_.MarkModifiedIfInUse();
}

std::optional<std::string> MemoryCommands::PutIntoInputLine(std::string_view inputLine,
                                                            const std::function<void(const std::string&)>& write) {
    const int column = table_.SelectedColumn();
    const int row = table_.SelectedRow();
    if (column == 3) return std::nullopt;
    const bool isResult = column == 2;
    const std::string value = Trim(isResult ? table_.Row(row).result : table_.Row(row).expression);
    if (value.empty()) return std::nullopt;
    std::string text = InsertIntoInputLine(table_.InsertMode(), inputLine, value);
    settingsFile_.MarkModifiedIfInUse();
    if (write) write(text);
    const std::string number = IniIntegerText(row);
    platform_.ShowInformation(
        isResult ? "Результат  №" + number + "  вставлен в главную строку ввода Калькулятора."
                 : "Выражение  №" + number + "  вставлено в главную строку ввода Калькулятора.");
    return text;
}

MemoryCellSelection MemoryCommands::SelectCell(int column, int row) {
    table_.Select(row, column);
    return DescribeMemoryCell(column, row);
}

void MemoryCommands::EditCell(int column, int row, std::string_view text) {
    table_.SetCell(row, column, text);
    settingsFile_.MarkModifiedIfInUse();
}

void MemoryCommands::SetInsertMode(int itemIndex) {
    const auto mode = static_cast<MemoryInsertMode>(std::clamp(itemIndex, 0, 2));
    // The settings file stores the insert mode, so a new one is an unsaved change.
    if (mode != table_.InsertMode()) settingsFile_.MarkModifiedIfInUse();
    table_.SetInsertMode(mode);
}

void MemoryCommands::RebuildHistory() { history_.Replace(table_.Expressions()); }

}  // namespace zul
