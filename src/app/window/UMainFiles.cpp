// TFormFace: the settings file commands, the other windows, help, the first activation
// and the exit.
#include "app/window/UMain.h"

#include <QComboBox>
#include <QToolButton>
#include <QTreeWidget>

#include "app/Calculator.h"
#include "platform/FaultGuard.h"
#include "app/MainWindowRules.h"
#include "app/FileCommands.h"
#include "app/window/WindowFactory.h"
#include "calc/Pictures.h"
#include "insert/FormulaTemplates.h"
#include "insert/ShowLiterature.h"
#include "memory/window/UMemory.h"
#include "platform/Platform.h"

namespace zul {

void TFormFace::NFileLoadClick() { ShowFileOutcome(files_->OpenSettingsFile()); }
void TFormFace::NFileSaveClick() { ShowFileOutcome(files_->SaveSettingsFile()); }
void TFormFace::NFileSaveAsClick() { ShowFileOutcome(files_->SaveSettingsFileAs()); }
void TFormFace::NFileCloseClick() { ShowFileOutcome(files_->CloseSettingsFile()); }

void TFormFace::FormActivate() { ShowFileOutcome(files_->AutoLoadAtFirstActivation()); }

bool TFormFace::FormCloseQuery() { return files_->MayExit(); }

void TFormFace::NFileExitClick() { close(); }

void TFormFace::ShowFileOutcome(const FileCommandOutcome& outcome) {
    if (outcome.changedConfiguration || outcome.read) RefreshFromCalculator();
    if (!outcome.read || !outcome.read->read) return;
    const SettingsReadOutcome& read = *outcome.read;
    refreshing_ = true;  // the reader has applied the selection already
    if (read.selection) {
        QTreeWidgetItem* item = itemByIndex(read.selection->state.selectedNodeIndex);
        TViewTip->setCurrentItem(item);
        if (item != nullptr) TViewTip->scrollToItem(item);
    } else if (read.clearTreeSelection) {
        TViewTip->setCurrentItem(nullptr);
    }
    refreshing_ = false;
    ShowSelection(read.selection ? *read.selection : TopicSelection{});
    if (read.showStartPicture) ShowPicture(kStartPicture);
    if (read.focus == FocusTarget::InputLine) CBoxMainStr->setFocus();
    if (read.focus == FocusTarget::Tree) TViewTip->setFocus();
}

void TFormFace::NNastrOptionsClick() { windows_.Show(WindowKind::Options, this); }
void TFormFace::NVichStringsClick() { windows_.Show(WindowKind::Lists, this); }
void TFormFace::NZapiskaClick() { windows_.Show(WindowKind::Zapiska, this); }

void TFormFace::SpButtonMemClick() {
    QWidget* memory = windows_.lasting().memory;
    if (memory == nullptr) return;
    const int inputTop = CBoxMainStr->mapTo(centralWidget(), QPoint(0, 0)).y();
    const WindowPlace place =
        MemoryWindowPlace(frameGeometry().left(), frameGeometry().top(), inputTop, memory->frameGeometry().height());
    memory->move(place.left, place.top);
    windows_.Show(WindowKind::Memory, this);
}

void TFormFace::NHelpFuncClick() { windows_.Show(WindowKind::FunctionList, this); }
void TFormFace::NHelpEdIzmClick() { windows_.Show(WindowKind::UnitReference, this); }
void TFormFace::NHelpAboutClick() { windows_.Show(WindowKind::About, this); }

std::string TFormFace::InputLineText() const { return CBoxMainStr->currentText().toStdString(); }

void TFormFace::SetInputLineText(const std::string& text) {
    CBoxMainStr->setEditText(QString::fromStdString(text));
}

void TFormFace::BBtnHelpClick() {
    const std::optional<std::string> help = FindHelpFile(dataFolders_.help);
    if (help) platform_.OpenWithDesktop(*help);
}

void TFormFace::SpButtonVstFuncClick() {
    const RunDialogFunction runInsertDialog = windows_.InsertDialog();
    if (!runInsertDialog) return;
    const SettingsTexts texts{
        calc_.settings.fields[ConstantField::PlotnVoda], calc_.settings.fields[ConstantField::TeplMVoda],
        calc_.settings.fields[ConstantField::TeplMVozd], calc_.settings.fields[ConstantField::TeplVVozd],
        calc_.settings.fields[ConstantField::PlotnMatTr]};
    std::optional<std::string> text;
    RunGuarded(platform_, [&] {
        text = RunInsertFormula(calc_.main.topic.calculationCode, texts, runInsertDialog);
    });
    RefreshFromCalculator();
    if (!text) return;
    ShowInputText(*text);
    CBoxMainStr->setFocus();
    CaretToEnd();
}

void TFormFace::PMIncRasClick() {
    if (SpButtonIncFunc->isEnabled()) {
        SpButtonVstFuncClick();
    } else {
        platform_.ShowError(kChooseCalculationText);
    }
}

void TFormFace::SpButtonliteratureClick() {
    ShowLiterature(platform_, dataFolders_.literature, calc_.main.topic.calculationCode);
}

}  // namespace zul
