// TVopros: widgets of the question dialog and its two buttons.
#include "reference/window/Vopr.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/Glyphs.h"
#include "widgets/Panels.h"

namespace zul {

TVopros::TVopros(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Vopros"));
    setModal(true);
    setFixedSize(529, 176);
    createWidgets();
    createConnections();
    setTexts();
    FormActivate();
}

void TVopros::createWidgets() {
    PanSoob = Named(new QFrame(this), "PanSoob");
    PanSoob->setGeometry(6, 6, 300, 146);
    PanSoob->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LabelSoob = Named(new QLabel(PanSoob), "LabelSoob");
    LabelSoob->setGeometry(2, 2, 296, 142);
    LabelSoob->setWordWrap(true);
    LabelSoob->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LabelSoob->setMargin(6);
    LabelSoob->setAutoFillBackground(true);
    QPalette lime = LabelSoob->palette();
    lime.setColor(QPalette::Window, Lime());
    lime.setColor(QPalette::WindowText, Qt::black);
    LabelSoob->setPalette(lime);

    GroupBoxHist = Named(new QGroupBox(this), "GroupBoxHist");
    GroupBoxHist->setGeometry(314, 4, 209, 106);
    RButtonClear = Named(new QRadioButton(GroupBoxHist), "RButtonClear");
    RButtonClear->setGeometry(12, 22, 190, 24);
    RButtonAdd = Named(new QRadioButton(GroupBoxHist), "RButtonAdd");
    RButtonAdd->setGeometry(12, 48, 190, 24);
    RButtonNo = Named(new QRadioButton(GroupBoxHist), "RButtonNo");
    RButtonNo->setGeometry(12, 74, 190, 24);

    BBtnContin = Named(new QPushButton(this), "BBtnContin");
    BBtnContin->setGeometry(314, 118, 118, 34);
    BBtnContin->setIcon(GlyphIcon(Glyph::Continue));
    BBtnContin->setDefault(true);
    BBtnAbort = Named(new QPushButton(this), "BBtnAbort");
    BBtnAbort->setGeometry(436, 118, 87, 34);
    BBtnAbort->setIcon(GlyphIcon(Glyph::Abort));

    PanelBlue = Named(new QFrame(this), "PanelBlue");
    PanelBlue->setGeometry(0, 170, 529, 6);
    PanelBlue->setAutoFillBackground(true);
    QPalette blue = PanelBlue->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    PanelBlue->setPalette(blue);
}

void TVopros::createConnections() {
    connect(BBtnContin, &QPushButton::clicked, this, [this] { BBtnContinClick(); });
    connect(BBtnAbort, &QPushButton::clicked, this, [this] { BBtnAbortClick(); });
}

void TVopros::setTexts() {
    setWindowTitle(QStringLiteral("Уточнение..."));
    BBtnContin->setText(QStringLiteral("Продолжить"));
    SetHint(BBtnContin, QStringLiteral("Продолжить команду"));
    BBtnAbort->setText(QStringLiteral("Выход"));
    SetHint(BBtnAbort, QStringLiteral("Отменить команду"));
}

void TVopros::Prepare(const QuestionPrompt& prompt) {
    LabelSoob->setText(QString::fromStdString(prompt.message));
    GroupBoxHist->setTitle(QString::fromStdString(prompt.groupCaption));
    QRadioButton* buttons[3] = {RButtonClear, RButtonAdd, RButtonNo};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->setText(QString::fromStdString(prompt.choices[static_cast<std::size_t>(i)]));
        buttons[i]->setVisible(i < prompt.choiceCount);
    }
    const int preselected = prompt.preselected >= 1 && prompt.preselected <= prompt.choiceCount
                                ? prompt.preselected
                                : 1;
    buttons[preselected - 1]->setChecked(true);
    outcome_ = QuestionOutcome{};
}

QuestionOutcome TVopros::Run(const QuestionPrompt& prompt) {
    Prepare(prompt);
    exec();
    return outcome_;
}

// Each showing: the fonts are set again and the answer starts as "not continued" (the close
// box abandons the command).
void TVopros::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TVopros::FormActivate() {
    outcome_ = QuestionOutcome{};
    for (QWidget* w : {static_cast<QWidget*>(LabelSoob), static_cast<QWidget*>(BBtnContin),
                       static_cast<QWidget*>(BBtnAbort), static_cast<QWidget*>(RButtonClear),
                       static_cast<QWidget*>(RButtonAdd), static_cast<QWidget*>(RButtonNo)})
        w->setFont(TimesBold(16));
    GroupBoxHist->setFont(TimesBold(13));
}

void TVopros::BBtnContinClick() {
    outcome_.continued = true;
    outcome_.choice = RButtonNo->isChecked() ? 3 : (RButtonAdd->isChecked() ? 2 : 1);
    accept();
}

void TVopros::BBtnAbortClick() {
    outcome_ = QuestionOutcome{};
    reject();
}

}  // namespace zul
