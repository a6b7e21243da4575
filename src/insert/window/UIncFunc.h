// TFormIncFunc: the dialog "Вставить формулу расчета в строку ввода". It shows the fields of
// the core InsertFormulaDialog, forwards every event to it and writes back what it shows.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "insert/FormulaTemplates.h"

class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace zul {

class CaptionPanel;
class InsertFormulaDialog;
class InsertFormulaHost;
class Platform;
struct Calculator;

class TFormIncFunc : public QDialog {
    Q_OBJECT
public:
    TFormIncFunc(Calculator& calculator, Platform& platform, QWidget* parent = nullptr);
    ~TFormIncFunc() override;

    // Shows the dialog modally for one calculation; reports whether "Вставить" ended the
    // showing and the text to put into the input line. A record with no fields shows nothing.
    DialogOutcome RunDialog(const std::string& title, const TMasDatStr& setup);

    // How the dialog is shown modally. Tests replace it to drive the open dialog.
    using ModalRunner = std::function<void(QDialog* window)>;
    void SetModalRunner(ModalRunner runner) { runModal_ = std::move(runner); }
    // A click on the free area of the dialog: the literature of the calculation. By default
    // the dialog shows it itself; the main window may hand in its own command.
    void SetLiteratureCommand(std::function<void()> command) { literature_ = std::move(command); }

    // Handlers.
    void BBtnRezClick();
    void BBtnIncFClick();
    void BBtnCanselClick();
    void FormClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Controls, named as the system names them (the same text is the objectName; the
    // fields are CombDat1..CombDat6 under the captions PanDat1..PanDat6).
    CaptionPanel* PanNameRas = nullptr;
    QFrame* Bevel1 = nullptr;
    QLineEdit* ReadFunc = nullptr;
    QLineEdit* ReadRez = nullptr;
    std::array<CaptionPanel*, 6> PanDat{};
    std::array<QComboBox*, 6> CombDat{};
    QPushButton* BBtnRez = nullptr;
    QPushButton* BBtnIncF = nullptr;
    QPushButton* BBtnCansel = nullptr;
    QFrame* PanLine2 = nullptr;

    void createWidgets();
    void createConnections();
    void setTexts();
    void setFonts();
    // RunDialog step 2: which fields show, where the buttons and the strip go, the height.
    void ArrangeFields();
    // The texts, value lists and focus the core holds after a command.
    void ShowDialogState();
    void CombDat1Change(int field);

    Platform& platform_;
    std::unique_ptr<InsertFormulaHost> host_;
    std::unique_ptr<InsertFormulaDialog> dialog_;
    const std::string& startDirectory_;
    ModalRunner runModal_;
    std::function<void()> literature_;
    bool showing_ = false;  // the fields are being filled from the core: no change events
};

}  // namespace zul
