// TFormMem construction: widgets, texts, fonts and the wiring of every control.
#include "memory/window/UMemory.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

#include "app/Calculator.h"
#include "widgets/Glyphs.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"
#include "app/MemoryCommands.h"
#include "widgets/GridGlyphs.h"
#include "widgets/StringGrid.h"

namespace zul {

namespace {

constexpr int kClientWidth = 600;
constexpr int kClientHeight = 296;
constexpr int kPanWhatTop = 252;
constexpr int kPanWhatHeight = 36;
constexpr int kSpeedTop = 5;  // speed buttons in the tool panel

}  // namespace

TFormMem::TFormMem(Calculator& calculator, Platform& platform, WindowFactory& windows, QWidget* parent)
    : QDialog(parent, DialogFlags()),
      calc_(calculator),
      platform_(platform),
      commands_(std::make_unique<MemoryCommands>(calculator.memory, calculator.main.settingsFile,
                                                 calculator.main.history, platform)),
      windows_(windows) {
    setObjectName(QStringLiteral("FormMem"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    createWidgets();
    setTexts();
    setFonts();
    createConnections();
    // Key preview: Esc closes the window even from an open cell editor.
    qApp->installEventFilter(this);
    RefreshFromTable();
}

// An editor still open when the window goes commits as it closes: by then the commands are gone.
TFormMem::~TFormMem() { StrGridChisl->SetAccess({}); }

void TFormMem::createWidgets() {
    Panel1 = Named(new QFrame(this), "Panel1");
    Panel1->setGeometry(0, 0, kClientWidth, 36);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    BBtnInc = BitButton(Panel1, "BBtnInc", QRect(4, 4, 110, 28), GridGlyphIcon(GridGlyph::Add));
    BBtnDec = BitButton(Panel1, "BBtnDec", QRect(116, 4, 104, 28), GridGlyphIcon(GridGlyph::Delete));
    SpButClear = SpeedButton(Panel1, "SpButClear", {222, kSpeedTop}, GridGlyphIcon(GridGlyph::Clear));
    BBtnAddCalc = BitButton(Panel1, "BBtnAddCalc", QRect(250, 4, 122, 28), GridGlyphIcon(GridGlyph::Insert));
    ComBoxKakVst = Named(new QComboBox(Panel1), "ComBoxKakVst");
    ComBoxKakVst->setGeometry(376, 6, 128, 24);
    SpButUp = SpeedButton(Panel1, "SpButUp", {508, kSpeedTop}, GridGlyphIcon(GridGlyph::Up));
    SpButDown = SpeedButton(Panel1, "SpButDown", {535, kSpeedTop}, GridGlyphIcon(GridGlyph::Down));
    SpButAboutMem = SpeedButton(Panel1, "SpButAboutMem", {568, kSpeedTop}, GlyphIcon(Glyph::About));

    StrGridChisl = Named(new StringGrid(MemoryTable::kColumns, this), "StrGridChisl");
    StrGridChisl->setGeometry(2, 38, kClientWidth - 4, kPanWhatTop - 40);
    // A result has 12 decimals; in its column of 112 pixels it takes a smaller font.
    StrGridChisl->SetShrinkColumn(2, 11);

    PanWhat = Named(new CaptionPanel(this), "PanWhat");
    PanWhat->setGeometry(2, kPanWhatTop, kClientWidth - 4, kPanWhatHeight);
    PanWhat->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PanWhat->setIndent(12);
    BBtnHelp = BitButton(PanWhat, "BBtnHelp", QRect(364, 2, 108, kPanWhatHeight - 4), GlyphIcon(Glyph::Help));
    BBtnExitMem =
        BitButton(PanWhat, "BBtnExitMem", QRect(476, 2, 114, kPanWhatHeight - 4), GlyphIcon(Glyph::Exit));

    PanLine1 = LimeLine(this, "PanLine1", kClientHeight - 6, kClientWidth);

    MemoryTable& table = calc_.memory;
    StrGridChisl->SetAccess({
        [&table] { return table.RowCount(); },
        [&table](int row, int column) { return table.CellText(row, column); },
        [this](int row, int column, const std::string& text) {
            commands_->EditCell(column, row, text);
        },
        // Column 0 holds the numbers, which stay with the positions.
        [](int column) { return column >= 1; },
    });
    for (int c = 0; c < MemoryTable::kColumns; ++c)
        StrGridChisl->SetHeader(c, ToQ(MemoryTable::HeaderText(c)));
    setTabOrder(StrGridChisl, BBtnHelp);
    setTabOrder(BBtnHelp, BBtnExitMem);
}

// Every Russian text of the window.
void TFormMem::setTexts() {
    setWindowTitle(QStringLiteral("Память Калькулятора"));
    BBtnInc->setText(QStringLiteral("Добавить"));
    SetHint(BBtnInc, QStringLiteral("Добавить пустую строку в список"));
    BBtnDec->setText(QStringLiteral("Удалить"));
    SetHint(BBtnDec, QStringLiteral("Удалить строку из списка"));
    SetHint(SpButClear, QStringLiteral("Очистить память"));
    BBtnAddCalc->setText(QStringLiteral("Вставить..."));
    SetHint(BBtnAddCalc, QStringLiteral("Вставить выражение (результат) в строку Калькулятора"));
    ComBoxKakVst->addItems(
        {QStringLiteral("В начало строки"), QStringLiteral("В конец строки"), QStringLiteral("Заменить")});
    SetHint(SpButUp, QStringLiteral("Переместить строку ВВЕРХ по списку"));
    SetHint(SpButDown, QStringLiteral("Переместить строку ВНИЗ по списку"));
    SetHint(SpButAboutMem, QStringLiteral("О Программе..."));
    PanWhat->setText(QStringLiteral("Выражение №1"));
    BBtnHelp->setText(QStringLiteral("Помощь"));
    BBtnExitMem->setText(QStringLiteral("Закрыть"));
    SetHint(BBtnExitMem, QStringLiteral("Закрыть окно \"Память Калькулятора\""));
}

void TFormMem::setFonts() {
    for (QWidget* w : {static_cast<QWidget*>(BBtnInc), static_cast<QWidget*>(BBtnDec),
                       static_cast<QWidget*>(BBtnAddCalc), static_cast<QWidget*>(BBtnHelp),
                       static_cast<QWidget*>(BBtnExitMem), static_cast<QWidget*>(StrGridChisl)})
        w->setFont(TimesBold(16));
    ComBoxKakVst->setFont(TimesBold(13));
    StrGridChisl->horizontalHeader()->setFont(TimesBold(14));
    PanWhat->setFont(TimesBold(LargeDesktop() ? 17 : 16));
}

void TFormMem::createConnections() {
    connect(BBtnInc, &QPushButton::clicked, this, [this] { BBtnIncClick(); });
    connect(BBtnDec, &QPushButton::clicked, this, [this] { BBtnDecClick(); });
    connect(SpButClear, &QToolButton::clicked, this, [this] { SpButClearClick(); });
    connect(BBtnAddCalc, &QPushButton::clicked, this, [this] { BBtnAddCalcClick(); });
    connect(SpButUp, &QToolButton::clicked, this, [this] { SpButUpClick(); });
    connect(SpButDown, &QToolButton::clicked, this, [this] { SpButDownClick(); });
    connect(SpButAboutMem, &QToolButton::clicked, this, [this] { SpButAboutMemClick(); });
    connect(BBtnHelp, &QPushButton::clicked, this, [this] { BBtnHelpClick(); });
    connect(BBtnExitMem, &QPushButton::clicked, this, [this] { BBtnExitMemClick(); });
    connect(ComBoxKakVst, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int item) { commands_->SetInsertMode(item); });
    connect(StrGridChisl, &StringGrid::cellSelected, this,
            [this](int row, int column) { StrGridChislSelectCell(row, column); });
    connect(StrGridChisl, &StringGrid::columnResized, this,
            [this](int column, int width) { calc_.memory.SetColumnWidth(column, width); });
}

void TFormMem::showEvent(QShowEvent* event) {
    RefreshFromTable();
    QDialog::showEvent(event);
    StrGridChisl->setFocus();
}

bool TFormMem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isVisible()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (widget != nullptr && widget->window() == this && key->key() == Qt::Key_Escape &&
            key->modifiers() == Qt::NoModifier) {
            BBtnExitMemClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zul
