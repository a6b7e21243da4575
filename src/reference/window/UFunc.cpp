// TFormFunc: the function list window.
#include "reference/window/UFunc.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "widgets/Glyphs.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"

namespace zul {

namespace {

constexpr int kClientWidth = 485;
constexpr int kClientHeight = 358;

}  // namespace

TFormFunc::TFormFunc(QWidget* parent)
    : QDialog(parent, DialogFlags()) {
    setObjectName(QStringLiteral("FormFunc"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    createWidgets();
    setTexts();
    setFonts();
    ShowHighlight();
    connect(BBtnExitFunc, &QPushButton::clicked, this, [this] { reject(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void TFormFunc::createWidgets() {
    PanelUp = Named(new CaptionPanel(this), "PanelUp");
    PanelUp->setGeometry(6, 6, kClientWidth - 12, 26);
    MemoFunc = Named(new QPlainTextEdit(this), "MemoFunc");
    MemoFunc->setGeometry(6, 36, kClientWidth - 12, 228);
    MemoFunc->setReadOnly(true);
    MemoFunc->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    MemoFunc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoFunc->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette silver = MemoFunc->palette();
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    silver.setColor(QPalette::Text, Qt::black);
    MemoFunc->setPalette(silver);
    PanelDown = Named(new CaptionPanel(this), "PanelDown");
    PanelDown->setGeometry(6, 268, kClientWidth - 12, 26);
    BBtnExitFunc =
        BitButton(this, "BBtnExitFunc", QRect(6, 302, kClientWidth - 12, 40), GlyphIcon(Glyph::Exit));
    PanLine1 = LimeLine(this, "PanLine1", kClientHeight - 6, kClientWidth);
    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(kFunctionHighlightIntervalMs);
}

// Every Russian text of the window.
void TFormFunc::setTexts() {
    setWindowTitle(ToQ(kFunctionListCaption));
    PanelUp->setText(ToQ(kFunctionCopyInstruction));
    PanelDown->setText(ToQ(kFunctionPasteInstruction));
    QStringList lines;
    for (std::string_view line : FunctionListLines()) lines << ToQ(line);
    MemoFunc->setPlainText(lines.join(QLatin1Char('\n')));
    SetHint(MemoFunc, ToQ(kFunctionMemoHint));
    BBtnExitFunc->setText(QStringLiteral("Закрыть"));
    SetHint(BBtnExitFunc, QStringLiteral("Закрыть это окно"));
}

void TFormFunc::setFonts() {
    setFont(TimesBold(16));
    MemoFunc->setFont(TimesBold(16));
    BBtnExitFunc->setFont(TimesBold(16));
    PanelUp->setFont(TimesBold(13));
    PanelDown->setFont(TimesBold(13));
}

void TFormFunc::ShowHighlight() {
    const bool copyLine = highlight_.copyLineHighlighted;
    PanelUp->setPanelColor(copyLine ? Yellow() : ButtonFace());
    PanelUp->setFrameStyle(copyLine ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    PanelDown->setPanelColor(copyLine ? ButtonFace() : Yellow());
    PanelDown->setFrameStyle(copyLine ? QFrame::NoFrame : QFrame::Box | QFrame::Plain);
}

void TFormFunc::Timer1Timer() {
    highlight_.Tick();
    ShowHighlight();
}

void TFormFunc::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // The highlight moves only while this window is the active one.
    if (RunTimerWhileActive(this, event, Timer1)) highlight_.flag = true;
}

void TFormFunc::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zul
