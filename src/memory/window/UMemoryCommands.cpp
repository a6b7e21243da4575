// TFormMem: the handlers. Each one hands the command to MemoryCommands and shows the table
// as the core left it.
#include <QComboBox>
#include <QPushButton>

#include "app/Calculator.h"
#include "app/MemoryCommands.h"
#include "app/window/WindowFactory.h"
#include "platform/Platform.h"
#include "widgets/Panels.h"
#include "widgets/StringGrid.h"
#include "widgets/WindowHelp.h"
#include "memory/window/UMemory.h"

namespace zul {

void TFormMem::RefreshFromTable() {
    const MemoryTable& table = calc_.memory;
    const auto& widths = table.ColumnWidths();
    StrGridChisl->SetColumnWidths(widths);
    ComBoxKakVst->setCurrentIndex(static_cast<int>(table.InsertMode()));
    ShowTable();
}

void TFormMem::ShowTable() {
    const MemoryTable& table = calc_.memory;
    StrGridChisl->Reload();
    StrGridChisl->SetCurrentCell(table.SelectedRow(), table.SelectedColumn());
    BBtnDec->setEnabled(table.DeleteEnabled());
}

void TFormMem::StrGridChislSelectCell(int row, int column) {
    const MemoryCellSelection shown = commands_->SelectCell(column, row);
    PanWhat->setText(QString::fromStdString(shown.caption));
    BBtnAddCalc->setEnabled(shown.insertEnabled);
}

void TFormMem::BBtnIncClick() {
    StrGridChisl->CommitEdit();
    commands_->AddRow();
    ShowTable();
}

void TFormMem::BBtnDecClick() {
    StrGridChisl->CommitEdit();
    commands_->DeleteRow();
    ShowTable();
}

void TFormMem::SpButUpClick() {
    StrGridChisl->CommitEdit();
    commands_->MoveRowUp();
    ShowTable();
}

void TFormMem::SpButDownClick() {
    StrGridChisl->CommitEdit();
    commands_->MoveRowDown();
    ShowTable();
}

void TFormMem::SpButClearClick() {
    StrGridChisl->CommitEdit();
    commands_->ClearMemory();
    ShowTable();
}

void TFormMem::BBtnAddCalcClick() {
    StrGridChisl->CommitEdit();
    const std::string current = inputLine_.text ? inputLine_.text() : std::string();
    commands_->PutIntoInputLine(current, [this](const std::string& text) {
        if (inputLine_.setText) inputLine_.setText(text);
    });
}

void TFormMem::BBtnExitMemClick() { reject(); }

void TFormMem::reject() {
    StrGridChisl->CommitEdit();
    commands_->RebuildHistory();
    QDialog::reject();
}

void TFormMem::SpButAboutMemClick() { windows_.Show(WindowKind::About, this); }

void TFormMem::BBtnHelpClick() { OpenWindowHelp(help_, platform_); }

}  // namespace zul
