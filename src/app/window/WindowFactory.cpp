// The window factory: the lasting windows as they stand, the others made for one showing.
#include "app/window/WindowFactory.h"

#include <memory>

#include "app/Calculator.h"
#include "insert/window/UIncFunc.h"
#include "lists/window/UVichStr.h"
#include "memory/window/UMemory.h"
#include "reference/window/UAboutC.h"
#include "reference/window/UEdIzm.h"
#include "reference/window/UFunc.h"
#include "report/window/UZapiska.h"
#include "settings/window/UOpt.h"

namespace zul {

QDialog* WindowFactory::LastingWindow(WindowKind kind) const {
    switch (kind) {
    case WindowKind::Options:
        return lasting_.options;
    case WindowKind::Lists:
        return lasting_.lists;
    case WindowKind::Memory:
        return lasting_.memory;
    default:
        return nullptr;
    }
}

void WindowFactory::Show(WindowKind kind, QWidget* over) {
    const auto run = [this](QDialog& window) {
        if (runModal_) {
            runModal_(window);
        } else {
            window.exec();
        }
    };
    std::unique_ptr<QDialog> made;
    switch (kind) {
    case WindowKind::FunctionList:
        made = std::make_unique<TFormFunc>(over);
        break;
    case WindowKind::UnitReference:
        made = std::make_unique<TFormEdIzm>(calc_.main.unitReferencePosition, over);
        break;
    case WindowKind::About:
        made = std::make_unique<TFormAbout>(over);
        break;
    case WindowKind::Zapiska: {
        if (platform_ == nullptr) return;
        TFormVirStrings* lists = lasting_.lists;
        TFormZapiska::Sources sources{[lists] { return lists != nullptr ? lists->list().Lines() : std::vector<ListLine>{}; },
                                      help_};
        made = std::make_unique<TFormZapiska>(calc_, *platform_, std::move(sources), over);
        break;
    }
    default: {
        QDialog* lasting = LastingWindow(kind);
        if (lasting == nullptr) return;
        run(*lasting);
        if (afterLasting_) afterLasting_();
        return;
    }
    }
    // The window made here lives for this showing only; `over` merely places it.
    run(*made);
}

RunDialogFunction WindowFactory::InsertDialog() const {
    TFormIncFunc* dialog = lasting_.incFunc;
    if (dialog == nullptr) return {};
    return [dialog](const std::string& title, const TMasDatStr& record) {
        return dialog->RunDialog(title, record);
    };
}

}  // namespace zul
