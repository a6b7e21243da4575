// Caption panels, buttons, fonts and hints shared by the windows.
#include "widgets/Panels.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
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

void CaptionPanel::showBanner(const QString& text, const QColor& textColor, const QColor& background) {
    setText(text);
    textColor_ = textColor;
    color_ = background;
    applyColors();
    show();
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

bool RunTimerWhileActive(const QWidget* window, const QEvent* event, QTimer* timer) {
    if (event->type() != QEvent::ActivationChange) return false;
    if (!window->isActiveWindow()) {
        timer->stop();
        return false;
    }
    timer->start();
    return true;
}

QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }

QFont TimesBold(int pixelHeight) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(pixelHeight);
    return font;
}

QSize DesktopSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize(800, 600);
}

bool LargeDesktop() {
    const QSize size = DesktopSize();
    return static_cast<long long>(size.width()) * size.height() > 800 * 600;
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

void SetHint(QAction* action, const QString& hint) {
    action->setToolTip(hint);
    action->setStatusTip(hint);
}

QToolButton* SpeedButton(QWidget* parent, const char* name, QPoint topLeft, const QIcon& icon, int size) {
    auto* button = Named(new QToolButton(parent), name);
    button->setGeometry(topLeft.x(), topLeft.y(), size, size);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(icon);
    button->setIconSize(QSize(19, 19));
    return button;
}

QFrame* LimeLine(QWidget* parent, const char* name, int top, int width) {
    auto* line = Named(new QFrame(parent), name);
    line->setGeometry(0, top, width, 6);
    line->setAutoFillBackground(true);
    QPalette lime = line->palette();
    lime.setColor(QPalette::Window, Lime());
    line->setPalette(lime);
    return line;
}

QPushButton* BitButton(QWidget* parent, const char* name, const QRect& geometry, const QIcon& icon) {
    auto* button = Named(new QPushButton(parent), name);
    button->setGeometry(geometry);
    button->setIcon(icon);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace zul
