// TFormFace: the events the window watches — key preview, the application's hints, the
// tree's focus, activation and the close query.
#include "app/window/UMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <QTreeWidget>

#include "app/FileCommands.h"

namespace zul {

bool TFormFace::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::StatusTip:
        ApplicationHint(static_cast<QStatusTipEvent*>(event)->tip());
        break;
    case QEvent::KeyPress: {
        auto* widget = qobject_cast<QWidget*>(watched);
        // Key preview: the keys of this window's controls reach the window first.
        if (widget != nullptr && widget->window() == this) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (FormKeyDown(key) || FormKeyPress(key)) return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (watched == TViewTip) TViewTipEnter();
        break;
    case QEvent::FocusOut:
        if (watched == TViewTip) TViewTipExit();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormFace::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TFormFace::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Where the desktop never activates the window (no window manager), the auto-load still
    // runs once the start-up has finished.
    QMetaObject::invokeMethod(this, [this] { FormActivate(); }, Qt::QueuedConnection);
}

void TFormFace::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

}  // namespace zul
