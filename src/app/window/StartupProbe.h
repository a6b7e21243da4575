// The start-up probe of the desktop program, for the start-up measurement: with
// ZUL_STARTUP_PROBE=1 in the environment the program prints the monotonic time of each
// start-up phase and of the first paint of its main window, and its resident memory, then
// ends. Without it the program behaves as it always does.
#pragma once

namespace zul {

struct ZulWindows;

// Remembers the monotonic time of a start-up phase; the probe prints them all.
void MarkStartupPhase(const char* name);

// Watches the main window for its first paint when the environment asks for the probe.
void StartStartupProbe(ZulWindows& windows);

}  // namespace zul
