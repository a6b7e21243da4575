// The expression list: line commands and the two compute commands.
#include "lists/ExpressionList.h"

#include <algorithm>

#include "eval/Evaluator.h"
#include "eval/NumberText.h"
#include "lists/LineReferences.h"
#include "platform/Platform.h"

namespace zul {
namespace {

// Hides the progress bar on every way out of compute all, a fault included.
class ProgressScope {
public:
    ProgressScope(const ListProgress& progress, int maximum) : progress_(progress) {
        if (progress_.show) progress_.show(maximum);
    }
    ~ProgressScope() {
        if (progress_.hide) progress_.hide();
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void Step(int position) const {
        if (progress_.step) progress_.step(position);
    }

private:
    const ListProgress& progress_;
};

}  // namespace

bool ListLine::SwitchedOff() const { return !TrimView(mark).empty(); }

std::string_view IndicatorText(SavedIndicator indicator) {
    switch (indicator) {
        case SavedIndicator::Changed: return "Изм.";
        case SavedIndicator::Saved: return "Сохр.";
        case SavedIndicator::None: break;
    }
    return "Нет";
}

ExpressionList::ExpressionList() : lines_(1) {}

std::string ExpressionList::Cell(int row, int column) const {
    const ListLine& line = Line(row);
    switch (column) {
        case kColumnNumber: return NumberText(row);
        case kColumnExpression: return line.expression;
        case kColumnResult: return line.result;
        case kColumnMark: return line.mark;
        case kColumnNote: return line.note;
        default: return {};
    }
}

void ExpressionList::SetCurrentRow(int row) {
    currentRow_ = std::clamp(row, 1, LineCount());
    selectedRow_ = currentRow_;
}

void ExpressionList::SelectCell(int row, int column) {
    if (!ValidRow(row)) return;
    SetCurrentRow(row);
    currentColumn_ = std::clamp(column, 0, kListColumnCount - 1);
}

void ExpressionList::SetCell(int row, int column, std::string text) {
    if (!ValidRow(row)) return;
    ListLine& line = MutableLine(row);
    const bool changed = !text.empty();
    switch (column) {
        case kColumnExpression: line.expression = std::move(text); break;
        case kColumnResult: line.result = std::move(text); break;
        case kColumnMark: line.mark = std::move(text); break;
        case kColumnNote: line.note = std::move(text); break;
        default: return;  // the number column is fixed
    }
    if (changed) MarkChanged();
}

std::string ExpressionList::DeleteButtonCaption() const {
    std::string caption(kDeleteLineCaption);
    if (selectedRow_ > 0) caption += std::to_string(selectedRow_);
    return caption;
}

std::string ExpressionList::ExpressionHeader() const {
    std::string header(kListHeaders[kColumnExpression]);
    if (selectedRow_ > 0) header += " №" + std::to_string(selectedRow_);
    return header;
}

void ExpressionList::MoveLastLineTo(int row) {
    std::rotate(lines_.begin() + (row - 1), lines_.end() - 1, lines_.end());
}

void ExpressionList::InsertLine() {
    const bool wasLast = currentRow_ == LineCount();
    lines_.emplace_back();
    if (wasLast) SetCurrentRow(LineCount());
    else MoveLastLineTo(currentRow_);
    MarkChanged();
}

void ExpressionList::CopyLine() {
    const bool wasLast = currentRow_ == LineCount();
    lines_.push_back(Line(currentRow_));
    if (wasLast) SetCurrentRow(LineCount());
    else MoveLastLineTo(currentRow_);
    MarkChanged();
}

bool ExpressionList::DeleteLine(Platform& platform) {
    if (LineCount() < 2) return false;
    const int row = currentRow_;
    const std::string question = "Удалить строку №" + std::to_string(row) + "?";
    // Only an explicit "Да" deletes; a box closed with Esc keeps the line.
    if (platform.ShowMessage(MessageKind::Confirmation, question, MessageButtons::YesNo) != MessageResult::Yes)
        return false;
    lines_.erase(lines_.begin() + (row - 1));
    SetCurrentRow(std::min(row, LineCount()));
    MarkChanged();
    return true;
}

void ExpressionList::MoveUp() {
    if (currentRow_ < 2) return;
    std::swap(MutableLine(currentRow_), MutableLine(currentRow_ - 1));
    SetCurrentRow(currentRow_ - 1);
    MarkChanged();
}

void ExpressionList::MoveDown() {
    if (currentRow_ >= LineCount()) return;
    std::swap(MutableLine(currentRow_), MutableLine(currentRow_ + 1));
    SetCurrentRow(currentRow_ + 1);
    MarkChanged();
}

void ExpressionList::SwitchOff() {
    MutableLine(currentRow_).mark = std::string(kSwitchedOffMark);
    MarkChanged();
}

void ExpressionList::SwitchOn() {
    MutableLine(currentRow_).mark.clear();
    MarkChanged();
}

bool ExpressionList::ComputeLine(int row, const EvalContext& context) {
    const std::string expression = Trim(Line(row).expression);
    if (expression.empty()) return false;
    const std::string resolved = ResolveLineReferences(expression, [this](long long n) {
        return n >= 1 && n <= LineCount() ? Trim(Line(static_cast<int>(n)).result) : std::string();
    });
    ListLine& line = MutableLine(row);
    line.result.clear();
    // A bracket that the reference step could not take (a "]" before any "[") is no
    // expression; such a line is skipped by both compute commands.
    if (resolved.find_first_of("[]") != std::string::npos) return false;
    Extended value = 0;
    if (!EvaluateExpression(resolved, value, context)) return false;
    line.result = ListResultText(value);
    currentColumn_ = kColumnResult;
    MarkChanged();
    return true;
}

bool ExpressionList::ComputeCurrentLine(Platform& platform, const EvalContext& context) {
    const int row = currentRow_;
    if (Line(row).SwitchedOff()) {
        platform.ShowInformation("Выражение в этой строке (" + std::to_string(row) +
                                 ") отключено от вычислений.");
        return false;
    }
    return ComputeLine(row, context);
}

void ExpressionList::ComputeAll(const EvalContext& context, const ListProgress& progress) {
    const ProgressScope scope(progress, LineCount());
    for (int row = 1; row <= LineCount(); ++row) {
        scope.Step(row);
        SetCurrentRow(row);
        if (Line(row).SwitchedOff()) continue;
        ComputeLine(row, context);
    }
}

void ExpressionList::ResizeLines(int count) {
    lines_.resize(static_cast<std::size_t>(std::max(count, 1)));
    currentRow_ = std::clamp(currentRow_, 1, LineCount());
    selectedRow_ = std::min(selectedRow_, LineCount());
}

void ExpressionList::Reset() {
    lines_.assign(1, ListLine{});
    currentRow_ = 1;
    currentColumn_ = 1;
    selectedRow_ = 0;
    path_.clear();
    indicator_ = SavedIndicator::None;
}

}  // namespace zul
