// TVopros: the modal question "Уточнение..." asked before a command replaces or keeps data.
// It only shows a prompt of the core QuestionDialog and reports how it was closed.
#pragma once

#include <QDialog>

#include "platform/Question.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QFrame;

namespace zul {

class TVopros : public QDialog {
    Q_OBJECT
public:
    explicit TVopros(QWidget* parent = nullptr);

    // Sets the texts, the visible choices and the preselected one.
    void Prepare(const QuestionPrompt& prompt);
    // Prepare, then show modally and report how the window was closed.
    QuestionOutcome Run(const QuestionPrompt& prompt);
    QuestionOutcome Outcome() const { return outcome_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Controls, named as the system names them (the same text is the objectName).
    QFrame* PanSoob = nullptr;
    QLabel* LabelSoob = nullptr;
    QGroupBox* GroupBoxHist = nullptr;
    QRadioButton* RButtonClear = nullptr;
    QRadioButton* RButtonAdd = nullptr;
    QRadioButton* RButtonNo = nullptr;
    QPushButton* BBtnContin = nullptr;
    QPushButton* BBtnAbort = nullptr;
    QFrame* PanelBlue = nullptr;

    void createWidgets();
    void createConnections();
    void setTexts();
    void FormActivate();
    void BBtnContinClick();
    void BBtnAbortClick();

    QuestionOutcome outcome_;
};

}  // namespace zul
