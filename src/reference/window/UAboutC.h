// TFormAbout: "О Программе", the program's name, version and purpose, with a strip at the
// bottom that cycles through eight colours while the window is active.
#pragma once

#include <QDialog>
#include <vector>

#include "reference/FunctionListData.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zul {

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);

    // Every 500 ms: the strip takes the colour of the current step, the step advances.
    void TimerAboutTimer();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Controls, named as the system names them (the same text is the objectName).
    std::vector<QLabel*> RowLabels;  // "Имя:", "Версия:", ...
    std::vector<QLabel*> RowTexts;
    QPlainTextEdit* MemoNotes = nullptr;
    QLabel* ImagePict = nullptr;
    QPushButton* BBtnExitAbout = nullptr;
    QFrame* PanLine1 = nullptr;
    QTimer* TimerAbout = nullptr;

    void createWidgets();
    void setTexts();
    void setFonts();

    AboutStripCycle cycle_;
};

}  // namespace zul
