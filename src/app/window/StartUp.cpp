// Creation and wiring of the lasting windows, and the run of the desktop program.
#include "app/window/StartUp.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

#include "app/Calculator.h"
#include "app/window/UMain.h"
#include "insert/window/UIncFunc.h"
#include "lists/window/UVichStr.h"
#include "memory/window/UMemory.h"
#include "reference/window/Vopr.h"
#include "settings/window/UOpt.h"
#include "widgets/QtPlatform.h"
#include "widgets/Translations.h"

namespace zul {

ZulWindows::ZulWindows(Calculator& calculator) : factory(calculator) {}

ZulWindows::~ZulWindows() = default;

std::unique_ptr<ZulWindows> CreateWindows(Calculator& calculator, Platform& platform, BusyIndicator* busy) {
    auto windows = std::make_unique<ZulWindows>(calculator);
    WindowFactory& factory = windows->factory;
    windows->face = std::make_unique<TFormFace>(calculator, platform, factory, busy);
    TFormFace* face = windows->face.get();
    windows->options = new TFormOptions(calculator, platform, face);
    windows->lists = new TFormVirStrings(calculator, platform, factory, face);
    windows->question = new TVopros(face);
    windows->memory = new TFormMem(calculator, platform, factory, face);
    windows->incFunc = new TFormIncFunc(calculator, platform, face);
    factory.SetLasting({windows->options, windows->lists, windows->memory, windows->incFunc});
    factory.SetAfterLasting([face] { face->RefreshFromCalculator(); });

    if (auto* qt = dynamic_cast<QtPlatform*>(&platform)) {
        TVopros* question = windows->question;
        qt->SetQuestionWindow([question](const QuestionPrompt& prompt) { return question->Run(prompt); });
    }
    auto help = [face] { face->BBtnHelpClick(); };
    windows->options->SetFileOutcomeHandler([face](const FileCommandOutcome& o) { face->ShowFileOutcome(o); });
    windows->options->SetHelpHandler(help);
    windows->lists->SetHelpCommand(help);
    windows->memory->SetHelpCommand(help);
    windows->memory->SetInputLine({[face] { return face->InputLineText(); },
                                   [face](const std::string& text) { face->SetInputLineText(text); }});
    windows->incFunc->SetLiteratureCommand([face] { face->SpButtonliteratureClick(); });
    windows->factory.SetNoteSources(platform, help);
    return windows;
}

int RunCalculatorProgram(int argc, char** argv, const StartUpHooks& hooks) {
    const auto phase = [&hooks](const char* name) {
        if (hooks.phase) hooks.phase(name);
    };
    phase("main");
    QApplication app(argc, argv);
    phase("application");
    InstallQtTranslations(app);  // without the catalogue Qt's few texts stay English
    QApplication::setApplicationName(
        QString::fromUtf8(kApplicationTitle.data(), static_cast<qsizetype>(kApplicationTitle.size())));

    QtPlatform platform;
    BusyCursor busy(platform);
    // The start directory is the current directory of the process at creation: the program
    // INI, the pictures and the help are looked up there.
    Calculator calculator = CreateCalculator(QDir::currentPath().toStdString());
    std::unique_ptr<ZulWindows> windows = CreateWindows(calculator, platform, &busy);
    phase("windows");

    TFormFace& face = *windows->face;
    face.adjustSize();
    if (QScreen* screen = face.screen())
        face.move(screen->availableGeometry().center() - face.rect().center());
    face.show();
    if (hooks.shown) hooks.shown(*windows);
    const int code = app.exec();
    windows.reset();  // before the calculator they show
    return code;
}

}  // namespace zul
