// TFormFace: the main menu, the popup menu and the wiring of every control to its command.
#include "app/window/UMain.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "widgets/Panels.h"

namespace zul {

namespace {

QAction* Item(QMenu* menu, const char* name, const QKeySequence& shortcut = {}) {
    auto* action = Named(new QAction(menu), name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // The window has key preview: a shortcut works wherever the focus is in it.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    menu->addAction(action);
    return action;
}

}  // namespace

void TFormFace::createMenus() {
    MenuCalc = Named(new QMenuBar(this), "MenuCalc");
    setMenuBar(MenuCalc);

    NFile = Named(new QMenu(MenuCalc), "NFile");
    NFileLoad = Item(NFile, "NFileLoad", QKeySequence(Qt::Key_F3));
    NFileSave = Item(NFile, "NFileSave", QKeySequence(Qt::Key_F2));
    NFileSaveAs = Item(NFile, "NFileSaveAs", QKeySequence(Qt::ALT | Qt::Key_F2));
    NFileClose = Item(NFile, "NFileClose", QKeySequence(Qt::ALT | Qt::Key_F3));
    NFile->addSeparator();
    NNastrOptions = Item(NFile, "NNastrOptions", QKeySequence(Qt::Key_F4));
    NMemory = Item(NFile, "NMemory", QKeySequence(Qt::Key_F5));
    NVichStrings = Item(NFile, "NVichStrings", QKeySequence(Qt::Key_F7));
    NZapiska = Item(NFile, "NZapiska", QKeySequence(Qt::Key_F11));
    NFile->addSeparator();
    NFileExit = Item(NFile, "NFileExit", QKeySequence(Qt::ALT | Qt::Key_X));
    MenuCalc->addMenu(NFile);

    NHelp = Named(new QMenu(MenuCalc), "NHelp");
    NVstFunc = Item(NHelp, "NVstFunc");
    NVstLiter = Item(NHelp, "NVstLiter");
    NHelp->addSeparator();
    NHelpFunc = Item(NHelp, "NHelpFunc", QKeySequence(Qt::Key_F8));
    NHelpEdIzm = Item(NHelp, "NHelpEdIzm", QKeySequence(Qt::Key_F6));
    NHelpHtml = Item(NHelp, "NHelpHtml", QKeySequence(Qt::Key_F1));
    NHelp->addSeparator();
    NHelpAbout = Item(NHelp, "NHelpAbout", QKeySequence(Qt::Key_F9));
    MenuCalc->addMenu(NHelp);

    NZulExe = Named(new QAction(MenuCalc), "NZulExe");
    MenuCalc->addAction(NZulExe);

    PopMenuSTR = Named(new QMenu(this), "PopMenuSTR");
    PMIncRas = Item(PopMenuSTR, "PMIncRas");
    PMIncParSk = Item(PopMenuSTR, "PMIncParSk");
    PMLiter = Item(PopMenuSTR, "PMLiter");
    for (QMenu* menu : {NFile, NHelp, PopMenuSTR}) menu->setToolTipsVisible(false);
}

void TFormFace::createConnections() {
    auto bind = [this](QAction* action, void (TFormFace::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    };
    auto bindButton = [this](QAbstractButton* button, void (TFormFace::*command)()) {
        connect(button, &QAbstractButton::clicked, this, [this, command] { (this->*command)(); });
    };
    bind(NFileLoad, &TFormFace::NFileLoadClick);
    bind(NFileSave, &TFormFace::NFileSaveClick);
    bind(NFileSaveAs, &TFormFace::NFileSaveAsClick);
    bind(NFileClose, &TFormFace::NFileCloseClick);
    bind(NNastrOptions, &TFormFace::NNastrOptionsClick);
    bind(NMemory, &TFormFace::SpButtonMemClick);
    bind(NVichStrings, &TFormFace::NVichStringsClick);
    bind(NZapiska, &TFormFace::NZapiskaClick);
    bind(NFileExit, &TFormFace::NFileExitClick);
    bind(NVstFunc, &TFormFace::SpButtonVstFuncClick);
    bind(NVstLiter, &TFormFace::SpButtonliteratureClick);
    bind(NHelpFunc, &TFormFace::NHelpFuncClick);
    bind(NHelpEdIzm, &TFormFace::NHelpEdIzmClick);
    bind(NHelpHtml, &TFormFace::BBtnHelpClick);
    bind(NHelpAbout, &TFormFace::NHelpAboutClick);
    bind(NZulExe, &TFormFace::NHelpAboutClick);
    bind(PMIncRas, &TFormFace::PMIncRasClick);
    bind(PMIncParSk, &TFormFace::TViewTipDblClick);
    bind(PMLiter, &TFormFace::SpButtonliteratureClick);

    bindButton(SpButOpen, &TFormFace::NFileLoadClick);
    bindButton(SpButSave, &TFormFace::NFileSaveClick);
    bindButton(SpButClose, &TFormFace::NFileCloseClick);
    bindButton(SpButOpt, &TFormFace::NNastrOptionsClick);
    bindButton(SpButSList, &TFormFace::NVichStringsClick);
    bindButton(SpButtonMem, &TFormFace::SpButtonMemClick);
    bindButton(SpButtonLastV, &TFormFace::SpButtonLastVClick);
    bindButton(SpButtonLastR, &TFormFace::SpButtonLastRClick);
    bindButton(SpButtonIncFunc, &TFormFace::SpButtonVstFuncClick);
    bindButton(SpButtonliterature, &TFormFace::SpButtonliteratureClick);
    bindButton(SpButtonSprav, &TFormFace::NHelpEdIzmClick);
    bindButton(SpButtonInsFunc, &TFormFace::NHelpFuncClick);
    bindButton(SpeedButton1, &TFormFace::NHelpAboutClick);
    bindButton(BitBtnIncParSk, &TFormFace::TViewTipDblClick);
    bindButton(BBtnVichisl, &TFormFace::BBtnVichislClick);
    bindButton(BBtnHelp, &TFormFace::BBtnHelpClick);

    // Only a pick by the user counts; filling the list from the session does not.
    connect(ComBoxSelRas, qOverload<int>(&QComboBox::activated), this,
            [this](int item) { ComBoxSelRasChange(item); });
    connect(CBoxMainStr, &QComboBox::editTextChanged, this, [this] {
        if (!refreshing_) CBoxMainStrChange();
    });
    connect(TViewTip, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!refreshing_ && item != nullptr) TViewTipChange(item);
    });
    connect(TViewTip, &QTreeWidget::itemDoubleClicked, this, [this] { TViewTipDblClick(); });
    connect(PanTema, &CaptionPanel::doubleClicked, this, [this] { TViewTipDblClick(); });
    connect(PanTema, &CaptionPanel::clicked, this, [this] { PanTemaClick(); });
    connect(ImageF, &CaptionPanel::clicked, this, [this] { TViewTipDblClick(); });
    connect(PanelPodsk, &CaptionPanel::clicked, this, [this] { PanelPodskClick(); });
    // A closed menu leaves no current hint: its banner goes with it.
    for (QMenu* menu : {NFile, NHelp, PopMenuSTR})
        connect(menu, &QMenu::aboutToHide, this, [this] { ApplicationHint(QString()); });
    auto popup = [this](QWidget* source, const QPoint& at) { PopMenuSTR->popup(source->mapToGlobal(at)); };
    connect(TViewTip, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup(TViewTip->viewport(), at); });
    connect(ImageF, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup(ImageF, at); });
}

}  // namespace zul
