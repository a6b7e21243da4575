// TFormIncFunc: the handlers of the three buttons, the fields and the free area.
#include <QComboBox>
#include <QLineEdit>

#include "platform/FaultGuard.h"
#include "platform/Platform.h"
#include "insert/InsertFormula.h"
#include "insert/window/UIncFunc.h"

namespace zul {

void TFormIncFunc::CombDat1Change(int field) {
    if (showing_) return;
    dialog_->SetFieldText(field, CombDat[static_cast<std::size_t>(field - 1)]->currentText().toStdString());
    ReadRez->setText(QString::fromStdString(dialog_->ReadRez()));
}

void TFormIncFunc::BBtnRezClick() {
    RunGuarded(platform_, [this] { dialog_->Preview(*host_); });
    ShowDialogState();
}

void TFormIncFunc::BBtnIncFClick() {
    bool closes = false;
    // A fault during the preview ends the command: the dialog stays open, nothing inserted.
    RunGuarded(platform_, [this, &closes] { closes = dialog_->Insert(*host_); });
    ShowDialogState();
    if (closes) accept();
}

void TFormIncFunc::BBtnCanselClick() {
    dialog_->Leave();
    reject();
}

void TFormIncFunc::FormClick() {
    if (literature_) literature_();
}

}  // namespace zul
