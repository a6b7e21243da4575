// The start of the desktop program: the calculator state and the six lasting windows,
// created in the system's order, wired to each other. main() and the window tests use it.
#pragma once

#include <QDialog>

#include <memory>
#include <string>

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

struct ZulWindows {
    ZulWindows();
    ~ZulWindows();
    ZulWindows(const ZulWindows&) = delete;
    ZulWindows& operator=(const ZulWindows&) = delete;

    std::unique_ptr<TFormFace> face;       // TFormFace
    std::unique_ptr<TFormOptions> options;  // TFormOptions
    std::unique_ptr<TFormVirStrings> lists;
    std::unique_ptr<TVopros> question;
    std::unique_ptr<TFormMem> memory;
    std::unique_ptr<TFormIncFunc> incFunc;
};

// Creates the windows in order: TFormFace (which has read the program INI through the
// calculator), TFormOptions, TFormVirStrings, TVopros, TFormMem, TFormIncFunc. The
// calculator, platform and busy indicator must outlive the windows. When the platform is
// the Qt platform, its question dialog becomes the TVopros created here.
std::unique_ptr<ZulWindows> CreateWindows(Calculator& calculator, Platform& platform, BusyIndicator* busy);

}  // namespace zul
