// TFormFace: the main window of the calculator. It owns the widgets, focus, colours and
// pictures, and forwards every command to the core calculator it is given.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>

#include "app/DataPaths.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zul {

class CaptionPanel;
struct Calculator;
class Platform;
class BusyIndicator;
class FileCommands;
struct FileCommandOutcome;
struct TopicSelection;
struct RecalledCalculation;
class WindowFactory;

// Item data of the tree: the node's absolute index and its calculation code.
inline constexpr int kNodeIndexRole = Qt::UserRole;
inline constexpr int kNodeCodeRole = Qt::UserRole + 1;

class TFormFace : public QMainWindow {
    Q_OBJECT
public:
    // The calculator is the core of the program (state, models); it outlives the window.
    // Its start directory is where the program INI lives, and where the pictures, the
    // literature and the help are looked for first. The other windows are opened through
    // the factory. The busy indicator is shown while an evaluation runs (optional).
    TFormFace(Calculator& calculator, Platform& platform, WindowFactory& windows,
              BusyIndicator* busy = nullptr, QWidget* parent = nullptr);
    ~TFormFace() override;

    // Commands (the names of the handlers the menus, buttons and keys are bound to).
    void BBtnVichislClick();
    void BBtnHelpClick();
    void TViewTipDblClick();
    void SpButtonLastVClick();
    void SpButtonLastRClick();
    void ComBoxSelRasChange(int item);
    void NFileLoadClick();
    void NFileSaveClick();
    void NFileSaveAsClick();
    void NFileCloseClick();
    void NNastrOptionsClick();
    void NVichStringsClick();
    void NZapiskaClick();
    void SpButtonMemClick();
    void SpButtonVstFuncClick();
    void SpButtonliteratureClick();
    void PMIncRasClick();
    void NHelpFuncClick();
    void NHelpEdIzmClick();
    void NHelpAboutClick();
    void NFileExitClick();
    void ShowPicture(int index);

    // The first activation: the auto-load of the settings file (later calls do nothing).
    void FormActivate();

    // The hint handler: the application's current hint changed to `hint`.
    void ApplicationHint(const QString& hint);

    // The picture shown now (null before any picture could be decoded).
    QImage shownPicture() const { return picture_; }
    QString shownPictureFile() const { return shownPictureFile_; }
    // Brings the widgets in line with the calculator after the core changed it (a settings
    // file read, the memory window closed, the settings window closed).
    void RefreshFromCalculator();
    // Shows what a file command changed: the configuration, a selection read from a file.
    void ShowFileOutcome(const FileCommandOutcome& outcome);
    // The text of the input line CBoxMainStr, which the memory window's "Вставить..."
    // reads and replaces.
    std::string InputLineText() const;
    void SetInputLineText(const std::string& text);
    Calculator& calculator() { return calc_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Construction steps (UMain.cpp, UMainMenus.cpp).
    void createWidgets();
    void createToolbar();
    void createTree();
    void createMenus();
    void createConnections();
    void setTexts();
    void setFonts();

    // Keys (UMainCompute.cpp): true when the key was handled and must not go further.
    bool FormKeyPress(QKeyEvent* event);
    bool FormKeyDown(QKeyEvent* event);
    void AppendMemoryResult(int digit);

    // Tree (UMainTree.cpp).
    void TViewTipChange(QTreeWidgetItem* item);
    // Selects the node as the user would (its selection handler runs).
    void SelectNodeByIndex(int index);
    QTreeWidgetItem* itemByIndex(int index) const;
    // Shows a selection applied to the calculator: hint line, commands, picture.
    void ShowSelection(const TopicSelection& selection);

    // Compute and history (UMainCompute.cpp).
    void ShowInputText(const std::string& text);
    void RefreshHistoryItems();
    void ShowRecalled(const std::optional<RecalledCalculation>& recalled);
    void RefreshRecentItems();
    void CaretToEnd();

    // Focus cues and hints (UMainHints.cpp; the hint line and input line ones beside their
    // commands in UMainTree.cpp and UMainCompute.cpp).
    void TViewTipEnter();
    void TViewTipExit();
    void PanTemaClick();
    void PanelPodskClick();
    void CBoxMainStrChange();

    // Exit (UMainFiles.cpp).
    bool FormCloseQuery();

    // Controls, named as the system names them (the same text is the objectName).
    QFrame* PanelTools = nullptr;
    QToolButton* SpButOpen = nullptr;
    QToolButton* SpButSave = nullptr;
    QToolButton* SpButClose = nullptr;
    QToolButton* SpButOpt = nullptr;
    QToolButton* SpButSList = nullptr;
    QToolButton* SpButtonMem = nullptr;
    QToolButton* SpButtonLastV = nullptr;
    QToolButton* SpButtonLastR = nullptr;
    QComboBox* ComBoxSelRas = nullptr;
    QToolButton* SpButtonIncFunc = nullptr;
    QToolButton* SpButtonliterature = nullptr;
    QToolButton* SpButtonSprav = nullptr;
    QToolButton* SpButtonInsFunc = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    CaptionPanel* PanTema = nullptr;
    QPushButton* BitBtnIncParSk = nullptr;
    QTreeWidget* TViewTip = nullptr;
    QFrame* PanelPict = nullptr;
    CaptionPanel* ImageF = nullptr;
    CaptionPanel* PanelPodsk = nullptr;
    QComboBox* CBoxMainStr = nullptr;
    QPushButton* BBtnVichisl = nullptr;
    QPushButton* BBtnHelp = nullptr;
    CaptionPanel* PanCloseProg = nullptr;
    QFrame* PanelLine1 = nullptr;

    QMenuBar* MenuCalc = nullptr;
    QMenu* NFile = nullptr;
    QAction* NFileLoad = nullptr;
    QAction* NFileSave = nullptr;
    QAction* NFileSaveAs = nullptr;
    QAction* NFileClose = nullptr;
    QAction* NNastrOptions = nullptr;
    QAction* NMemory = nullptr;
    QAction* NVichStrings = nullptr;
    QAction* NZapiska = nullptr;
    QAction* NFileExit = nullptr;
    QMenu* NHelp = nullptr;
    QAction* NVstFunc = nullptr;
    QAction* NVstLiter = nullptr;
    QAction* NHelpFunc = nullptr;
    QAction* NHelpEdIzm = nullptr;
    QAction* NHelpHtml = nullptr;
    QAction* NHelpAbout = nullptr;
    QAction* NZulExe = nullptr;
    QMenu* PopMenuSTR = nullptr;
    QAction* PMIncRas = nullptr;
    QAction* PMIncParSk = nullptr;
    QAction* PMLiter = nullptr;

private:
    Calculator& calc_;
    Platform& platform_;
    BusyIndicator* busy_ = nullptr;
    std::unique_ptr<FileCommands> files_;
    std::vector<QTreeWidgetItem*> nodes_;  // tree items by absolute index
    WindowFactory& windows_;
    DataFolders dataFolders_;  // pictures, literature and help: start directory, else installed
    QImage picture_;
    QString shownPictureFile_;
    bool refreshing_ = false;  // widgets are being set from the calculator: no change events
};

}  // namespace zul
