// TFormIncFunc construction: widgets, texts, fonts, and the wiring of every control.
#include "insert/window/UIncFunc.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/Calculator.h"
#include "widgets/FitText.h"
#include "widgets/Glyphs.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"
#include "app/CalculatorInsertHost.h"
#include "insert/InsertFormula.h"
#include "insert/ShowLiterature.h"

namespace zul {

namespace {

constexpr int kClientWidth = 532;
constexpr int kFieldLeft = 7;
constexpr int kFieldWidth = 385;
constexpr int kFirstCaptionTop = 90;
constexpr int kFieldStep = 50;
constexpr int kCaptionHeight = 20;
constexpr int kComboHeight = 26;
constexpr int kButtonLeft = 400;
constexpr int kButtonWidth = 125;
constexpr int kButtonHeight = 28;
constexpr int kResultButtonTop = 90;
constexpr int kInsertButtonTop = 122;

int CaptionTop(int field) { return kFirstCaptionTop + kFieldStep * (field - 1); }
int ComboTop(int field) { return CaptionTop(field) + kCaptionHeight + 2; }

// The buttons stand in one column. Enter runs the preview wherever the focus is, which is
// why BitButton leaves every button of the window non-default.
QRect ButtonRect(int top) { return QRect(kButtonLeft, top, kButtonWidth, kButtonHeight); }

QLineEdit* ReadOnlyLine(QWidget* parent, const char* name, int top) {
    auto* line = Named(new QLineEdit(parent), name);
    line->setGeometry(kFieldLeft + 4, top, 510, 24);
    line->setReadOnly(true);
    line->setFrame(false);
    return line;
}

// A caption panel keeps its 10-point font; a caption longer than the panel steps down a
// pixel or two rather than lose its end.
void ShowCaption(CaptionPanel* panel, const QString& caption, int minPixels) {
    panel->setText(caption);
    FitLabelFont(panel, TimesBold(13), minPixels);
}

// The formula line shows a long formula in a smaller font; one that is too long even so
// starts at its beginning, scrolls, and has the whole formula as its tooltip.
void ShowFormula(QLineEdit* line, const QString& formula) {
    line->setText(formula);
    const FittedText fitted = FitText(formula, TimesBold(16), line->width() - 8, 12);
    line->setFont(fitted.font);
    line->setToolTip(fitted.whole ? QString() : formula);
    line->setCursorPosition(0);
}

}  // namespace

TFormIncFunc::TFormIncFunc(Calculator& calculator, Platform& platform, QWidget* parent)
    : QDialog(parent, DialogFlags()),
      platform_(platform),
      host_(MakeCalculatorInsertHost(calculator)),
      dialog_(std::make_unique<InsertFormulaDialog>()),
      startDirectory_(calculator.main.startDirectory) {
    setObjectName(QStringLiteral("FormIncFunc"));
    setModal(true);
    runModal_ = [](QDialog* window) { window->exec(); };
    literature_ = [this] { ShowLiterature(platform_, startDirectory_, host_->CalculationCode()); };
    createWidgets();
    setTexts();
    setFonts();
    createConnections();
    // Key preview: Enter reaches the window whatever control has the focus.
    qApp->installEventFilter(this);
    setFixedWidth(kClientWidth);
    ReadFunc->clear();
    ReadRez->clear();
    for (QComboBox* combo : CombDat) combo->clearEditText();
}

TFormIncFunc::~TFormIncFunc() = default;

void TFormIncFunc::createWidgets() {
    PanNameRas = Named(new CaptionPanel(this), "PanNameRas");
    PanNameRas->setGeometry(kFieldLeft, 4, 518, 20);
    PanNameRas->setPanelColor(Lime());
    PanNameRas->setTextColor(Qt::black);
    PanNameRas->setContentsMargins(6, 0, 6, 0);  // a long title keeps clear of the edges

    Bevel1 = Named(new QFrame(this), "Bevel1");
    Bevel1->setGeometry(kFieldLeft, 28, 518, 56);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ReadFunc = ReadOnlyLine(this, "ReadFunc", 31);
    ReadRez = ReadOnlyLine(this, "ReadRez", 57);

    for (int k = 1; k <= 6; ++k) {
        const std::string index = std::to_string(k);
        auto* caption = Named(new CaptionPanel(this), ("PanDat" + index).c_str());
        caption->setGeometry(kFieldLeft, CaptionTop(k), kFieldWidth, kCaptionHeight);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        caption->setIndent(6);
        auto* combo = Named(new QComboBox(this), ("CombDat" + index).c_str());
        combo->setGeometry(kFieldLeft, ComboTop(k), kFieldWidth, kComboHeight);
        combo->setEditable(true);
        // The value lists are the core's; Enter must not add items of its own.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setMaxVisibleItems(12);
        combo->installEventFilter(this);
        PanDat[static_cast<std::size_t>(k - 1)] = caption;
        CombDat[static_cast<std::size_t>(k - 1)] = combo;
    }

    BBtnRez = BitButton(this, "BBtnRez", ButtonRect(kResultButtonTop), GlyphIcon(Glyph::Compute));
    BBtnIncF = BitButton(this, "BBtnIncF", ButtonRect(kInsertButtonTop), GlyphIcon(Glyph::InsertFormula));
    BBtnCansel = BitButton(this, "BBtnCansel", ButtonRect(kInsertButtonTop + 32), GlyphIcon(Glyph::Exit));

    PanLine2 = LimeLine(this, "PanLine2", 200, kClientWidth);

    QWidget* previous = CombDat[0];
    for (QWidget* next : {static_cast<QWidget*>(CombDat[1]), static_cast<QWidget*>(CombDat[2]),
                          static_cast<QWidget*>(CombDat[3]), static_cast<QWidget*>(CombDat[4]),
                          static_cast<QWidget*>(CombDat[5]), static_cast<QWidget*>(BBtnRez),
                          static_cast<QWidget*>(BBtnIncF), static_cast<QWidget*>(BBtnCansel)}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

// Every Russian text of the window.
void TFormIncFunc::setTexts() {
    setWindowTitle(QStringLiteral("Вставить формулу расчета в строку ввода"));
    BBtnRez->setText(QStringLiteral("Результат"));
    SetHint(BBtnRez, QStringLiteral("Показать предварительный результат"));
    BBtnIncF->setText(QStringLiteral("Вставить"));
    SetHint(BBtnIncF, QStringLiteral("Вставить формулу в главную строку ввода калькулятора"));
    BBtnCansel->setText(QStringLiteral("Выход"));
    SetHint(BBtnCansel, QStringLiteral("Закрыть это окно"));
}

void TFormIncFunc::setFonts() {
    setFont(TimesBold(16));
    for (QWidget* w :
         {static_cast<QWidget*>(ReadFunc), static_cast<QWidget*>(ReadRez), static_cast<QWidget*>(BBtnRez),
          static_cast<QWidget*>(BBtnIncF), static_cast<QWidget*>(BBtnCansel)})
        w->setFont(TimesBold(16));
    for (QComboBox* combo : CombDat) combo->setFont(TimesBold(16));
    for (CaptionPanel* caption : PanDat) caption->setFont(TimesBold(13));
    PanNameRas->setFont(TimesBold(13));
}

void TFormIncFunc::createConnections() {
    connect(BBtnRez, &QPushButton::clicked, this, [this] { BBtnRezClick(); });
    connect(BBtnIncF, &QPushButton::clicked, this, [this] { BBtnIncFClick(); });
    connect(BBtnCansel, &QPushButton::clicked, this, [this] { BBtnCanselClick(); });
    connect(PanNameRas, &CaptionPanel::clicked, this, [this] { ReadRez->setFocus(); });
    for (int k = 1; k <= 6; ++k) {
        QComboBox* combo = CombDat[static_cast<std::size_t>(k - 1)];
        connect(PanDat[static_cast<std::size_t>(k - 1)], &CaptionPanel::clicked, this,
                [combo] { combo->setFocus(); });
        connect(combo, &QComboBox::editTextChanged, this, [this, k] { CombDat1Change(k); });
    }
}

void TFormIncFunc::ArrangeFields() {
    const InsertFormulaDialog& d = *dialog_;
    FieldGeometryInput in;
    in.count = d.FieldCount();
    const QSize desktop = DesktopSize();
    in.desktopPixels = static_cast<long long>(desktop.width()) * desktop.height();
    in.desktopHeight = desktop.height();
    in.insertButtonTop = kInsertButtonTop;
    in.exitButtonHeight = kButtonHeight;
    for (int k = 1; k <= 6; ++k) in.comboTops[static_cast<std::size_t>(k - 1)] = ComboTop(k);
    in.comboHeight = kComboHeight;
    const FieldGeometry g = ArrangeFieldGeometry(in);

    for (int k = 1; k <= 6; ++k) {
        const bool shown = d.FieldVisible(k);
        PanDat[static_cast<std::size_t>(k - 1)]->setVisible(shown);
        CombDat[static_cast<std::size_t>(k - 1)]->setVisible(shown);
        if (shown) ShowCaption(PanDat[static_cast<std::size_t>(k - 1)], ToQ(d.FieldCaption(k)), 11);
    }
    BBtnCansel->move(kButtonLeft, g.exitButtonTop);
    PanLine2->move(0, g.lineTop);
    // The rule gives the outer height of a window whose title bar and borders take 29 px
    // at 96 dpi; the client ends 6 px below the strip.
    const int clientHeight = g.windowHeight - 29;
    setFixedHeight(clientHeight);
    move(x(), g.windowTop);
}

void TFormIncFunc::ShowDialogState() {
    const InsertFormulaDialog& d = *dialog_;
    showing_ = true;
    ShowCaption(PanNameRas, ToQ(d.Title()), 10);
    ShowFormula(ReadFunc, ToQ(d.ReadFunc()));
    ReadRez->setText(ToQ(d.ReadRez()));
    for (int k = 1; k <= 6; ++k) {
        QComboBox* combo = CombDat[static_cast<std::size_t>(k - 1)];
        const QString text = ToQ(d.FieldText(k));
        QStringList items;
        for (const std::string& value : d.ValueList(k)) items << ToQ(value);
        const QStringList shownItems = [combo] {
            QStringList list;
            for (int i = 0; i < combo->count(); ++i) list << combo->itemText(i);
            return list;
        }();
        if (shownItems != items) {
            combo->clear();
            combo->addItems(items);
        }
        if (combo->currentText() != text) combo->setEditText(text);
    }
    showing_ = false;
    if (d.FocusRequest() != 0) CombDat[static_cast<std::size_t>(d.FocusRequest() - 1)]->setFocus();
}

DialogOutcome TFormIncFunc::RunDialog(const std::string& title, const TMasDatStr& setup) {
    if (!dialog_->Configure(title, setup, host_->CalculationCode())) return {};
    ShowDialogState();
    ArrangeFields();
    // Centred on the screen across, at the height the arrangement gave.
    const QSize desktop = DesktopSize();
    move((desktop.width() - width()) / 2, y());
    CombDat[0]->setFocus();
    runModal_(this);
    return dialog_->Finish();
}

void TFormIncFunc::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // FormActivate: a window as tall as the desktop starts at its top edge.
    const int top = ActivatedWindowTop(y(), frameGeometry().height(), DesktopSize().height());
    if (top != y()) move(x(), top);
    CombDat[0]->setFocus();
}

bool TFormIncFunc::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                BBtnRezClick();
                return true;
            }
            // Escape is not a command of this dialog; it must not close it either.
            if (key == Qt::Key_Escape) return true;
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            for (std::size_t i = 0; i < CombDat.size(); ++i) {
                if (watched == CombDat[i])
                    PanDat[i]->setPanelColor(event->type() == QEvent::FocusIn ? Yellow() : ButtonFace());
            }
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormIncFunc::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    // Only the free area counts: a click on a control that passed it on is not one.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) FormClick();
}

}  // namespace zul
