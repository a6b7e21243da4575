// The start of the desktop program: the calculator state and the six lasting windows,
// created in the system's order, wired to each other. main() and the window tests use it.
#pragma once

#include <functional>
#include <memory>

#include "app/window/WindowFactory.h"

namespace zul {

struct Calculator;
class Platform;
class BusyIndicator;
class TFormFace;
class TFormOptions;
class TVopros;
class TFormVirStrings;
class TFormMem;
class TFormIncFunc;

// Each window has one owner: the main window belongs to `face`; the secondary windows
// belong to the main window, their Qt parent (they open centred over it), which deletes
// them with itself. The pointers to them are valid while `face` lives.
struct ZulWindows {
    explicit ZulWindows(Calculator& calculator);
    ~ZulWindows();
    ZulWindows(const ZulWindows&) = delete;
    ZulWindows& operator=(const ZulWindows&) = delete;

    WindowFactory factory;  // declared first: it outlives the windows that hold it
    std::unique_ptr<TFormFace> face;
    TFormOptions* options = nullptr;
    TFormVirStrings* lists = nullptr;
    TVopros* question = nullptr;
    TFormMem* memory = nullptr;
    TFormIncFunc* incFunc = nullptr;
};

// Creates the windows in order: TFormFace (which has read the program INI through the
// calculator), TFormOptions, TFormVirStrings, TVopros, TFormMem, TFormIncFunc. The
// calculator, platform and busy indicator must outlive the windows. When the platform is
// the Qt platform, its question dialog becomes the TVopros created here.
std::unique_ptr<ZulWindows> CreateWindows(Calculator& calculator, Platform& platform, BusyIndicator* busy);

// What a program built on the calculator's start-up adds: a mark at each start-up phase
// ("main", "application", "windows") and a step once the main window is shown.
struct StartUpHooks {
    std::function<void(const char* phase)> phase;
    std::function<void(ZulWindows& windows)> shown;
};

// The desktop program: the application titled "Калькулятор", the calculator started in
// the current directory, the six lasting windows, the main window centred on its screen,
// then the message loop. Returns the loop's exit code.
int RunCalculatorProgram(int argc, char** argv, const StartUpHooks& hooks = {});

}  // namespace zul
