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

// A stand-in for a lasting window that this build does not have: an empty window with
// the right caption and name, so that its commands open something.
class PlaceholderWindow : public QDialog {
public:
    PlaceholderWindow(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
};

struct ZulWindows {
    ZulWindows();
    ~ZulWindows();
    ZulWindows(const ZulWindows&) = delete;
    ZulWindows& operator=(const ZulWindows&) = delete;

    std::unique_ptr<TFormFace> face;       // TFormFace
    std::unique_ptr<TFormOptions> options;  // TFormOptions
    std::unique_ptr<QDialog> lists;         // TFormVirStrings
    std::unique_ptr<TVopros> question;      // TVopros
    std::unique_ptr<QDialog> memory;        // TFormMem
    std::unique_ptr<QDialog> incFunc;       // TFormIncFunc
};

// Creates the windows in order: TFormFace (which has read the program INI through the
// calculator), TFormOptions, TFormVirStrings, TVopros, TFormMem, TFormIncFunc. The
// calculator, platform and busy indicator must outlive the windows. When the platform is
// the Qt platform, its question dialog becomes the TVopros created here.
std::unique_ptr<ZulWindows> CreateWindows(Calculator& calculator, Platform& platform, BusyIndicator* busy);

}  // namespace zul
