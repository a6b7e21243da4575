// Creation and wiring of the lasting windows.
#include "app/window/StartUp.h"

#include "app/Calculator.h"
#include "widgets/QtPlatform.h"
#include "app/window/UMain.h"
#include "insert/window/UIncFunc.h"
#include "lists/window/UVichStr.h"
#include "memory/window/UMemory.h"
#include "reference/window/UAboutC.h"
#include "reference/window/UEdIzm.h"
#include "reference/window/UFunc.h"
#include "reference/window/Vopr.h"
#include "settings/window/UOpt.h"

namespace zul {

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

// The function list, unit reference and about windows live only while they are shown.
void WireTemporaryWindows(TFormFace::Windows& w, Calculator& c) {
    w.makeFunc = [](QWidget* parent) -> QWidget* { return new TFormFunc(parent); };
    w.makeAbout = [](QWidget* parent) -> QWidget* { return new TFormAbout(parent); };
    w.makeEdIzm = [&c](QWidget* parent) -> QWidget* { return new TFormEdIzm(c.main.unitReferencePosition, parent); };
}

}  // namespace

std::unique_ptr<ZulWindows> CreateWindows(Calculator& calculator, Platform& platform, BusyIndicator* busy) {
    auto windows = std::make_unique<ZulWindows>();
    windows->face = std::make_unique<TFormFace>(calculator, platform, busy);
    // The secondary windows belong to the main window: they open centred over it.
    QWidget* owner = windows->face.get();
    windows->options = std::make_unique<TFormOptions>(calculator, platform, owner);
    windows->lists = std::make_unique<TFormVirStrings>(calculator, platform, owner);
    windows->question = std::make_unique<TVopros>(owner);
    windows->memory = std::make_unique<TFormMem>(calculator, platform, owner);
    windows->incFunc = std::make_unique<TFormIncFunc>(calculator, platform, owner);

    if (auto* qt = dynamic_cast<QtPlatform*>(&platform)) {
        TVopros* question = windows->question.get();
        qt->SetQuestionWindow([question](const QuestionPrompt& prompt) { return question->Run(prompt); });
    }
    TFormFace* face = windows->face.get();
    auto help = [face] { face->BBtnHelpClick(); };
    windows->options->SetFileOutcomeHandler([face](const FileCommandOutcome& o) { face->ShowFileOutcome(o); });
    windows->options->SetHelpHandler(help);
    windows->lists->SetOptionsCommand([face] { face->NNastrOptionsClick(); });
    windows->lists->SetHelpCommand(help);
    windows->memory->SetHelpCommand(help);
    windows->memory->SetInputLine(face->CBoxMainStr);
    TFormIncFunc* incFunc = windows->incFunc.get();
    incFunc->SetLiteratureCommand([face] { face->SpButtonliteratureClick(); });

    TFormFace::Windows w;
    w.options = windows->options.get();
    w.lists = windows->lists.get();
    w.question = windows->question.get();
    w.memory = windows->memory.get();
    w.incFunc = incFunc;
    WireTemporaryWindows(w, calculator);
    w.runInsertDialog = [incFunc](const std::string& title, const TMasDatStr& record) {
        return incFunc->RunDialog(title, record);
    };
    face->SetWindows(w);
    return windows;
}

}  // namespace zul
