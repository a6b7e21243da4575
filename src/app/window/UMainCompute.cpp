// TFormFace: the compute command (guarded against arithmetic faults), the input history,
// the recent calculations and the keys of the window.
#include "app/window/UMain.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

#include "app/Calculator.h"
#include "app/ComputeCommand.h"
#include "app/MainWindowRules.h"
#include "platform/FaultGuard.h"
#include "platform/Platform.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"
#include "calc/Pictures.h"

namespace zul {

void TFormFace::BBtnVichislClick() {
    CBoxMainStr->setFocus();
    const std::string entered = CBoxMainStr->currentText().toStdString();
    ComputeOutcome outcome;
    RunGuarded(platform_, [&] { outcome = Compute(calc_, entered, busy_); });
    if (!outcome.computed) return;
    ShowInputText(outcome.inputText);
    CBoxMainStr->setFocus();
    if (outcome.recordedCalculation) RefreshRecentItems();
    if (outcome.newHistoryItem) RefreshHistoryItems();
    CaretToEnd();
}

void TFormFace::ShowInputText(const std::string& text) {
    refreshing_ = true;
    CBoxMainStr->setEditText(ToQ(text));
    refreshing_ = false;
}

void TFormFace::CaretToEnd() {
    QLineEdit* line = CBoxMainStr->lineEdit();
    line->deselect();
    line->end(false);
}

// The drop-down items are the history; replacing them must not touch the text being edited.
void TFormFace::RefreshHistoryItems() {
    refreshing_ = true;
    const QString text = CBoxMainStr->currentText();
    const int cursor = CBoxMainStr->lineEdit()->cursorPosition();
    CBoxMainStr->clear();
    QStringList items;
    for (const std::string& item : calc_.main.history.Items()) items << ToQ(item);
    CBoxMainStr->addItems(items);
    CBoxMainStr->setCurrentIndex(-1);
    CBoxMainStr->setEditText(text);
    CBoxMainStr->lineEdit()->setCursorPosition(cursor);
    refreshing_ = false;
}

void TFormFace::RefreshRecentItems() {
    refreshing_ = true;
    ComBoxSelRas->clear();
    QStringList items;
    for (const std::string& item : calc_.main.recent.Items()) items << ToQ(item);
    ComBoxSelRas->addItems(items);
    ComBoxSelRas->setCurrentIndex(calc_.main.recent.SelectedItem());
    refreshing_ = false;
}

void TFormFace::SpButtonLastVClick() {
    const std::optional<std::string> text = calc_.main.history.PreviousExpression();
    if (!text) return;
    ShowInputText(*text);
    CBoxMainStr->setFocus();
    CaretToEnd();
}

void TFormFace::ShowRecalled(const std::optional<RecalledCalculation>& recalled) {
    if (!recalled) return;
    TViewTip->setFocus();
    SelectNodeByIndex(recalled->nodeIndex);
    if (recalled->showStartPicture) ShowPicture(kStartPicture);
    if (recalled->listItem >= 0 && recalled->listItem < ComBoxSelRas->count()) {
        refreshing_ = true;
        ComBoxSelRas->setCurrentIndex(recalled->listItem);
        refreshing_ = false;
    }
}

void TFormFace::SpButtonLastRClick() {
    ShowRecalled(calc_.main.recent.PreviousCalculation(calc_.main.topic.selectedNodeIndex));
}

void TFormFace::ComBoxSelRasChange(int item) {
    if (refreshing_ || item < 0) return;
    ShowRecalled(calc_.main.recent.PickItem(item));
}

void TFormFace::CBoxMainStrChange() {
    calc_.main.settingsFile.modified = true;
    PanelPodsk->setPanelColor(ButtonFace());
}

void TFormFace::AppendMemoryResult(int digit) {
    const std::string text =
        zul::AppendMemoryResult(calc_.memory, CBoxMainStr->currentText().toStdString(), digit);
    ShowInputText(text);
    CBoxMainStr->setFocus();
    CaretToEnd();
}

// Enter computes wherever the focus is; Esc closes the window when the settings allow it.
bool TFormFace::FormKeyPress(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        BBtnVichislClick();
        return true;
    }
    if (key == Qt::Key_Escape && calc_.settings.escExit) {
        close();
        return true;
    }
    return false;
}

// Ctrl with a digit of the main keyboard, and no other modifier, appends a memory result;
// with Shift or Alt as well the keys do nothing at all.
bool TFormFace::FormKeyDown(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int key = event->key();
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9 && !(modifiers & Qt::KeypadModifier);
    if (!digit || !(modifiers & Qt::ControlModifier)) return false;
    if (modifiers == Qt::ControlModifier) AppendMemoryResult(key - Qt::Key_0);
    return true;
}

}  // namespace zul
