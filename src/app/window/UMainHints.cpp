// TFormFace: the hint handler with its two banners, and the focus cues of the tree, the
// caption panels and the hint line.
#include "app/window/UMain.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QTreeWidget>

#include "app/window/WindowFactory.h"
#include "lists/window/UVichStr.h"
#include "widgets/Panels.h"

namespace zul {

namespace {

const QString kCloseProgramHint = QStringLiteral("Закрыть программу");
const QString kAboutHint = QStringLiteral("О Программе");
const QString kAboutBanner = QStringLiteral("Краткие сведения о Программе ЗУЛ");
// The two hints of the expression lists window's banner (the second one, that of the
// lists window's own about button, ends with a blank).
const QString kBackToMainHint = QStringLiteral("Вернуться в главное окно Калькулятора");
const QString kListsAboutHint = QStringLiteral("О Программе ");

// The long part of a hint "short|long" (the whole hint when it has no "|").
QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace

void TFormFace::ApplicationHint(const QString& hint) {
    const QString caption = LongHint(hint);
    PanCloseProg->setText(caption);
    if (caption == kCloseProgramHint) {
        PanCloseProg->showBanner(caption, Yellow(), Red());
        return;
    }
    PanCloseProg->hide();
    if (caption == kAboutHint) {
        PanCloseProg->showBanner(kAboutBanner, Qt::black, Yellow());
        return;
    }
    TFormVirStrings* lists = windows_.lasting().lists;
    if (lists == nullptr) return;
    if (caption == kBackToMainHint) {
        lists->ShowBanner(caption, Yellow(), Red());
        return;
    }
    lists->HideBanner(caption);
    if (caption == kListsAboutHint) lists->ShowBanner(kAboutBanner, Qt::black, Yellow());
}

void TFormFace::TViewTipEnter() { PanTema->setPanelColor(Yellow()); }

void TFormFace::TViewTipExit() { PanTema->setPanelColor(ButtonFace()); }

void TFormFace::PanTemaClick() {
    TViewTip->setFocus();
    PanelPodsk->setPanelColor(ButtonFace());
}

}  // namespace zul
