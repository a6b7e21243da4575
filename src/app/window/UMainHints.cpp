// TFormFace: the hint handler with its two banners, and the focus cues of the tree, the
// caption panels and the hint line.
#include "app/window/UMain.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QTreeWidget>

#include "widgets/Panels.h"

namespace zul {

namespace {

const QString kCloseProgramHint = QStringLiteral("Закрыть программу");
const QString kAboutHint = QStringLiteral("О Программе");
const QString kAboutBanner = QStringLiteral("Краткие сведения о Программе ЗУЛ");
// The banner of the expression lists window and its two hints (the second one, that of the
// lists window's own about button, ends with a blank).
const char* const kListsBanner = "PanCloseWin";
const QString kBackToMainHint = QStringLiteral("Вернуться в главное окно Калькулятора");
const QString kListsAboutHint = QStringLiteral("О Программе ");

// The long part of a hint "short|long" (the whole hint when it has no "|").
QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace

void TFormFace::SetBanner(QLabel* banner, const QString& text, const QColor& textColor,
                          const QColor& background) {
    banner->setText(text);
    if (auto* panel = qobject_cast<CaptionPanel*>(banner)) {
        panel->setTextColor(textColor);
        panel->setPanelColor(background);
    } else {
        QPalette p = banner->palette();
        p.setColor(QPalette::WindowText, textColor);
        p.setColor(QPalette::Window, background);
        banner->setAutoFillBackground(true);
        banner->setPalette(p);
    }
    banner->show();
}

void TFormFace::ApplicationHint(const QString& hint) {
    const QString caption = LongHint(hint);
    PanCloseProg->setText(caption);
    if (caption == kCloseProgramHint) {
        SetBanner(PanCloseProg, caption, Yellow(), Red());
        return;
    }
    PanCloseProg->hide();
    if (caption == kAboutHint) {
        SetBanner(PanCloseProg, kAboutBanner, Qt::black, Yellow());
        return;
    }
    QLabel* listsBanner =
        windows_.lists ? windows_.lists->findChild<QLabel*>(QLatin1String(kListsBanner)) : nullptr;
    if (listsBanner == nullptr) return;
    listsBanner->setText(caption);
    if (caption == kBackToMainHint) {
        SetBanner(listsBanner, caption, Yellow(), Red());
        return;
    }
    listsBanner->hide();
    if (caption == kListsAboutHint) SetBanner(listsBanner, kAboutBanner, Qt::black, Yellow());
}

void TFormFace::TViewTipEnter() { PanTema->setPanelColor(Yellow()); }

void TFormFace::TViewTipExit() { PanTema->setPanelColor(ButtonFace()); }

void TFormFace::PanTemaClick() {
    TViewTip->setFocus();
    PanelPodsk->setPanelColor(ButtonFace());
}

}  // namespace zul
