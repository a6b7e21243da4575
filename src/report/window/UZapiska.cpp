// TFormZapiska construction: menus, widgets, texts, fonts and the wiring of every control.
#include "report/window/UZapiska.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Calculator.h"
#include "widgets/Glyphs.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"
#include "widgets/FitTextDelegate.h"
#include "widgets/GridGlyphs.h"
#include "report/window/JournalModel.h"
#include "report/window/ReportGlyphs.h"
#include "report/window/RowPicker.h"

namespace zul {

namespace {

constexpr int kToolHeight = 36;
constexpr int kSpeedTop = 5;     // speed buttons in the tool panel
constexpr int kBottomHeight = 36;
constexpr int kPreviewDelayMs = 250;  // edits come in bursts; the preview follows once

QAction* Item(QWidget* window, QMenu* menu, const char* name, const QKeySequence& shortcut = {}) {
    auto* action = Named(new QAction(menu), name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    menu->addAction(action);
    window->addAction(action);  // the shortcut works wherever the focus is in the window
    return action;
}

}  // namespace

TFormZapiska::TFormZapiska(Calculator& calculator, Platform& platform, Sources sources, QWidget* parent)
    : QDialog(parent, DialogFlags() | Qt::WindowMaximizeButtonHint),
      calc_(calculator),
      platform_(platform),
      sources_(std::move(sources)) {
    setObjectName(QStringLiteral("FormZapiska"));
    setModal(true);
    setMinimumSize(820, 540);
    resize(1000, 660);
    pick_ = [this](const QString& title, const QStringList& rows) { return PickRows(this, title, rows); };
    model_ = new JournalModel(calc_.report.journal, this);
    previewTimer_ = new QTimer(this);
    previewTimer_->setSingleShot(true);
    previewTimer_->setInterval(kPreviewDelayMs);
    createMenus();
    createWidgets();
    setTexts();
    setFonts();
    createConnections();
    ShowCounts();
    if (model_->rowCount() > 0) SelectEntry(model_->rowCount() - 1);
    RefreshPreview();
}

TFormZapiska::~TFormZapiska() = default;

void TFormZapiska::createMenus() {
    MainMenu = Named(new QMenuBar(this), "MainMenu");
    NFile = Named(new QMenu(MainMenu), "NFile");
    NExportPdf = Item(this, NFile, "NExportPdf", QKeySequence(Qt::Key_F2));
    NPrint = Item(this, NFile, "NPrint", QKeySequence(Qt::CTRL | Qt::Key_P));
    NExportOdf = Item(this, NFile, "NExportOdf");
    NExportHtml = Item(this, NFile, "NExportHtml");
    NCopy = Item(this, NFile, "NCopy", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    NFile->addSeparator();
    NExit = Item(this, NFile, "NExit");
    MainMenu->addMenu(NFile);

    NEntry = Named(new QMenu(MainMenu), "NEntry");
    NAddMem = Item(this, NEntry, "NAddMem");
    NAddList = Item(this, NEntry, "NAddList");
    NEntry->addSeparator();
    NUp = Item(this, NEntry, "NUp", QKeySequence(Qt::CTRL | Qt::Key_Up));
    NDown = Item(this, NEntry, "NDown", QKeySequence(Qt::CTRL | Qt::Key_Down));
    NDel = Item(this, NEntry, "NDel", QKeySequence(Qt::ALT | Qt::Key_Delete));
    NClear = Item(this, NEntry, "NClear");
    MainMenu->addMenu(NEntry);
    for (QMenu* menu : {NFile, NEntry}) menu->setToolTipsVisible(false);
}

void TFormZapiska::createWidgets() {
    PanelTools = Named(new QFrame(this), "PanelTools");
    PanelTools->setFixedHeight(kToolHeight);
    PanelTools->setFrameStyle(QFrame::Panel | QFrame::Raised);
    createToolbar();
    createHeading();

    GridZapiska = Named(new QTableView(this), "GridZapiska");
    GridZapiska->setModel(model_);
    GridZapiska->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridZapiska->setSelectionMode(QAbstractItemView::SingleSelection);
    GridZapiska->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::SelectedClicked);
    GridZapiska->setWordWrap(false);
    GridZapiska->verticalHeader()->hide();
    // What was computed takes the room there is; the other columns keep their widths.
    QHeaderView* header = GridZapiska->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(JournalModel::kCaption, QHeaderView::Stretch);
    const int widths[JournalModel::kColumnCount] = {62, 68, 0, 175, 110};
    for (int c = 0; c < JournalModel::kColumnCount; ++c)
        if (c != JournalModel::kCaption) GridZapiska->setColumnWidth(c, widths[c]);
    // A result is never cut: a long one (15 digits, an exponent and a unit) takes a smaller font.
    auto* results = new FitTextDelegate(GridZapiska);
    results->SetShrinkColumn(JournalModel::kResult, 10);
    GridZapiska->setItemDelegateForColumn(JournalModel::kResult, results);

    TextPreview = Named(new QTextBrowser(this), "TextPreview");
    TextPreview->setOpenLinks(false);
    SplitZapiska = Named(new QSplitter(Qt::Horizontal, this), "SplitZapiska");
    SplitZapiska->addWidget(GridZapiska);
    SplitZapiska->addWidget(TextPreview);
    SplitZapiska->setSizes({620, 380});
    SplitZapiska->setChildrenCollapsible(false);

    PanWhat = Named(new CaptionPanel(this), "PanWhat");
    PanWhat->setFixedHeight(kBottomHeight);
    PanWhat->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PanWhat->setIndent(12);
    BBtnHelp = BitButton(PanWhat, "BBtnHelp", QRect(0, 0, 108, kBottomHeight - 4), GlyphIcon(Glyph::Help));
    BBtnExitZap = BitButton(PanWhat, "BBtnExitZap", QRect(0, 0, 114, kBottomHeight - 4), GlyphIcon(Glyph::Exit));
    auto* bottom = new QHBoxLayout(PanWhat);
    bottom->setContentsMargins(2, 2, 8, 2);
    bottom->addStretch(1);
    for (QPushButton* b : {BBtnHelp, BBtnExitZap}) {
        b->setMinimumSize(b->size());
        bottom->addWidget(b);
    }
    PanLine1 = LimeLine(this, "PanLine1", 0, 0);
    PanLine1->setFixedHeight(6);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->setMenuBar(MainMenu);
    layout->addWidget(PanelTools);
    layout->addWidget(PanHeading);
    layout->addWidget(SplitZapiska, 1);
    layout->addWidget(PanWhat);
    layout->addWidget(PanLine1);
    setTabOrder(EditDate, GridZapiska);
    setTabOrder(GridZapiska, TextPreview);
    setTabOrder(TextPreview, BBtnHelp);
    setTabOrder(BBtnHelp, BBtnExitZap);
}

void TFormZapiska::createToolbar() {
    const auto speed = [this](const char* name, int x, const QIcon& icon) {
        return SpeedButton(PanelTools, name, {x, kSpeedTop}, icon);
    };
    SpButUp = speed("SpButUp", 4, GridGlyphIcon(GridGlyph::Up));
    SpButDown = speed("SpButDown", 31, GridGlyphIcon(GridGlyph::Down));
    BBtnDel = BitButton(PanelTools, "BBtnDel", QRect(62, 4, 104, 28), GridGlyphIcon(GridGlyph::Delete));
    SpButClear = speed("SpButClear", 170, GridGlyphIcon(GridGlyph::Clear));
    BBtnAddMem = BitButton(PanelTools, "BBtnAddMem", QRect(202, 4, 136, 28), GlyphIcon(Glyph::Memory));
    BBtnAddList = BitButton(PanelTools, "BBtnAddList", QRect(342, 4, 136, 28), GlyphIcon(Glyph::Lists));
    SpButPdf = speed("SpButPdf", 490, ReportGlyphIcon(ReportGlyph::Pdf));
    SpButPrint = speed("SpButPrint", 517, ReportGlyphIcon(ReportGlyph::Print));
    SpButOdf = speed("SpButOdf", 544, ReportGlyphIcon(ReportGlyph::Odf));
    SpButHtml = speed("SpButHtml", 571, ReportGlyphIcon(ReportGlyph::Html));
    SpButCopy = speed("SpButCopy", 598, ReportGlyphIcon(ReportGlyph::Copy));
}

// The heading block: a caption panel before each field, yellow while the field has the focus.
void TFormZapiska::createHeading() {
    PanHeading = Named(new QFrame(this), "PanHeading");
    PanHeading->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* grid = new QGridLayout(PanHeading);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    const auto field = [this, grid](CaptionPanel*& caption, QLineEdit*& edit, const char* captionName,
                                    const char* editName, int row, int column) {
        caption = Named(new CaptionPanel(PanHeading), captionName);
        caption->setFixedSize(92, 24);
        caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
        caption->setAlignment(Qt::AlignCenter);
        edit = Named(new QLineEdit(PanHeading), editName);
        edit->setMaxLength(500);
        edit->installEventFilter(this);
        grid->addWidget(caption, row, column);
        grid->addWidget(edit, row, column + 1);
    };
    field(PanObject, EditObject, "PanObject", "EditObject", 0, 0);
    field(PanSection, EditSection, "PanSection", "EditSection", 0, 2);
    field(PanAuthor, EditAuthor, "PanAuthor", "EditAuthor", 1, 0);
    field(PanDate, EditDate, "PanDate", "EditDate", 1, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    const ReportHeading& heading = calc_.report.heading;
    EditObject->setText(ToQ(heading.object));
    EditSection->setText(ToQ(heading.section));
    EditAuthor->setText(ToQ(heading.author));
    EditDate->setText(ToQ(heading.date));
}

// Every Russian text of the window.
void TFormZapiska::setTexts() {
    setWindowTitle(QStringLiteral("Расчётная записка"));
    NFile->setTitle(QStringLiteral("Файл"));
    NExportPdf->setText(QStringLiteral("Сохранить в PDF..."));
    NPrint->setText(QStringLiteral("Печать..."));
    NExportOdf->setText(QStringLiteral("Сохранить в ODF..."));
    NExportHtml->setText(QStringLiteral("Сохранить в HTML..."));
    NCopy->setText(QStringLiteral("Копировать в буфер обмена"));
    NExit->setText(QStringLiteral("Закрыть"));
    NEntry->setTitle(QStringLiteral("Запись"));
    NAddMem->setText(QStringLiteral("Добавить из памяти..."));
    NAddList->setText(QStringLiteral("Добавить из списка выражений..."));
    NUp->setText(QStringLiteral("Вверх"));
    NDown->setText(QStringLiteral("Вниз"));
    NDel->setText(QStringLiteral("Удалить"));
    NClear->setText(QStringLiteral("Очистить"));

    SetHint(SpButUp, QStringLiteral("Переместить запись ВВЕРХ по списку"));
    SetHint(SpButDown, QStringLiteral("Переместить запись ВНИЗ по списку"));
    BBtnDel->setText(QStringLiteral("Удалить"));
    SetHint(BBtnDel, QStringLiteral("Удалить запись из расчётной записки"));
    SetHint(SpButClear, QStringLiteral("Очистить расчётную записку"));
    BBtnAddMem->setText(QStringLiteral("Из памяти..."));
    SetHint(BBtnAddMem, QStringLiteral("Добавить строки памяти Калькулятора"));
    BBtnAddList->setText(QStringLiteral("Из списка..."));
    SetHint(BBtnAddList, QStringLiteral("Добавить строки списка выражений"));
    SetHint(SpButPdf, QStringLiteral("Сохранить записку в файле PDF"));
    SetHint(SpButPrint, QStringLiteral("Напечатать записку"));
    SetHint(SpButOdf, QStringLiteral("Сохранить записку в файле ODF (LibreOffice Writer)"));
    SetHint(SpButHtml, QStringLiteral("Сохранить записку в файле HTML (рисунки внутри файла)"));
    SetHint(SpButCopy, QStringLiteral("Копировать записку в буфер обмена (с таблицами)"));
    for (auto [action, button] : {std::pair{NExportPdf, SpButPdf}, {NPrint, SpButPrint}, {NExportOdf, SpButOdf},
                                  {NExportHtml, SpButHtml}, {NCopy, SpButCopy}, {NUp, SpButUp},
                                  {NDown, SpButDown}, {NClear, SpButClear}})
        SetHint(action, button->statusTip());
    SetHint(NAddMem, BBtnAddMem->statusTip());
    SetHint(NAddList, BBtnAddList->statusTip());
    SetHint(NDel, BBtnDel->statusTip());

    PanObject->setText(QStringLiteral("Объект:"));
    PanSection->setText(QStringLiteral("Раздел:"));
    PanAuthor->setText(QStringLiteral("Составил:"));
    PanDate->setText(QStringLiteral("Дата:"));
    SetHint(EditObject, QStringLiteral("Объект строительства: строка заголовка записки"));
    SetHint(EditSection, QStringLiteral("Раздел проекта: строка заголовка записки"));
    SetHint(EditAuthor, QStringLiteral("Кто составил записку"));
    SetHint(EditDate, QStringLiteral("Дата записки"));
    SetHint(GridZapiska, QStringLiteral("Расчёты сеанса: флажок - в записке, примечание - двойной щелчок"));
    BBtnHelp->setText(QStringLiteral("Помощь"));
    BBtnExitZap->setText(QStringLiteral("Закрыть"));
    SetHint(BBtnExitZap, QStringLiteral("Закрыть окно \"Расчётная записка\""));
    SetHint(NExit, BBtnExitZap->statusTip());
}

void TFormZapiska::setFonts() {
    for (QWidget* w : std::initializer_list<QWidget*>{BBtnDel, BBtnAddMem, BBtnAddList, BBtnHelp, BBtnExitZap})
        w->setFont(TimesBold(16));
    for (QWidget* w : std::initializer_list<QWidget*>{PanObject, PanSection, PanAuthor, PanDate, EditObject,
                                                     EditSection, EditAuthor, EditDate})
        w->setFont(TimesBold(15));
    GridZapiska->setFont(TimesBold(15));
    GridZapiska->horizontalHeader()->setFont(TimesBold(14));
    GridZapiska->verticalHeader()->setDefaultSectionSize(22);
    PanWhat->setFont(TimesBold(LargeDesktop() ? 17 : 16));
}

void TFormZapiska::createConnections() {
    const auto bind = [this](QAction* action, void (TFormZapiska::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    };
    const auto bindButton = [this](QAbstractButton* button, void (TFormZapiska::*command)()) {
        connect(button, &QAbstractButton::clicked, this, [this, command] { (this->*command)(); });
    };
    bind(NExportPdf, &TFormZapiska::NExportPdfClick);
    bind(NPrint, &TFormZapiska::NPrintClick);
    bind(NExportOdf, &TFormZapiska::NExportOdfClick);
    bind(NExportHtml, &TFormZapiska::NExportHtmlClick);
    bind(NCopy, &TFormZapiska::NCopyClick);
    bind(NAddMem, &TFormZapiska::BBtnAddMemClick);
    bind(NAddList, &TFormZapiska::BBtnAddListClick);
    bind(NUp, &TFormZapiska::SpButUpClick);
    bind(NDown, &TFormZapiska::SpButDownClick);
    bind(NDel, &TFormZapiska::BBtnDelClick);
    bind(NClear, &TFormZapiska::SpButClearClick);
    connect(NExit, &QAction::triggered, this, &QDialog::reject);
    bindButton(SpButUp, &TFormZapiska::SpButUpClick);
    bindButton(SpButDown, &TFormZapiska::SpButDownClick);
    bindButton(BBtnDel, &TFormZapiska::BBtnDelClick);
    bindButton(SpButClear, &TFormZapiska::SpButClearClick);
    bindButton(BBtnAddMem, &TFormZapiska::BBtnAddMemClick);
    bindButton(BBtnAddList, &TFormZapiska::BBtnAddListClick);
    bindButton(SpButPdf, &TFormZapiska::NExportPdfClick);
    bindButton(SpButPrint, &TFormZapiska::NPrintClick);
    bindButton(SpButOdf, &TFormZapiska::NExportOdfClick);
    bindButton(SpButHtml, &TFormZapiska::NExportHtmlClick);
    bindButton(SpButCopy, &TFormZapiska::NCopyClick);
    connect(BBtnExitZap, &QPushButton::clicked, this, &QDialog::reject);
    connect(BBtnHelp, &QPushButton::clicked, this, [this] {
        if (sources_.help) sources_.help();
    });
    connect(previewTimer_, &QTimer::timeout, this, [this] { RefreshPreview(); });
    connect(model_, &JournalModel::entryEdited, this, [this] {
        calc_.main.settingsFile.MarkModifiedIfInUse();
        ShowCounts();
        previewTimer_->start();
    });
    for (QLineEdit* edit : {EditObject, EditSection, EditAuthor, EditDate})
        connect(edit, &QLineEdit::textEdited, this, [this] { HeadingEdited(); });
}

void TFormZapiska::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    GridZapiska->setFocus();
}

// A heading field's caption turns yellow while the field has the focus.
bool TFormZapiska::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const std::pair<QLineEdit*, CaptionPanel*> fields[] = {
            {EditObject, PanObject}, {EditSection, PanSection}, {EditAuthor, PanAuthor}, {EditDate, PanDate}};
        for (const auto& [edit, caption] : fields)
            if (watched == edit) caption->setPanelColor(event->type() == QEvent::FocusIn ? Yellow() : ButtonFace());
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zul
