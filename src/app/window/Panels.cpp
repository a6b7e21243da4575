// Caption panels, fonts and hints shared by the windows.
#include "app/window/Panels.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

namespace zul {

CaptionPanel::CaptionPanel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    applyColors();
}

void CaptionPanel::setPanelColor(const QColor& color) {
    color_ = color;
    applyColors();
}

void CaptionPanel::setTextColor(const QColor& color) {
    textColor_ = color;
    applyColors();
}

void CaptionPanel::applyColors() {
    QPalette p = palette();
    p.setColor(QPalette::Window, color_.isValid() ? color_ : ButtonFace());
    p.setColor(QPalette::WindowText,
               textColor_.isValid() ? textColor_ : QApplication::palette().color(QPalette::WindowText));
    setPalette(p);
}

void CaptionPanel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit clicked();
}

void CaptionPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

QFont TimesBold(int pixelHeight) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(pixelHeight);
    return font;
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

void SetHint(QAction* action, const QString& hint) {
    action->setToolTip(hint);
    action->setStatusTip(hint);
}

}  // namespace zul
