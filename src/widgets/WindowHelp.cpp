// The help of a secondary window: the main window's command, else the help file nearby.
#include "widgets/WindowHelp.h"

#include <QDir>
#include <optional>
#include <string>

#include "app/MainWindowRules.h"
#include "platform/Platform.h"
#include "widgets/QtText.h"

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
