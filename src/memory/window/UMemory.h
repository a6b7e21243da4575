// TFormMem: the calculator memory "Память Калькулятора". It shows the memory table of the
// core, forwards every command to MemoryCommands and writes the results back.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QComboBox;
class QFrame;
class QPushButton;
class QToolButton;

namespace zul {

class CaptionPanel;
class MemoryCommands;
class Platform;
class StringGrid;
struct Calculator;

class TFormMem : public QDialog {
    Q_OBJECT
public:
    TFormMem(Calculator& calculator, Platform& platform, QWidget* parent = nullptr);
    ~TFormMem() override;

    // The main window's input line CBoxMainStr, which "Вставить..." writes into. Without
    // one the window looks for a child "CBoxMainStr" of its parent.
    void SetInputLine(QComboBox* inputLine) { inputLine_ = inputLine; }
    // Moves the window just above the input line of the main window.
    void PlaceAboveInputLine(const QWidget* mainWindow, const QWidget* inputLine);
    // Shows the table as the core holds it now (it grows while the window is hidden).
    void RefreshFromTable();

    // Shows the windows this one opens (the about box). Tests replace it.
    using ModalRunner = std::function<void(QDialog* window)>;
    void SetModalRunner(ModalRunner runner) { runModal_ = std::move(runner); }

    // "Помощь": by default the help file of the current directory is opened; the main window
    // hands in its own command, which also knows the installed help.
    void SetHelpCommand(std::function<void()> command) { help_ = std::move(command); }

    // Handlers.
    void BBtnIncClick();
    void BBtnDecClick();
    void SpButUpClick();
    void SpButDownClick();
    void SpButClearClick();
    void BBtnAddCalcClick();
    void BBtnExitMemClick();
    void SpButAboutMemClick();
    void BBtnHelpClick();

    // Closing in any way (button, Esc, close box) rebuilds the input history.
    void reject() override;

    QFrame* Panel1 = nullptr;
    QPushButton* BBtnInc = nullptr;
    QPushButton* BBtnDec = nullptr;
    QToolButton* SpButClear = nullptr;
    QPushButton* BBtnAddCalc = nullptr;
    QComboBox* ComBoxKakVst = nullptr;
    QToolButton* SpButUp = nullptr;
    QToolButton* SpButDown = nullptr;
    QToolButton* SpButAboutMem = nullptr;
    StringGrid* StrGridChisl = nullptr;
    CaptionPanel* PanWhat = nullptr;
    QPushButton* BBtnHelp = nullptr;
    QPushButton* BBtnExitMem = nullptr;
    QFrame* PanLine1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createWidgets();
    void createConnections();
    void setTexts();
    void setFonts();
    void StrGridChislSelectCell(int row, int column);
    // After a command: the grid, the current cell and the delete button from the core.
    void ShowTable();
    QComboBox* inputLine() const;

    Calculator& calc_;
    Platform& platform_;
    std::unique_ptr<MemoryCommands> commands_;
    QComboBox* inputLine_ = nullptr;
    ModalRunner runModal_;
    std::function<void()> help_;
    bool closing_ = false;
};

}  // namespace zul
