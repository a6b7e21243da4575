// Controls by their control name (see Controls.h).
#include "widgets/Controls.h"

#include <QMenu>
#include <QWidget>

namespace zul {

namespace {

// The nearest ancestor that is a window of its own (a popup menu is not).
const QObject* OwningWindow(const QObject* object) {
    for (const QObject* p = object->parent(); p != nullptr; p = p->parent()) {
        const auto* widget = qobject_cast<const QWidget*>(p);
        if (widget != nullptr && widget->isWindow() && qobject_cast<const QMenu*>(widget) == nullptr)
            return p;
    }
    return nullptr;
}

}  // namespace

std::vector<QObject*> OwnControls(const QObject& window, const QString& name) {
    std::vector<QObject*> own;
    for (QObject* child : window.findChildren<QObject*>(name))
        if (OwningWindow(child) == &window) own.push_back(child);
    return own;
}

}  // namespace zul
