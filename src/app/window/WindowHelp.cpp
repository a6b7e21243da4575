// The help of a secondary window: the main window's command, else the help file nearby.
#include "app/window/WindowHelp.h"

#include <QDir>
#include <optional>
#include <string>

#include "app/MainWindowRules.h"
#include "app/Platform.h"
#include "app/window/QtText.h"

namespace zul {

void OpenWindowHelp(const std::function<void()>& handedOver, Platform& platform) {
    if (handedOver) {
        handedOver();
        return;
    }
    const std::optional<std::string> help = FindHelpFile(ToStd(QDir::currentPath()));
    if (help) platform.OpenWithDesktop(*help);
}

}  // namespace zul
