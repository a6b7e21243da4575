// The expression list of the window TFormVirStrings as a model: numbered lines with an
// expression, a result, a disabled mark and a note; the line commands, the two compute
// commands, the saved indicator and the list file it belongs to.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "eval/EvalContext.h"

namespace zul {

class Platform;

// Columns 1 to 4 of one list line (column 0 is the number).
struct ListLine {
    std::string expression{};
    std::string result{};
    std::string mark{};  // "#" when switched off; any non-blank text counts as off
    std::string note{};

    bool SwitchedOff() const;
    bool operator==(const ListLine&) const = default;
};

// Grid columns.
inline constexpr int kColumnNumber = 0;
inline constexpr int kColumnExpression = 1;
inline constexpr int kColumnResult = 2;
inline constexpr int kColumnMark = 3;
inline constexpr int kColumnNote = 4;
inline constexpr int kListColumnCount = 5;

inline constexpr std::array<int, kListColumnCount> kDefaultListColumnWidths = {40, 380, 101, 39, 100};
inline constexpr std::array<std::string_view, kListColumnCount> kListHeaders = {
    "№п.п.", "Вычисляемое выражение:", "Результат", "Видимость", "Примечания"};
inline constexpr std::string_view kDeleteLineCaption = "Удалить №";
inline constexpr std::string_view kSwitchedOffMark = "#";

// PanIzmSohr.
enum class SavedIndicator { None, Changed, Saved };
std::string_view IndicatorText(SavedIndicator indicator);  // "Нет", "Изм.", "Сохр."

// ProgBarV while all lines are computed.
struct ListProgress {
    std::function<void(int maximum)> show;
    std::function<void(int position)> step;
    std::function<void()> hide;
};

class ExpressionList {
public:
    ExpressionList();  // FormCreate: one empty line, indicator "Нет", saved

    // Lines, 1-based like the grid rows.
    int LineCount() const { return static_cast<int>(lines_.size()); }
    const ListLine& Line(int n) const { return lines_.at(static_cast<std::size_t>(n - 1)); }
    const std::vector<ListLine>& Lines() const { return lines_; }
    static std::string NumberText(int n) { return std::to_string(n) + "."; }
    // The text of a grid cell, column 0 included.
    std::string Cell(int row, int column) const;

    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }
    // StrGridVirSelectCell.
    void SelectCell(int row, int column);
    // StrGridVirSetEditText: a non-empty new text counts as a change.
    void SetCell(int row, int column, std::string text);

    // What the window shows around the grid.
    std::string DeleteButtonCaption() const;  // "Удалить №" + current row after a selection
    std::string ExpressionHeader() const;     // "Вычисляемое выражение: №" + row after a selection
    bool DeleteEnabled() const { return LineCount() >= 2; }
    bool CurrentLineOff() const { return Line(currentRow_).SwitchedOff(); }  // SpButOff shown

    // Line commands.
    void InsertLine();                      // BBtnIncClick
    void CopyLine();                        // BBtnTirajClick
    bool DeleteLine(Platform& platform);    // BBtnDecClick; true when a line was deleted
    void MoveUp();                          // SpButUpClick
    void MoveDown();                        // SpButDownClick
    void SwitchOff();                       // SpButOnClick
    void SwitchOn();                        // SpButOffClick

    // VichTekStrClick: true when a result was written.
    bool ComputeCurrentLine(Platform& platform, const EvalContext& context);
    // VichAllClick: one pass from the top. Arithmetic faults end it (the progress is hidden).
    void ComputeAll(const EvalContext& context, const ListProgress& progress = {});

    // Saved flag and indicator.
    bool Saved() const { return indicator_ != SavedIndicator::Changed; }
    SavedIndicator Indicator() const { return indicator_; }
    void SetIndicator(SavedIndicator indicator) { indicator_ = indicator; }
    void MarkChanged() { indicator_ = SavedIndicator::Changed; }

    // The list file; EditNameF shows it while it is not empty, and the menu is in its
    // file-open state exactly then.
    const std::string& Path() const { return path_; }
    void SetPath(std::string path) { path_ = std::move(path); }
    bool FileOpen() const { return !path_.empty(); }

    std::array<int, kListColumnCount>& ColumnWidths() { return widths_; }
    const std::array<int, kListColumnCount>& ColumnWidths() const { return widths_; }

    // Used by the list file reader: replaces or extends the lines.
    void ResizeLines(int count);
    ListLine& MutableLine(int n) { return lines_.at(static_cast<std::size_t>(n - 1)); }
    void SetCurrentRow(int row);
    // Close list: one empty line, captions back to their base texts, no file, "Нет".
    void Reset();

private:
    bool ValidRow(int row) const { return row >= 1 && row <= LineCount(); }
    // Moves the last line up to position `row`, the lines from there one place down.
    void MoveLastLineTo(int row);
    // The reference step, the emptied result and the evaluation of one line.
    bool ComputeLine(int row, const EvalContext& context);

    std::vector<ListLine> lines_;
    int currentRow_ = 1;
    int currentColumn_ = 1;
    int selectedRow_ = 0;  // 0: captions show their base texts
    SavedIndicator indicator_ = SavedIndicator::None;
    std::string path_;
    std::array<int, kListColumnCount> widths_ = kDefaultListColumnWidths;
};

}  // namespace zul
