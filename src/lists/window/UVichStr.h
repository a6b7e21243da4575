// TFormVirStrings: "Вычисление списков выражений", a numbered list of expressions computed
// one by one or all together. The window owns the list model and its file commands; it
// shows them and forwards every command.
#pragma once

#include <QDialog>
#include <functional>

#include "widgets/ViewFirstPlatform.h"
#include "lists/ExpressionList.h"
#include "lists/ListFileCommands.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace zul {

class CaptionPanel;
class Platform;
class StringGrid;
class WindowFactory;
struct Calculator;

class TFormVirStrings : public QDialog {
    Q_OBJECT
public:
    // The settings window and the reference windows are opened through the factory.
    TFormVirStrings(Calculator& calculator, Platform& platform, WindowFactory& windows,
                    QWidget* parent = nullptr);
    ~TFormVirStrings() override;

    ExpressionList& list() { return list_; }
    // Shows the list as the model holds it now.
    void ShowList();

    // "Помощь": by default the help file of the current directory is opened; the main window
    // hands in its own command, which also knows the installed help.
    void SetHelpCommand(std::function<void()> command) { help_ = std::move(command); }

    // Handlers.
    void VirOpenClick();
    void VirSaveClick();
    void VirSaveAsClick();
    void VirCloseClick();
    void VirEraseClick();
    void VichTekStrClick();
    void VichAllClick();
    void SpButUpClick();
    void SpButDownClick();
    void BBtnIncClick();
    void BBtnTirajClick();
    void BBtnDecClick();
    void SpButOnClick();
    void SpButOffClick();
    void SpButOptClick();
    void NHelpFuncClick();
    void NHelpEdIzmClick();
    void NHelpAboutClick();
    void BBtnHelpClick();

    // The banner PanCloseWin, set by the main window's hint handler: a text shown in its
    // colours, or hidden (the text is kept).
    void ShowBanner(const QString& text, const QColor& textColor, const QColor& background);
    void HideBanner(const QString& text);

    // Closing (the button, "Выход", the close box, Esc) asks about unsaved changes first.
    void reject() override;

private:
    // Controls, named as the system names them (the same text is the objectName).
    QMenuBar* MainMenu = nullptr;
    QMenu* NFile = nullptr;
    QAction* NOpen = nullptr;
    QAction* NSave = nullptr;
    QAction* NSaveAs = nullptr;
    QAction* NClose = nullptr;
    QAction* NErase = nullptr;
    QAction* NOptions = nullptr;
    QAction* NExit = nullptr;
    QMenu* NString = nullptr;
    QMenu* NVich = nullptr;
    QAction* NVichTek = nullptr;
    QAction* NVichAll = nullptr;
    QMenu* NMove = nullptr;
    QAction* NUp = nullptr;
    QAction* NDown = nullptr;
    QAction* NInc = nullptr;
    QAction* NTiraj = nullptr;
    QAction* NDec = nullptr;
    QAction* NOff = nullptr;
    QAction* NOn = nullptr;
    QMenu* NHelp = nullptr;
    QAction* NHelpFunc = nullptr;
    QAction* NHelpEdIzm = nullptr;
    QAction* NHelpHtml = nullptr;
    QAction* NHelpAbout = nullptr;
    QAction* NZulExe = nullptr;

    QFrame* PanelTools = nullptr;
    QToolButton* SpButOpen = nullptr;
    QToolButton* SpButSave = nullptr;
    QToolButton* SpButClose = nullptr;
    QToolButton* SpButOpt = nullptr;
    QToolButton* SpButSelect = nullptr;
    QToolButton* SpButVAll = nullptr;
    QToolButton* SpButUp = nullptr;
    QToolButton* SpButDown = nullptr;
    QPushButton* BBtnInc = nullptr;
    QPushButton* BBtnTiraj = nullptr;
    QPushButton* BBtnDec = nullptr;
    QToolButton* SpButOn = nullptr;
    QToolButton* SpButOff = nullptr;
    QToolButton* SpButtonInsFunc = nullptr;
    QToolButton* SpButtonSprav = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QLabel* LabelFile = nullptr;
    QLineEdit* EditNameF = nullptr;
    CaptionPanel* PanIzmSohr = nullptr;
    StringGrid* StrGridVir = nullptr;
    QProgressBar* ProgBarV = nullptr;
    CaptionPanel* PanCloseWin = nullptr;
    QPushButton* BBtnHelp = nullptr;
    QPushButton* BBtnExitVichStr = nullptr;
    QFrame* PanLine1 = nullptr;

    void createWidgets();
    void createToolbar();
    void createMenus();
    void createConnections();
    void setTexts();
    void setFonts();
    // The menu bar takes the height its font needs; the rest of the window moves down.
    void fitMenuBar();

    // The captions around the grid for the current line (StrGridVirSelectCell).
    void ShowCurrentLine();
    // The indicator, the file name and the menu state (SetListMenuState).
    void ShowFileState();
    void StrGridVirSelectCell(int row, int column);
    // A command on the list: an open cell editor hands over its text first, and the list
    // is shown anew afterwards.
    void RunListCommand(const std::function<void()>& command);

    Calculator& calc_;
    // The commands' platform: the list is shown as it stands before every message box.
    ViewFirstPlatform platform_;
    ExpressionList list_;
    ListFileCommands files_;
    WindowFactory& windows_;
    std::function<void()> help_;
    bool computing_ = false;
};

}  // namespace zul
