// The one place where a window command's arithmetic fault is caught and shown to the user.
#pragma once

#include <functional>

namespace zul {

class Platform;

// Runs the command; an arithmetic fault ends it and its text is shown in an error box.
// Returns true when the command ran to its end.
bool RunGuarded(Platform& platform, const std::function<void()>& command);

}  // namespace zul
