// TFormVirStrings construction: widgets, menus, texts, fonts and the wiring of every control.
#include "lists/window/UVichStr.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "app/Calculator.h"
#include "widgets/Glyphs.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"
#include "widgets/GridGlyphs.h"
#include "widgets/StringGrid.h"
#include "reference/FunctionListData.h"

namespace zul {

namespace {

constexpr int kClientWidth = 720;
constexpr int kClientHeight = 470;
constexpr int kToolHeight = 34;
constexpr int kBottomHeight = 34;
constexpr int kBannerWidth = 420;
constexpr int kSpeedTop = 4;  // speed buttons in the tool panel
constexpr int kMenuHeight = 25;  // the menu bar at 96 dpi; fitMenuBar() makes room for a taller one

QAction* Item(QWidget* window, QMenu* menu, const char* name, const QKeySequence& shortcut = {}) {
    auto* action = Named(new QAction(menu), name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    menu->addAction(action);
    // Also on the window, so that the shortcut works wherever the focus is in it.
    window->addAction(action);
    return action;
}

}  // namespace

TFormVirStrings::TFormVirStrings(Calculator& calculator, Platform& platform, WindowFactory& windows,
                                 QWidget* parent)
    : QDialog(parent, DialogFlags()),
      calc_(calculator),
      platform_(platform, [this] { ShowList(); }),
      files_(list_, platform_, calculator.question),
      windows_(windows) {
    setObjectName(QStringLiteral("FormVirStrings"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    createMenus();
    createWidgets();
    setTexts();
    setFonts();
    fitMenuBar();
    createConnections();
    ShowList();
}

void TFormVirStrings::fitMenuBar() {
    const int needed = std::max(kMenuHeight, MainMenu->sizeHint().height());
    const int extra = needed - kMenuHeight;
    MainMenu->setGeometry(0, 0, kClientWidth, needed);
    if (extra <= 0) return;
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child != MainMenu && !child->isWindow()) child->move(child->x(), child->y() + extra);
    setFixedSize(kClientWidth, kClientHeight + extra);
}

// An editor still open when the window goes commits as it closes: by then the list is gone.
TFormVirStrings::~TFormVirStrings() { StrGridVir->SetAccess({}); }

void TFormVirStrings::createWidgets() {
    const int menuHeight = kMenuHeight;
    PanelTools = Named(new QFrame(this), "PanelTools");
    PanelTools->setGeometry(0, menuHeight, kClientWidth, kToolHeight);
    PanelTools->setFrameStyle(QFrame::Panel | QFrame::Raised);
    createToolbar();

    const int fileTop = menuHeight + kToolHeight + 4;
    LabelFile = Named(new QLabel(this), "LabelFile");
    LabelFile->setGeometry(14, fileTop, 44, 24);
    EditNameF = Named(new QLineEdit(this), "EditNameF");
    EditNameF->setGeometry(60, fileTop, 520, 24);
    EditNameF->setReadOnly(true);
    PanIzmSohr = Named(new CaptionPanel(this), "PanIzmSohr");
    PanIzmSohr->setGeometry(kClientWidth - 22 - 90, fileTop, 90, 24);
    PanIzmSohr->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    const int gridTop = fileTop + 30;
    const int bottomTop = kClientHeight - 6 - 6 - kBottomHeight;
    StrGridVir = Named(new StringGrid(kListColumnCount, this), "StrGridVir");
    // 14 px from the left and 36 px narrower than the window.
    StrGridVir->setGeometry(14, gridTop, kClientWidth - 36, bottomTop - 6 - gridTop);
    // A result has 12 decimals; in its column of 101 pixels it takes a smaller font.
    StrGridVir->SetShrinkColumn(kColumnResult, 10);

    ProgBarV = Named(new QProgressBar(this), "ProgBarV");
    ProgBarV->setGeometry(14, bottomTop + 4, kBannerWidth, kBottomHeight - 8);
    ProgBarV->setTextVisible(true);
    ProgBarV->hide();
    PanCloseWin = Named(new CaptionPanel(this), "PanCloseWin");
    PanCloseWin->setGeometry(14, bottomTop, kBannerWidth, kBottomHeight);
    PanCloseWin->hide();
    BBtnHelp = BitButton(this, "BBtnHelp", QRect(444, bottomTop, 120, kBottomHeight), GlyphIcon(Glyph::Help));
    BBtnExitVichStr =
        BitButton(this, "BBtnExitVichStr", QRect(570, bottomTop, kClientWidth - 22 - 570, kBottomHeight),
                  GlyphIcon(Glyph::Exit));

    PanLine1 = LimeLine(this, "PanLine1", kClientHeight - 6, kClientWidth);

    StrGridVir->SetAccess({
        [this] { return list_.LineCount(); },
        [this](int row, int column) { return list_.Cell(row, column); },
        [this](int row, int column, const std::string& text) { list_.SetCell(row, column, text); },
        [](int column) { return column != kColumnNumber; },
    });
    for (int c = 0; c < kListColumnCount; ++c)
        StrGridVir->SetHeader(c, ToQ(kListHeaders[static_cast<std::size_t>(c)]));
    StrGridVir->SetColumnWidths(list_.ColumnWidths());
    setTabOrder(StrGridVir, BBtnHelp);
    setTabOrder(BBtnHelp, BBtnExitVichStr);
}

void TFormVirStrings::createToolbar() {
    SpButOpen = SpeedButton(PanelTools, "SpButOpen", {4, kSpeedTop}, GlyphIcon(Glyph::Open));
    SpButSave = SpeedButton(PanelTools, "SpButSave", {30, kSpeedTop}, GlyphIcon(Glyph::Save));
    SpButClose = SpeedButton(PanelTools, "SpButClose", {56, kSpeedTop}, GlyphIcon(Glyph::CloseFile));
    SpButOpt = SpeedButton(PanelTools, "SpButOpt", {88, kSpeedTop}, GlyphIcon(Glyph::Options));
    SpButSelect =
        SpeedButton(PanelTools, "SpButSelect", {120, kSpeedTop}, GridGlyphIcon(GridGlyph::ComputeLine));
    SpButVAll = SpeedButton(PanelTools, "SpButVAll", {146, kSpeedTop}, GridGlyphIcon(GridGlyph::ComputeAll));
    SpButUp = SpeedButton(PanelTools, "SpButUp", {178, kSpeedTop}, GridGlyphIcon(GridGlyph::Up));
    SpButDown = SpeedButton(PanelTools, "SpButDown", {204, kSpeedTop}, GridGlyphIcon(GridGlyph::Down));
    BBtnInc = BitButton(PanelTools, "BBtnInc", QRect(236, 3, 106, 28), GridGlyphIcon(GridGlyph::Add));
    BBtnTiraj = BitButton(PanelTools, "BBtnTiraj", QRect(344, 3, 88, 28), GridGlyphIcon(GridGlyph::Copy));
    BBtnDec = BitButton(PanelTools, "BBtnDec", QRect(436, 3, 144, 28), GridGlyphIcon(GridGlyph::Delete));
    // SpButOn and SpButOff share one place; exactly one of them shows.
    SpButOn = SpeedButton(PanelTools, "SpButOn", {586, kSpeedTop}, GridGlyphIcon(GridGlyph::LineOff));
    SpButOff = SpeedButton(PanelTools, "SpButOff", {586, kSpeedTop}, GridGlyphIcon(GridGlyph::LineOn));
    SpButtonInsFunc =
        SpeedButton(PanelTools, "SpButtonInsFunc", {622, kSpeedTop}, GlyphIcon(Glyph::Functions));
    SpButtonSprav = SpeedButton(PanelTools, "SpButtonSprav", {648, kSpeedTop}, GlyphIcon(Glyph::Reference));
    SpeedButton1 = SpeedButton(PanelTools, "SpeedButton1", {680, kSpeedTop}, GlyphIcon(Glyph::About));
}

void TFormVirStrings::createMenus() {
    MainMenu = Named(new QMenuBar(this), "MainMenu");
    MainMenu->setNativeMenuBar(false);

    NFile = Named(new QMenu(MainMenu), "NFile");
    NOpen = Item(this, NFile, "NOpen", QKeySequence(Qt::Key_F3));
    NSave = Item(this, NFile, "NSave", QKeySequence(Qt::Key_F2));
    NSaveAs = Item(this, NFile, "NSaveAs", QKeySequence(Qt::ALT | Qt::Key_F2));
    NClose = Item(this, NFile, "NClose", QKeySequence(Qt::ALT | Qt::Key_F3));
    NErase = Item(this, NFile, "NErase");
    NFile->addSeparator();
    NOptions = Item(this, NFile, "NOptions", QKeySequence(Qt::Key_F4));
    NFile->addSeparator();
    NExit = Item(this, NFile, "NExit");
    MainMenu->addMenu(NFile);

    NString = Named(new QMenu(MainMenu), "NString");
    NVich = Named(new QMenu(NString), "NVich");
    NVichTek = Item(this, NVich, "NVichTek", QKeySequence(Qt::Key_F8));
    NVichAll = Item(this, NVich, "NVichAll", QKeySequence(Qt::ALT | Qt::Key_F8));
    NString->addMenu(NVich);
    NMove = Named(new QMenu(NString), "NMove");
    NUp = Item(this, NMove, "NUp", QKeySequence(Qt::CTRL | Qt::Key_Up));
    NDown = Item(this, NMove, "NDown", QKeySequence(Qt::CTRL | Qt::Key_Down));
    NString->addMenu(NMove);
    NString->addSeparator();
    NInc = Item(this, NString, "NInc", QKeySequence(Qt::ALT | Qt::Key_Insert));
    NTiraj = Item(this, NString, "NTiraj");
    NDec = Item(this, NString, "NDec", QKeySequence(Qt::ALT | Qt::Key_Delete));
    NString->addSeparator();
    NOff = Item(this, NString, "NOff");
    NOn = Item(this, NString, "NOn");
    MainMenu->addMenu(NString);

    NHelp = Named(new QMenu(MainMenu), "NHelp");
    // "Функции..." shows F8 as well, but F8 belongs to "Текущую строку", which comes first.
    NHelpFunc = Item(this, NHelp, "NHelpFunc");
    NHelpEdIzm = Item(this, NHelp, "NHelpEdIzm", QKeySequence(Qt::Key_F6));
    NHelpHtml = Item(this, NHelp, "NHelpHtml", QKeySequence(Qt::Key_F1));
    NHelp->addSeparator();
    NHelpAbout = Item(this, NHelp, "NHelpAbout", QKeySequence(Qt::Key_F9));
    NZulExe = Item(this, NHelp, "NZulExe");
    MainMenu->addMenu(NHelp);
    for (QMenu* menu : {NFile, NString, NVich, NMove, NHelp}) menu->setToolTipsVisible(false);
}

// Every Russian text of the window.
void TFormVirStrings::setTexts() {
    setWindowTitle(QStringLiteral("Вычисление списков выражений"));
    NFile->setTitle(QStringLiteral("Файл"));
    NOpen->setText(QStringLiteral("Открыть"));
    NSave->setText(QStringLiteral("Сохранить"));
    NSaveAs->setText(QStringLiteral("Сохранить как..."));
    NClose->setText(QStringLiteral("Закрыть"));
    NErase->setText(QStringLiteral("Удалить"));
    NOptions->setText(QStringLiteral("Настройки..."));
    NExit->setText(QStringLiteral("Выход"));
    NString->setTitle(QStringLiteral("Строка"));
    NVich->setTitle(QStringLiteral("Вычислить"));
    NVichTek->setText(QStringLiteral("Текущую строку"));
    NVichAll->setText(QStringLiteral("Все строки"));
    NMove->setTitle(QStringLiteral("Переместить"));
    NUp->setText(QStringLiteral("Вверх"));
    NDown->setText(QStringLiteral("Вниз"));
    NInc->setText(QStringLiteral("Добавить"));
    NTiraj->setText(QStringLiteral("Копия"));
    NDec->setText(QStringLiteral("Удалить"));
    NOff->setText(QStringLiteral("Отключить"));
    NOn->setText(QStringLiteral("Подключить"));
    NHelp->setTitle(QStringLiteral("Помощь"));
    NHelpFunc->setText(QStringLiteral("Функции...\tF8"));
    NHelpEdIzm->setText(QStringLiteral("Справочник..."));
    NHelpHtml->setText(QStringLiteral("Открыть Zul.html"));
    NHelpAbout->setText(QStringLiteral("О Программе..."));
    NZulExe->setText(ToQ(VersionItemText()));

    SetHint(SpButOpen, QStringLiteral("Открыть список строк"));
    SetHint(SpButSave, QStringLiteral("Сохранить список строк"));
    SetHint(SpButClose, QStringLiteral("Закрыть список строк"));
    SetHint(SpButOpt, QStringLiteral("Настройки калькулятора, константы и т.д."));
    SetHint(SpButSelect, QStringLiteral("Вычислить текущую строку"));
    SetHint(SpButVAll, QStringLiteral("Вычислить все"));
    SetHint(SpButUp, QStringLiteral("Переместить строку ВВЕРХ по списку"));
    SetHint(SpButDown, QStringLiteral("Переместить строку ВНИЗ по списку"));
    BBtnInc->setText(QStringLiteral("Добавить"));
    SetHint(BBtnInc, QStringLiteral("Добавить выражение в список"));
    BBtnTiraj->setText(QStringLiteral("Копия"));
    SetHint(BBtnTiraj, QStringLiteral("Копировать текущую строку"));
    SetHint(BBtnDec, QStringLiteral("Удалить выражение из списка"));
    SetHint(SpButOn, QStringLiteral("Отключить строку от вычислений"));
    SetHint(SpButOff, QStringLiteral("Подключить строку к вычислениям"));
    SetHint(SpButtonInsFunc, QStringLiteral("Список доступных функций"));
    SetHint(SpButtonSprav, QStringLiteral("Справочник переводов единиц, константы"));
    // The trailing blank tells the hint handler that this is the lists window's about button.
    SetHint(SpeedButton1, QStringLiteral("О Программе "));
    LabelFile->setText(QStringLiteral("Файл:"));
    SetHint(EditNameF, QStringLiteral("Этот файл сейчас открыт!"));
    BBtnHelp->setText(QStringLiteral("Помощь"));
    SetHint(BBtnHelp, QStringLiteral("Показать содержание всей системы помощи (в формате HTML)"));
    BBtnExitVichStr->setText(QStringLiteral("Закрыть"));
    SetHint(BBtnExitVichStr, QStringLiteral("Вернуться в главное окно Калькулятора"));

    // Menu items share the hint of the tool button of the same command; "Выход" has its
    // own, which the main window's hint handler turns into the red banner.
    SetHint(NOpen, SpButOpen->statusTip());
    SetHint(NSave, SpButSave->statusTip());
    SetHint(NClose, SpButClose->statusTip());
    SetHint(NOptions, SpButOpt->statusTip());
    SetHint(NExit, QStringLiteral("Вернуться в главное окно Калькулятора"));
    SetHint(NVichTek, SpButSelect->statusTip());
    SetHint(NVichAll, SpButVAll->statusTip());
    SetHint(NUp, SpButUp->statusTip());
    SetHint(NDown, SpButDown->statusTip());
    SetHint(NInc, BBtnInc->statusTip());
    SetHint(NTiraj, BBtnTiraj->statusTip());
    SetHint(NDec, BBtnDec->statusTip());
    SetHint(NOff, SpButOn->statusTip());
    SetHint(NOn, SpButOff->statusTip());
    SetHint(NHelpFunc, SpButtonInsFunc->statusTip());
    SetHint(NHelpEdIzm, SpButtonSprav->statusTip());
    SetHint(NHelpHtml, BBtnHelp->statusTip());
    SetHint(NHelpAbout, SpeedButton1->statusTip());
    SetHint(NZulExe, SpeedButton1->statusTip());
}

void TFormVirStrings::setFonts() {
    for (QWidget* w :
         {static_cast<QWidget*>(BBtnInc), static_cast<QWidget*>(BBtnTiraj), static_cast<QWidget*>(BBtnDec),
          static_cast<QWidget*>(BBtnHelp), static_cast<QWidget*>(BBtnExitVichStr),
          static_cast<QWidget*>(PanCloseWin), static_cast<QWidget*>(ProgBarV)})
        w->setFont(TimesBold(15));
    StrGridVir->setFont(TimesBold(15));
    StrGridVir->horizontalHeader()->setFont(TimesBold(13));
    for (QWidget* w : {static_cast<QWidget*>(LabelFile), static_cast<QWidget*>(EditNameF),
                       static_cast<QWidget*>(PanIzmSohr)})
        w->setFont(TimesBold(14));
}

void TFormVirStrings::createConnections() {
    auto bind = [this](QAction* action, void (TFormVirStrings::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    };
    auto bindButton = [this](QAbstractButton* button, void (TFormVirStrings::*command)()) {
        connect(button, &QAbstractButton::clicked, this, [this, command] { (this->*command)(); });
    };
    bind(NOpen, &TFormVirStrings::VirOpenClick);
    bind(NSave, &TFormVirStrings::VirSaveClick);
    bind(NSaveAs, &TFormVirStrings::VirSaveAsClick);
    bind(NClose, &TFormVirStrings::VirCloseClick);
    bind(NErase, &TFormVirStrings::VirEraseClick);
    bind(NOptions, &TFormVirStrings::SpButOptClick);
    connect(NExit, &QAction::triggered, this, [this] { reject(); });
    bind(NVichTek, &TFormVirStrings::VichTekStrClick);
    bind(NVichAll, &TFormVirStrings::VichAllClick);
    bind(NUp, &TFormVirStrings::SpButUpClick);
    bind(NDown, &TFormVirStrings::SpButDownClick);
    bind(NInc, &TFormVirStrings::BBtnIncClick);
    bind(NTiraj, &TFormVirStrings::BBtnTirajClick);
    bind(NDec, &TFormVirStrings::BBtnDecClick);
    bind(NOff, &TFormVirStrings::SpButOnClick);
    bind(NOn, &TFormVirStrings::SpButOffClick);
    bind(NHelpFunc, &TFormVirStrings::NHelpFuncClick);
    bind(NHelpEdIzm, &TFormVirStrings::NHelpEdIzmClick);
    bind(NHelpHtml, &TFormVirStrings::BBtnHelpClick);
    bind(NHelpAbout, &TFormVirStrings::NHelpAboutClick);
    bind(NZulExe, &TFormVirStrings::NHelpAboutClick);

    bindButton(SpButOpen, &TFormVirStrings::VirOpenClick);
    bindButton(SpButSave, &TFormVirStrings::VirSaveClick);
    bindButton(SpButClose, &TFormVirStrings::VirCloseClick);
    bindButton(SpButOpt, &TFormVirStrings::SpButOptClick);
    bindButton(SpButSelect, &TFormVirStrings::VichTekStrClick);
    bindButton(SpButVAll, &TFormVirStrings::VichAllClick);
    bindButton(SpButUp, &TFormVirStrings::SpButUpClick);
    bindButton(SpButDown, &TFormVirStrings::SpButDownClick);
    bindButton(BBtnInc, &TFormVirStrings::BBtnIncClick);
    bindButton(BBtnTiraj, &TFormVirStrings::BBtnTirajClick);
    bindButton(BBtnDec, &TFormVirStrings::BBtnDecClick);
    bindButton(SpButOn, &TFormVirStrings::SpButOnClick);
    bindButton(SpButOff, &TFormVirStrings::SpButOffClick);
    bindButton(SpButtonInsFunc, &TFormVirStrings::NHelpFuncClick);
    bindButton(SpButtonSprav, &TFormVirStrings::NHelpEdIzmClick);
    bindButton(SpeedButton1, &TFormVirStrings::NHelpAboutClick);
    bindButton(BBtnHelp, &TFormVirStrings::BBtnHelpClick);
    connect(BBtnExitVichStr, &QPushButton::clicked, this, [this] { reject(); });

    connect(StrGridVir, &StringGrid::cellSelected, this,
            [this](int row, int column) { StrGridVirSelectCell(row, column); });
    connect(StrGridVir, &StringGrid::cellEdited, this, [this] {
        ShowCurrentLine();
        ShowFileState();
    });
    connect(StrGridVir, &StringGrid::columnResized, this, [this](int column, int width) {
        if (column >= 0 && column < kListColumnCount)
            list_.ColumnWidths()[static_cast<std::size_t>(column)] = width;
    });
}

}  // namespace zul
