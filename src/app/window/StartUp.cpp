// Creation and wiring of the lasting windows.
#include "app/window/StartUp.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/Calculator.h"
#include "app/window/Panels.h"
#include "app/window/QtPlatform.h"
#include "app/window/UMain.h"
#include "reference/window/Vopr.h"
#include "settings/window/UOpt.h"

#if __has_include("lists/window/UVichStr.h")
#include "lists/window/UVichStr.h"
#define ZUL_HAVE_LISTS_WINDOW 1
#endif
#if __has_include("memory/window/UMemory.h")
#include "memory/window/UMemory.h"
#define ZUL_HAVE_MEMORY_WINDOW 1
#endif
#if __has_include("insert/window/UIncFunc.h")
#include "insert/window/UIncFunc.h"
#define ZUL_HAVE_INSERT_WINDOW 1
#endif
#if __has_include("reference/window/UFunc.h")
#include "reference/window/UFunc.h"
#define ZUL_HAVE_FUNC_WINDOW 1
#endif
#if __has_include("reference/window/UAboutC.h")
#include "reference/window/UAboutC.h"
#define ZUL_HAVE_ABOUT_WINDOW 1
#endif
#if __has_include("reference/window/UEdIzm.h")
#include "reference/window/UEdIzm.h"
#define ZUL_HAVE_EDIZM_WINDOW 1
#endif

namespace zul {

PlaceholderWindow::PlaceholderWindow(const QString& objectName, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(420, 120);
    auto* label = new QLabel(caption, this);
    label->setFont(TimesBold(16));
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

ZulWindows::ZulWindows() = default;

// The windows go in the reverse order of their creation; the main window last.
ZulWindows::~ZulWindows() {
    incFunc.reset();
    memory.reset();
    question.reset();
    lists.reset();
    options.reset();
    face.reset();
}

namespace {

std::unique_ptr<QDialog> MakeListsWindow([[maybe_unused]] Calculator& c, [[maybe_unused]] Platform& p, QWidget* parent) {
#ifdef ZUL_HAVE_LISTS_WINDOW
    return std::make_unique<TFormVirStrings>(c, p, parent);
#else
    return std::make_unique<PlaceholderWindow>(QStringLiteral("FormVirStrings"),
                                               QStringLiteral("Вычисление списков выражений"), parent);
#endif
}

std::unique_ptr<QDialog> MakeMemoryWindow([[maybe_unused]] Calculator& c, [[maybe_unused]] Platform& p, QWidget* parent) {
#ifdef ZUL_HAVE_MEMORY_WINDOW
    return std::make_unique<TFormMem>(c, p, parent);
#else
    return std::make_unique<PlaceholderWindow>(QStringLiteral("FormMem"), QStringLiteral("Память Калькулятора"), parent);
#endif
}

std::unique_ptr<QDialog> MakeInsertWindow([[maybe_unused]] Calculator& c, [[maybe_unused]] Platform& p, QWidget* parent) {
#ifdef ZUL_HAVE_INSERT_WINDOW
    return std::make_unique<TFormIncFunc>(c, p, parent);
#else
    return std::make_unique<PlaceholderWindow>(QStringLiteral("FormIncFunc"),
                                               QStringLiteral("Вставить формулу расчета в строку ввода"), parent);
#endif
}

void WireTemporaryWindows(TFormFace::Windows& w, [[maybe_unused]] Calculator& c) {
#ifdef ZUL_HAVE_FUNC_WINDOW
    w.makeFunc = [](QWidget* parent) -> QWidget* { return new TFormFunc(parent); };
#else
    w.makeFunc = [](QWidget* parent) -> QWidget* {
        return new PlaceholderWindow(QStringLiteral("FormFunc"), QStringLiteral("Перечень всех доступных функций"), parent);
    };
#endif
#ifdef ZUL_HAVE_ABOUT_WINDOW
    w.makeAbout = [](QWidget* parent) -> QWidget* { return new TFormAbout(parent); };
#else
    w.makeAbout = [](QWidget* parent) -> QWidget* {
        return new PlaceholderWindow(QStringLiteral("FormAbout"), QStringLiteral("О Программе"), parent);
    };
#endif
#ifdef ZUL_HAVE_EDIZM_WINDOW
    w.makeEdIzm = [&c](QWidget* parent) -> QWidget* { return new TFormEdIzm(c.main.unitReferencePosition, parent); };
#else
    w.makeEdIzm = [](QWidget* parent) -> QWidget* {
        return new PlaceholderWindow(QStringLiteral("FormEdIzm"), QStringLiteral("Справочник"), parent);
    };
#endif
}

}  // namespace

std::unique_ptr<ZulWindows> CreateWindows(Calculator& calculator, Platform& platform, BusyIndicator* busy) {
    auto windows = std::make_unique<ZulWindows>();
    windows->face = std::make_unique<TFormFace>(calculator, platform, busy);
    // The secondary windows belong to the main window: they open centred over it.
    QWidget* owner = windows->face.get();
    windows->options = std::make_unique<TFormOptions>(calculator, platform, owner);
    windows->lists = MakeListsWindow(calculator, platform, owner);
    windows->question = std::make_unique<TVopros>(owner);
    windows->memory = MakeMemoryWindow(calculator, platform, owner);
    windows->incFunc = MakeInsertWindow(calculator, platform, owner);

    if (auto* qt = dynamic_cast<QtPlatform*>(&platform)) qt->SetQuestionWindow(windows->question.get());
    TFormFace* face = windows->face.get();
    windows->options->SetFileOutcomeHandler([face](const FileCommandOutcome& o) { face->ShowFileOutcome(o); });
    windows->options->SetHelpHandler([face] { face->BBtnHelpClick(); });

    TFormFace::Windows w;
    w.options = windows->options.get();
    w.lists = windows->lists.get();
    w.question = windows->question.get();
    w.memory = windows->memory.get();
    w.incFunc = windows->incFunc.get();
    WireTemporaryWindows(w, calculator);
#ifdef ZUL_HAVE_INSERT_WINDOW
    auto* incFunc = static_cast<TFormIncFunc*>(windows->incFunc.get());
    w.runInsertDialog = [incFunc](const std::string& title, const TMasDatStr& record) {
        return incFunc->RunDialog(title, record);
    };
    incFunc->SetLiteratureCommand([face] { face->SpButtonliteratureClick(); });
#endif
#ifdef ZUL_HAVE_MEMORY_WINDOW
    static_cast<TFormMem*>(windows->memory.get())->SetInputLine(face->CBoxMainStr);
#endif
    face->SetWindows(w);
    return windows;
}

}  // namespace zul
