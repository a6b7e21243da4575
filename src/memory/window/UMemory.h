// TFormMem: the calculator memory "Память Калькулятора". It shows the memory table of the
// core, forwards every command to MemoryCommands and writes the results back.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QFrame;
class QPushButton;
class QToolButton;

namespace zul {

class CaptionPanel;
class MemoryCommands;
class Platform;
class StringGrid;
class WindowFactory;
struct Calculator;

class TFormMem : public QDialog {
    Q_OBJECT
public:
    // The about box is opened through the factory.
    TFormMem(Calculator& calculator, Platform& platform, WindowFactory& windows, QWidget* parent = nullptr);
    ~TFormMem() override;

    // The main window's input line, which "Вставить..." reads and replaces (without one it
    // reads an empty line and writes nothing).
    struct InputLine {
        std::function<std::string()> text;
        std::function<void(const std::string& text)> setText;
    };
    void SetInputLine(InputLine inputLine) { inputLine_ = std::move(inputLine); }
    // Shows the table as the core holds it now (it grows while the window is hidden).
    void RefreshFromTable();

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

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Controls, named as the system names them (the same text is the objectName).
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

    void createWidgets();
    void createConnections();
    void setTexts();
    void setFonts();
    void StrGridChislSelectCell(int row, int column);
    // After a command: the grid, the current cell and the delete button from the core.
    void ShowTable();

    Calculator& calc_;
    Platform& platform_;
    std::unique_ptr<MemoryCommands> commands_;
    WindowFactory& windows_;
    InputLine inputLine_;
    std::function<void()> help_;
    bool closing_ = false;
};

}  // namespace zul
