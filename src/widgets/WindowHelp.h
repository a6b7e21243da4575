// The "Помощь" command of the secondary windows.
#pragma once

#include <functional>

namespace zul {

class Platform;

// Runs the help command the main window handed over; without one, opens the help file of
// the current folder with the desktop, if there is one.
void OpenWindowHelp(const std::function<void()>& handedOver, Platform& platform);

}  // namespace zul
