// TFormAbout: the about box.
#include "reference/window/UAboutC.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "widgets/Glyphs.h"
#include "widgets/Panels.h"
#include "widgets/QtText.h"

namespace zul {

namespace {

constexpr int kClientWidth = 618;
constexpr int kClientHeight = 438;
constexpr int kLabelLeft = 10;
constexpr int kLabelWidth = 124;
constexpr int kTextLeft = 140;
constexpr int kTextWidth = kClientWidth - kTextLeft - 10;
constexpr int kRowHeight = 24;
constexpr int kPurposeHeight = 104;

// The picture of the box: a desk calculator whose display reads the program's name.
QPixmap AboutPicture() {
    QPixmap pixmap(122, 92);
    pixmap.fill(QColor(0, 128, 128));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(192, 192, 192));
    p.drawRoundedRect(QRectF(30.5, 4.5, 62, 84), 5, 5);
    p.setBrush(QColor(0, 255, 0));
    p.drawRect(QRectF(36.5, 10.5, 50, 18));
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    p.drawText(QRectF(36, 10, 50, 18), Qt::AlignCenter, QStringLiteral("ЗУЛ"));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            p.setBrush(column == 3 ? QColor(128, 0, 0) : QColor(0, 0, 128));
            p.drawRect(QRectF(37.5 + column * 12.5, 34.5 + row * 13, 9, 9));
        }
    }
    // A pipe with its flow, the subject of most of the calculations.
    p.setPen(QPen(QColor(255, 255, 0), 4));
    p.drawLine(4, 80, 26, 80);
    p.drawLine(97, 80, 118, 80);
    return pixmap;
}

}  // namespace

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent, DialogFlags()) {
    setObjectName(QStringLiteral("FormAbout"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    createWidgets();
    setTexts();
    setFonts();
    connect(BBtnExitAbout, &QPushButton::clicked, this, [this] { reject(); });
    connect(TimerAbout, &QTimer::timeout, this, [this] { TimerAboutTimer(); });
}

void TFormAbout::createWidgets() {
    int top = 10;
    const auto rows = AboutRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool purpose = i == 2;
        const int height = purpose ? kPurposeHeight : kRowHeight;
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("LabelRow%1").arg(i + 1));
        label->setGeometry(kLabelLeft, top, kLabelWidth, kRowHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* text = new QLabel(this);
        text->setObjectName(QStringLiteral("TextRow%1").arg(i + 1));
        text->setGeometry(kTextLeft, top, kTextWidth, height);
        text->setAlignment(Qt::AlignLeft | (purpose ? Qt::AlignTop : Qt::AlignVCenter));
        text->setWordWrap(purpose);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (purpose) text->setContentsMargins(0, 3, 0, 0);
        RowLabels.push_back(label);
        RowTexts.push_back(text);
        top += height + 6;
    }

    auto* notesLabel = Named(new QLabel(this), "LabelNotes");
    notesLabel->setGeometry(kLabelLeft, top, kLabelWidth, kRowHeight);
    notesLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    notesLabel->setText(QStringLiteral("Примечания:"));
    ImagePict = Named(new QLabel(this), "ImagePict");
    ImagePict->setGeometry(kLabelLeft, top + kRowHeight, 122, 92);
    MemoNotes = Named(new QPlainTextEdit(this), "MemoNotes");
    MemoNotes->setGeometry(kTextLeft, top, kTextWidth, 116);
    MemoNotes->setReadOnly(true);
    MemoNotes->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoNotes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RowLabels.push_back(notesLabel);

    BBtnExitAbout = BitButton(this, "BBtnExitAbout", QRect(10, kClientHeight - 46, kClientWidth - 20, 34),
                              GlyphIcon(Glyph::Exit));
    PanLine1 = LimeLine(this, "PanLine1", kClientHeight - 6, kClientWidth);
    TimerAbout = Named(new QTimer(this), "TimerAbout");
    TimerAbout->setInterval(kAboutStripIntervalMs);
}

// Every Russian text of the window (the rows come with the program's data).
void TFormAbout::setTexts() {
    setWindowTitle(ToQ(kAboutCaption));
    const auto rows = AboutRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        RowLabels[i]->setText(ToQ(rows[i].label));
        RowTexts[i]->setText(ToQ(rows[i].text));
    }
    SetHint(RowTexts[2], ToQ(kAboutPurposeHint));
    QStringList notes;
    for (std::string_view line : AboutNoteLines()) notes << ToQ(line);
    MemoNotes->setPlainText(notes.join(QLatin1Char('\n')));
    ImagePict->setPixmap(AboutPicture());
    BBtnExitAbout->setText(QStringLiteral("Закрыть"));
    SetHint(BBtnExitAbout, QStringLiteral("Закрыть это окно"));
}

void TFormAbout::setFonts() {
    setFont(TimesBold(16));
    for (QLabel* label : RowLabels) label->setFont(TimesBold(16));
    for (QLabel* text : RowTexts) text->setFont(TimesBold(16));
    BBtnExitAbout->setFont(TimesBold(16));
    MemoNotes->setFont(TimesBold(LargeDesktop() ? 16 : 15));
}

void TFormAbout::TimerAboutTimer() {
    const Rgb colour = cycle_.Tick();
    QPalette p = PanLine1->palette();
    p.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    PanLine1->setPalette(p);
}

void TFormAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // The strip cycles only while this window is the active one, resuming where it stopped.
    RunTimerWhileActive(this, event, TimerAbout);
}

void TFormAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zul
