// The controls of a window found by their control name, which is their objectName: how the
// tests and the screenshot tool reach into a window whose widgets are its own.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

namespace zul {

// The objects named `name` that belong to the window itself: a window it parents (the main
// window parents the secondary windows, which reuse names such as "BBtnHelp") keeps its
// own. A menu counts as part of the window whose menu bar or popup holds it.
std::vector<QObject*> OwnControls(const QObject& window, const QString& name);

// The one control of the window with that name and type; null when there is none, when
// the name is not unique or when the control has another type.
template <typename T>
T* OwnControl(const QObject& window, const QString& name) {
    const std::vector<QObject*> found = OwnControls(window, name);
    return found.size() == 1 ? qobject_cast<T*>(found.front()) : nullptr;
}

}  // namespace zul
