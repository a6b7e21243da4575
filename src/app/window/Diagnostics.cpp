// Screenshots and the start-up probe for the scripts (see Diagnostics.h).
#include "app/window/Diagnostics.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <vector>

#include "app/Calculator.h"
#include "app/window/StartUp.h"
#include "app/window/UMain.h"
#include "reference/window/Vopr.h"
#include "widgets/FrozenGrid.h"
#include "settings/window/UOpt.h"

namespace zul {

namespace {

struct View {
    std::function<void(ZulWindows&)> open;       // shows the view without blocking
    std::function<QRect(ZulWindows&)> area;      // the screen area to save
};

QRect FaceArea(ZulWindows& w) { return w.face->frameGeometry(); }

QRect WithMenu(ZulWindows& w, QMenu* menu) { return w.face->frameGeometry().united(menu->geometry()); }

void OpenMenu(ZulWindows& w, QMenu* menu, QAction* active) {
    QAction* entry = menu->menuAction();
    w.face->MenuCalc->setActiveAction(entry);
    if (active != nullptr) menu->setActiveAction(active);
}

void SelectNode(ZulWindows& w, const QString& text) {
    const auto found = w.face->TViewTip->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (!found.isEmpty()) w.face->TViewTip->setCurrentItem(found.first());
}

void ShowQuestion(ZulWindows& w, QuestionKind kind) {
    w.question->Prepare(w.face->calculator().question.Prepare(kind));
    w.question->show();
}

const std::map<QString, View>& Views() {
    static const std::map<QString, View> views = {
        {QStringLiteral("main"), {[](ZulWindows&) {}, FaceArea}},
        {QStringLiteral("main-calculation"),
         {[](ZulWindows& w) {
              SelectNode(w, QStringLiteral("Скорость жидкости"));
              w.face->CBoxMainStr->setEditText(QStringLiteral("[12.5] [80]"));
              w.face->BBtnVichislClick();
              w.face->CBoxMainStr->setEditText(QStringLiteral("sin(pi/6)+2^10"));
          },
          FaceArea}},
        {QStringLiteral("main-file-menu"),
         {[](ZulWindows& w) { OpenMenu(w, w.face->NFile, w.face->NFileExit); },
          [](ZulWindows& w) { return WithMenu(w, w.face->NFile); }}},
        {QStringLiteral("main-help-menu"),
         {[](ZulWindows& w) { OpenMenu(w, w.face->NHelp, w.face->NHelpAbout); },
          [](ZulWindows& w) { return WithMenu(w, w.face->NHelp); }}},
        {QStringLiteral("options"),
         {[](ZulWindows& w) {
              w.face->calculator().settings.grid.SetUserConstants({{"Kz", "1.15"}, {"Lv", "2*pi"}});
              w.options->show();
              w.options->RefreshFromModel();
              w.options->StrGridConst->setFocus();
          },
          [](ZulWindows& w) { return w.options->frameGeometry(); }}},
        {QStringLiteral("options-focus"),
         {[](ZulWindows& w) {
              w.options->show();
              w.options->activateWindow();
              w.options->EditPlotnVoda->setFocus();
          },
          [](ZulWindows& w) { return w.options->frameGeometry(); }}},
        {QStringLiteral("exit-question"),
         {[](ZulWindows& w) {
              w.face->calculator().settings.askExit = true;
              w.face->close();
          },
          [](ZulWindows&) { return QRect(); }}},
        {QStringLiteral("options-repair"),
         {[](ZulWindows& w) {
              w.options->show();
              w.face->calculator().settings.fields[ConstantField::PlotnVoda] = "97,0";
              w.options->RefreshFromModel();
              w.options->BBtnExitOptClick();
          },
          [](ZulWindows&) { return QRect(); }}},
        {QStringLiteral("question-history"),
         {[](ZulWindows& w) { ShowQuestion(w, QuestionKind::History); },
          [](ZulWindows& w) { return w.question->frameGeometry(); }}},
        {QStringLiteral("question-close"),
         {[](ZulWindows& w) { ShowQuestion(w, QuestionKind::CloseSettings); },
          [](ZulWindows& w) { return w.question->frameGeometry(); }}},
        {QStringLiteral("question-list"),
         {[](ZulWindows& w) { ShowQuestion(w, QuestionKind::ListFile); },
          [](ZulWindows& w) { return w.question->frameGeometry(); }}},
    };
    return views;
}

struct Phase {
    const char* name;
    timespec at;
};
std::vector<Phase>& Phases() {
    static std::vector<Phase> phases;
    return phases;
}

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Prints the time of the first paint of the main window and ends the program.
class StartupProbe : public QObject {
public:
    explicit StartupProbe(QWidget* face) : QObject(face) { face->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                for (const Phase& p : Phases())
                    std::printf("%s %lld.%09ld\n", p.name, static_cast<long long>(p.at.tv_sec), p.at.tv_nsec);
                std::printf("shown %lld.%09ld\nrss_kb %ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec,
                            ResidentKilobytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

}  // namespace

void MarkStartupPhase(const char* name) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    Phases().push_back({name, now});
}

QStringList ScreenshotViews() {
    QStringList names;
    for (const auto& [name, view] : Views()) names << name;
    return names;
}

bool StartDiagnostics(ZulWindows& windows) {
    if (qEnvironmentVariableIsSet("ZUL_STARTUP_PROBE")) {
        new StartupProbe(windows.face.get());
        return true;
    }
    const QString request = qEnvironmentVariable("ZUL_SCREENSHOT");
    if (request.isEmpty()) return false;
    const qsizetype colon = request.indexOf(QLatin1Char(':'));
    const QString name = request.left(colon);
    const QString file = colon < 0 ? name + QStringLiteral(".png") : request.mid(colon + 1);
    const auto found = Views().find(name);
    if (found == Views().end()) {
        std::fprintf(stderr, "zul: unknown view %s; known: %s\n", qPrintable(name),
                     qPrintable(ScreenshotViews().join(QLatin1Char(' '))));
        return false;
    }
    const View view = found->second;
    ZulWindows* w = &windows;
    // Opened once the main window is up, saved once everything has been painted. The save
    // is set up first: a view may open a modal box whose own loop then runs the timer.
    QTimer::singleShot(300, w->face.get(), [w, view, file] {
        QTimer::singleShot(700, w->face.get(), [w, view, file] {
            QRect area = view.area(*w);
            if (area.isEmpty() && QApplication::activeModalWidget() != nullptr)
                area = QApplication::activeModalWidget()->frameGeometry();
            QScreen* screen = QGuiApplication::primaryScreen();
            const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
            const bool saved = shot.save(file, "PNG");
            std::fprintf(stderr, "zul: %s %s\n", saved ? "saved" : "could not save", qPrintable(file));
            std::fflush(stderr);
            std::_Exit(saved ? 0 : 1);  // a modal box may still be open: no clean-up needed
        });
        view.open(*w);
    });
    return true;
}

}  // namespace zul
