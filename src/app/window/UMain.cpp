// TFormFace construction: the widgets, their geometry, fonts and texts.
#include "app/window/UMain.h"

#include <QApplication>
#include <QLayout>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "widgets/Glyphs.h"
#include "widgets/Panels.h"
#include "app/Calculator.h"
#include "app/JournalLiterature.h"
#include "calc/Catalogue.h"
#include "calc/Pictures.h"
#include "app/FileCommands.h"
#include "reference/FunctionListData.h"
#include "widgets/QtText.h"

namespace zul {

namespace {

constexpr int kClientWidth = 592;
constexpr int kClientHeight = 326;
constexpr int kToolHeight = 31;
constexpr int kButtonSize = 25;
constexpr int kSpeedTop = 3;  // speed buttons in the tool panel

}  // namespace

void TFormFace::createWidgets() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    PanelTools = Named(new QFrame(client), "PanelTools");
    PanelTools->setGeometry(0, 0, kClientWidth, kToolHeight);
    PanelTools->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelTools->setAutoFillBackground(true);
    createToolbar();

    PanTema = Named(new CaptionPanel(client), "PanTema");
    PanTema->setGeometry(2, 33, 262, 22);
    BitBtnIncParSk = Named(new QPushButton(client), "BitBtnIncParSk");
    BitBtnIncParSk->setGeometry(266, 33, 22, 22);
    BitBtnIncParSk->setFocusPolicy(Qt::NoFocus);
    createTree();
    TViewTip->setParent(client);
    TViewTip->setGeometry(2, 57, 286, 155);

    PanelPict = Named(new QFrame(client), "PanelPict");
    PanelPict->setGeometry(290, 33, 301, 179);
    ImageF = Named(new CaptionPanel(PanelPict), "ImageF");
    ImageF->setFrameStyle(QFrame::NoFrame);
    ImageF->setGeometry(0, 0, 301, 179);
    ImageF->setScaledContents(true);  // the picture is stretched to the panel
    ImageF->setContextMenuPolicy(Qt::CustomContextMenu);

    PanelPodsk = Named(new CaptionPanel(client), "PanelPodsk");
    PanelPodsk->setGeometry(2, 214, 588, 35);
    PanelPodsk->setWordWrap(true);
    PanelPodsk->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelPodsk->setMargin(2);

    CBoxMainStr = Named(new QComboBox(client), "CBoxMainStr");
    CBoxMainStr->setGeometry(2, 252, 588, 28);
    CBoxMainStr->setEditable(true);
    CBoxMainStr->setInsertPolicy(QComboBox::NoInsert);  // the compute command keeps the history
    CBoxMainStr->setMaxVisibleItems(12);
    CBoxMainStr->setDuplicatesEnabled(true);
    CBoxMainStr->lineEdit()->setObjectName(QStringLiteral("CBoxMainStrEdit"));
    // Completion would change the text under the user's fingers; the history is a list to pick from.
    CBoxMainStr->setCompleter(nullptr);

    BBtnVichisl = Named(new QPushButton(client), "BBtnVichisl");
    BBtnVichisl->setGeometry(2, 285, 150, 30);
    BBtnVichisl->setIcon(GlyphIcon(Glyph::Compute));
    BBtnHelp = Named(new QPushButton(client), "BBtnHelp");
    BBtnHelp->setGeometry(156, 285, 110, 30);
    BBtnHelp->setIcon(GlyphIcon(Glyph::Help));
    PanCloseProg = Named(new CaptionPanel(client), "PanCloseProg");
    PanCloseProg->setGeometry(270, 285, 320, 30);
    PanCloseProg->hide();

    PanelLine1 = LimeLine(client, "PanelLine1", 320, kClientWidth);

    setTabOrder(CBoxMainStr, BBtnVichisl);
    setTabOrder(BBtnVichisl, BBtnHelp);
    setTabOrder(BBtnHelp, TViewTip);
}

