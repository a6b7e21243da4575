// TFormFunc: "Перечень всех доступных функций", the functions of the evaluator as text to copy,
// between two instruction lines that take turns being highlighted every 5 s.
#pragma once

#include <QDialog>

#include "reference/FunctionListData.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zul {

class CaptionPanel;

class TFormFunc : public QDialog {
    Q_OBJECT
public:
    explicit TFormFunc(QWidget* parent = nullptr);

    // Every 5 s while the window is active: the highlight moves to the other line.
    void Timer1Timer();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Controls, named as the system names them (the same text is the objectName).
    CaptionPanel* PanelUp = nullptr;
    QPlainTextEdit* MemoFunc = nullptr;
    CaptionPanel* PanelDown = nullptr;
    QPushButton* BBtnExitFunc = nullptr;
    QFrame* PanLine1 = nullptr;
    QTimer* Timer1 = nullptr;

    void createWidgets();
    void setTexts();
    void setFonts();
    void ShowHighlight();

    FunctionListHighlight highlight_;
};

}  // namespace zul
