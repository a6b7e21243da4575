// The one way a window opens another. The lasting windows, created once at start-up and
// owned by the main window, are handed out as they are; the function list, the unit
// reference and the about box are made for one showing and deleted when it ends.
#pragma once

#include <functional>
#include <string>

#include "insert/SetupRecord.h"

class QDialog;
class QWidget;

namespace zul {

struct Calculator;
class Platform;
class TFormIncFunc;
class TFormMem;
class TFormOptions;
class TFormVirStrings;

enum class WindowKind { Options, Lists, Memory, FunctionList, UnitReference, About, Zapiska };

class WindowFactory {
public:
    // The unit reference remembers its page and cell in the calculator's main state.
    explicit WindowFactory(Calculator& calculator) : calc_(calculator) {}

    // The lasting windows, handed over once they all exist.
    struct Lasting {
        TFormOptions* options = nullptr;
        TFormVirStrings* lists = nullptr;
        TFormMem* memory = nullptr;
        TFormIncFunc* incFunc = nullptr;
    };
    void SetLasting(const Lasting& lasting) { lasting_ = lasting; }
    const Lasting& lasting() const { return lasting_; }

    // Shows the window modally: a lasting one as it stands (then the after-lasting step
    // runs), any other made over `over` for this showing only. A lasting window that does
    // not exist yet is not shown.
    void Show(WindowKind kind, QWidget* over);
    // Runs after a lasting window closed: the main window shows the calculator anew.
    void SetAfterLasting(std::function<void()> after) { afterLasting_ = std::move(after); }

    // What the calculation note (made for each showing) reads beyond the calculator: the
    // platform for its messages and the main window's help. Without them it is not shown.
    void SetNoteSources(Platform& platform, std::function<void()> help) {
        platform_ = &platform;
        help_ = std::move(help);
    }

    // The insert-formula dialog shown with a set-up record (the insert-formula command).
    RunDialogFunction InsertDialog() const;

    // How a window is shown modally: exec() by default. Tests replace it to record the
    // windows instead of showing them.
    using ModalRunner = std::function<void(QDialog& window)>;
    void SetModalRunner(ModalRunner runner) { runModal_ = std::move(runner); }

private:
    QDialog* LastingWindow(WindowKind kind) const;

    Calculator& calc_;
    Platform* platform_ = nullptr;
    std::function<void()> help_;
    Lasting lasting_;
    std::function<void()> afterLasting_;
    ModalRunner runModal_;
};

}  // namespace zul