void TFormFace::createToolbar() {
    const auto speed = [this](const char* name, int x, Glyph glyph) {
        return SpeedButton(PanelTools, name, {x, kSpeedTop}, GlyphIcon(glyph), kButtonSize);
    };
    SpButOpen = speed("SpButOpen", 3, Glyph::Open);
    SpButSave = speed("SpButSave", 28, Glyph::Save);
    SpButClose = speed("SpButClose", 53, Glyph::CloseFile);
    SpButOpt = speed("SpButOpt", 84, Glyph::Options);
    SpButSList = speed("SpButSList", 109, Glyph::Lists);
    SpButtonMem = speed("SpButtonMem", 134, Glyph::Memory);
    SpButtonLastV = speed("SpButtonLastV", 165, Glyph::PreviousExpression);
    SpButtonLastR = speed("SpButtonLastR", 190, Glyph::PreviousCalculation);
    ComBoxSelRas = Named(new QComboBox(PanelTools), "ComBoxSelRas");
    ComBoxSelRas->setGeometry(218, 4, 200, 23);
    ComBoxSelRas->setMaxVisibleItems(12);
    ComBoxSelRas->setFocusPolicy(Qt::ClickFocus);
    SpButtonIncFunc = speed("SpButtonIncFunc", 424, Glyph::InsertFormula);
    SpButtonliterature = speed("SpButtonliterature", 449, Glyph::Literature);
    SpButtonSprav = speed("SpButtonSprav", 480, Glyph::Reference);
    SpButtonInsFunc = speed("SpButtonInsFunc", 505, Glyph::Functions);
    SpeedButton1 = speed("SpeedButton1", 536, Glyph::About);
}

// The tree is built from the catalogue rows in depth-first order; each item keeps its
// absolute index (the position in that order) and its calculation code.
void TFormFace::createTree() {
    TViewTip = Named(new QTreeWidget(this), "TViewTip");
    TViewTip->setHeaderHidden(true);
    TViewTip->setColumnCount(1);
    TViewTip->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TViewTip->setContextMenuPolicy(Qt::CustomContextMenu);
    TViewTip->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TViewTip->header()->setStretchLastSection(false);
    TViewTip->setFont(TimesBold(13));

    QTreeWidgetItem* parents[5] = {};
    const auto rows = CatalogueRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CatalogueRow& row = rows[i];
        const int level = row.level < 1 ? 1 : (row.level > 4 ? 4 : row.level);
        QTreeWidgetItem* item = (level == 1 || parents[level - 1] == nullptr)
                                    ? new QTreeWidgetItem(TViewTip)
                                    : new QTreeWidgetItem(parents[level - 1]);
        item->setText(0, QString::fromUtf8(row.text));
        item->setData(0, kNodeIndexRole, static_cast<int>(i));
        item->setData(0, kNodeCodeRole, row.code);
        parents[level] = item;
        nodes_.push_back(item);
        for (int deeper = level + 1; deeper <= 4; ++deeper) parents[deeper] = nullptr;
    }
}

void TFormFace::setFonts() {
    PanTema->setFont(TimesBold(13));
    PanelPodsk->setFont(TimesBold(13));
    ComBoxSelRas->setFont(TimesBold(13));
    CBoxMainStr->setFont(TimesBold(16));
    BBtnVichisl->setFont(TimesBold(15));
    BBtnHelp->setFont(TimesBold(15));
    PanCloseProg->setFont(TimesBold(15));
    BitBtnIncParSk->setFont(TimesBold(13));
}

