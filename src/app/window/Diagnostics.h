// Hidden helpers for the scripts, switched on by environment variables only:
//   ZUL_SCREENSHOT=<view>:<file.png>  opens one view of the windows, saves a PNG of the
//                                     screen area it covers and ends the program;
//   ZUL_STARTUP_PROBE=1               prints the monotonic time at which the main window was
//                                     first painted and the resident memory, then ends.
// Without them the program behaves as it always does.
#pragma once

#include <QStringList>

namespace zul {

struct ZulWindows;

// The views ZUL_SCREENSHOT knows.
QStringList ScreenshotViews();

// Remembers the monotonic time of a start-up phase; the start-up probe prints them all.
void MarkStartupPhase(const char* name);

// Starts what the environment asks for; false when it asks for nothing (or for a view
// that does not exist, which is reported on stderr).
bool StartDiagnostics(ZulWindows& windows);

}  // namespace zul