// Every Russian text of the main window.
void TFormFace::setTexts() {
    setWindowTitle(QStringLiteral("Калькулятор для проектирования инженерных систем"));
    PanTema->setText(QStringLiteral("Область вычислений"));
    BitBtnIncParSk->setText(QStringLiteral("[ ]"));
    SetHint(BitBtnIncParSk, QStringLiteral("Вставить пары скобок: [] [] ..."));
    BBtnVichisl->setText(QStringLiteral("Вычислить"));
    SetHint(BBtnVichisl, QStringLiteral("Вычислить выражение в строке"));
    BBtnHelp->setText(QStringLiteral("Помощь"));
    SetHint(BBtnHelp, QStringLiteral("Показать содержание всей системы помощи (в формате HTML)"));

    SetHint(SpButOpen, QStringLiteral("Открыть файл с настройками"));
    SetHint(SpButSave, QStringLiteral("Сохранить текущие настройки"));
    SetHint(SpButClose, QStringLiteral("Закрыть файл с настройками и установить все \"по умолчанию\""));
    SetHint(SpButOpt, QStringLiteral("Настройки калькулятора, константы и т.д."));
    SetHint(SpButSList, QStringLiteral("Списки строк для вычисления"));
    SetHint(SpButtonMem, QStringLiteral("Память Калькулятора"));
    SetHint(SpButtonLastV, QStringLiteral("Вернуть предыдущее выражение"));
    SetHint(SpButtonLastR, QStringLiteral("Вернуть предыдущий расчет"));
    SetHint(SpButtonIncFunc, QStringLiteral("Вставить строковое выражение расчета"));
    SetHint(SpButtonliterature, QStringLiteral("Ссылка на литературу по текущему расчету"));
    SetHint(SpButtonSprav, QStringLiteral("Справочник переводов единиц, константы"));
    SetHint(SpButtonInsFunc, QStringLiteral("Список доступных функций"));
    SetHint(SpeedButton1, QStringLiteral("О Программе..."));

    NFile->setTitle(QStringLiteral("Файл"));
    NFileLoad->setText(QStringLiteral("Открыть..."));
    NFileSave->setText(QStringLiteral("Сохранить..."));
    NFileSaveAs->setText(QStringLiteral("Сохранить как..."));
    NFileClose->setText(QStringLiteral("Закрыть"));
    NNastrOptions->setText(QStringLiteral("Настройки..."));
    NMemory->setText(QStringLiteral("Память..."));
    NVichStrings->setText(QStringLiteral("Список выражений..."));
    NZapiska->setText(QStringLiteral("Расчётная записка..."));
    NFileExit->setText(QStringLiteral("Выход"));
    NHelp->setTitle(QStringLiteral("Помощь"));
    NVstFunc->setText(QStringLiteral("Вставить формулу..."));
    NVstLiter->setText(QStringLiteral("Литература..."));
    NHelpFunc->setText(QStringLiteral("Функции..."));
    NHelpEdIzm->setText(QStringLiteral("Справочник..."));
    NHelpHtml->setText(QStringLiteral("Открыть Zul.html"));
    NHelpAbout->setText(QStringLiteral("О Программе..."));
    NZulExe->setText(ToQ(VersionMenuCaption()));
    PMIncRas->setText(QStringLiteral("Вставить в виде строки"));
    PMIncParSk->setText(QStringLiteral("Вставить пары скобок [ ]"));
    PMLiter->setText(QStringLiteral("Литература"));

    // Menu items share the hint of the tool button of the same command; "Выход" and
    // "О Программе..." have their own, which the hint handler turns into a banner.
    SetHint(NFileLoad, SpButOpen->statusTip());
    SetHint(NFileSave, SpButSave->statusTip());
    SetHint(NFileClose, SpButClose->statusTip());
    SetHint(NNastrOptions, SpButOpt->statusTip());
    SetHint(NMemory, SpButtonMem->statusTip());
    SetHint(NVichStrings, SpButSList->statusTip());
    SetHint(NZapiska, QStringLiteral("Расчёты сеанса документом: исходные данные, результаты, литература"));
    SetHint(NFileExit, QStringLiteral("Закрыть программу"));
    SetHint(NVstFunc, SpButtonIncFunc->statusTip());
    SetHint(NVstLiter, SpButtonliterature->statusTip());
    SetHint(NHelpFunc, SpButtonInsFunc->statusTip());
    SetHint(NHelpEdIzm, SpButtonSprav->statusTip());
    SetHint(NHelpHtml, BBtnHelp->statusTip());
    SetHint(NHelpAbout, QStringLiteral("О Программе"));
    SetHint(NZulExe, QStringLiteral("О Программе"));
    SetHint(PMIncParSk, BitBtnIncParSk->statusTip());
}

}  // namespace zul

namespace zul {

TFormFace::TFormFace(Calculator& calculator, Platform& platform, WindowFactory& windows, BusyIndicator* busy,
                     QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      calc_(calculator),
      platform_(platform),
      busy_(busy),
      files_(std::make_unique<FileCommands>(calculator, platform)),
      windows_(windows) {
    setObjectName(QStringLiteral("FormFace"));
    dataFolders_ = FindDataFolders(calc_.main.startDirectory, QCoreApplication::applicationFilePath().toStdString());
    // The calculation note quotes the same literature and shows the same pictures.
    calc_.report.literature = LoadLiteratureFile(dataFolders_.literature);
    calc_.report.picturesFolder = dataFolders_.pictures;
    createWidgets();
    createMenus();
    setTexts();
    setFonts();
    createConnections();
    // The hint handler is the application's: every status tip of every window reaches it,
    // and the window previews the keys of its controls.
    qApp->installEventFilter(this);
    // The client area is fixed; the border cannot be dragged.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    NVstFunc->setEnabled(false);
    NVstLiter->setEnabled(false);
    SpButtonIncFunc->setEnabled(false);
    SpButtonliterature->setEnabled(false);
    PanelPodsk->clear();
    ShowPicture(kStartPicture);
    RefreshFromCalculator();
}

TFormFace::~TFormFace() = default;

void TFormFace::RefreshFromCalculator() {
    RefreshHistoryItems();
    RefreshRecentItems();
}

}  // namespace zul
