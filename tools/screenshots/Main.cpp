// zul_screenshots: the desktop calculator started exactly as zul starts, showing one view of
// its windows and saving a PNG of the screen area the view covers, then ending.
// Usage: ZUL_SCREENSHOT=<view>:<file.png> zul_screenshots    (scripts/screenshots)
//        zul_screenshots --list                              (the views, one a line)
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>

#include "app/Calculator.h"
#include "widgets/Controls.h"
#include "app/window/StartUp.h"
#include "app/window/UMain.h"
#include "reference/window/Vopr.h"
#include "settings/window/UOpt.h"

namespace {

using namespace zul;

struct View {
    std::function<void(ZulWindows&)> open;   // shows the view without blocking
    std::function<QRect(ZulWindows&)> area;  // the screen area to save; empty: the modal box
};

// A control of the window by its control name; the views below name only existing ones.
template <typename T>
T& Control(const QObject& window, const char* name) {
    T* control = OwnControl<T>(window, QString::fromLatin1(name));
    if (control == nullptr) {
        std::fprintf(stderr, "zul_screenshots: no control %s\n", name);
        std::exit(1);
    }
    return *control;
}

QRect FaceArea(ZulWindows& w) { return w.face->frameGeometry(); }
QRect OptionsArea(ZulWindows& w) { return w.options->frameGeometry(); }
QRect QuestionArea(ZulWindows& w) { return w.question->frameGeometry(); }
QRect ModalBox(ZulWindows&) { return QRect(); }

// Opens a menu of the main menu bar with one of its items highlighted.
View MenuView(const char* menuName, const char* itemName) {
    const auto open = [menuName, itemName](ZulWindows& w) {
        auto& menu = Control<QMenu>(*w.face, menuName);
        Control<QMenuBar>(*w.face, "MenuCalc").setActiveAction(menu.menuAction());
        menu.setActiveAction(&Control<QAction>(*w.face, itemName));
    };
    const auto area = [menuName](ZulWindows& w) {
        return w.face->frameGeometry().united(Control<QMenu>(*w.face, menuName).geometry());
    };
    return {open, area};
}

void SelectNode(ZulWindows& w, const QString& text) {
    auto& tree = Control<QTreeWidget>(*w.face, "TViewTip");
    const auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (!found.isEmpty()) tree.setCurrentItem(found.first());
}

View QuestionView(QuestionKind kind) {
    return {[kind](ZulWindows& w) {
                w.question->Prepare(w.face->calculator().question.Prepare(kind));
                w.question->show();
            },
            QuestionArea};
}

const std::map<QString, View>& Views() {
    static const std::map<QString, View> views = {
        {QStringLiteral("main"), {[](ZulWindows&) {}, FaceArea}},
        {QStringLiteral("main-calculation"),
         {[](ZulWindows& w) {
              SelectNode(w, QStringLiteral("Скорость жидкости"));
              auto& input = Control<QComboBox>(*w.face, "CBoxMainStr");
              input.setEditText(QStringLiteral("[12.5] [80]"));
              w.face->BBtnVichislClick();
              input.setEditText(QStringLiteral("sin(pi/6)+2^10"));
          },
          FaceArea}},
        {QStringLiteral("main-file-menu"), MenuView("NFile", "NFileExit")},
        {QStringLiteral("main-help-menu"), MenuView("NHelp", "NHelpAbout")},
        {QStringLiteral("options"),
         {[](ZulWindows& w) {
              w.face->calculator().settings.grid.SetUserConstants({{"Kz", "1.15"}, {"Lv", "2*pi"}});
              w.options->show();
              w.options->RefreshFromModel();
              Control<QWidget>(*w.options, "StrGridConst").setFocus();
          },
          OptionsArea}},
        {QStringLiteral("options-focus"),
         {[](ZulWindows& w) {
              w.options->show();
              w.options->activateWindow();
              Control<QWidget>(*w.options, "EditPlotnVoda").setFocus();
          },
          OptionsArea}},
        {QStringLiteral("exit-question"),
         {[](ZulWindows& w) {
              w.face->calculator().settings.askExit = true;
              w.face->close();
          },
          ModalBox}},
        {QStringLiteral("options-repair"),
         {[](ZulWindows& w) {
              w.options->show();
              w.face->calculator().settings.fields[ConstantField::PlotnVoda] = "97,0";
              w.options->RefreshFromModel();
              w.options->BBtnExitOptClick();
          },
          ModalBox}},
        {QStringLiteral("question-history"), QuestionView(QuestionKind::History)},
        {QStringLiteral("question-close"), QuestionView(QuestionKind::CloseSettings)},
        {QStringLiteral("question-list"), QuestionView(QuestionKind::ListFile)},
    };
    return views;
}

// Opens the view once the main window is up and saves it once everything has been painted.
// The save is set up first: a view may open a modal box whose own loop then runs the timer.
void TakeScreenshot(ZulWindows& windows, const View& view, const QString& file) {
    ZulWindows* w = &windows;
    QTimer::singleShot(300, w->face.get(), [w, view, file] {
        QTimer::singleShot(700, w->face.get(), [w, view, file] {
            QRect area = view.area(*w);
            if (area.isEmpty() && QApplication::activeModalWidget() != nullptr)
                area = QApplication::activeModalWidget()->frameGeometry();
            QScreen* screen = QGuiApplication::primaryScreen();
            const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
            const bool saved = shot.save(file, "PNG");
            std::fprintf(stderr, "zul_screenshots: %s %s\n", saved ? "saved" : "could not save",
                         qPrintable(file));
            std::fflush(stderr);
            std::_Exit(saved ? 0 : 1);  // a modal box may still be open: no clean-up needed
        });
        view.open(*w);
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--list") == 0) {
        for (const auto& [name, view] : Views()) std::printf("%s\n", qPrintable(name));
        return 0;
    }
    const QString request = qEnvironmentVariable("ZUL_SCREENSHOT");
    const qsizetype colon = request.indexOf(QLatin1Char(':'));
    const QString name = request.left(colon);
    const QString file = colon < 0 ? name + QStringLiteral(".png") : request.mid(colon + 1);
    const auto found = Views().find(name);
    if (found == Views().end()) {
        std::fprintf(stderr,
                     "zul_screenshots: set ZUL_SCREENSHOT=<view>:<file.png>; unknown view \"%s\" "
                     "(--list shows the views)\n",
                     qPrintable(name));
        return 2;
    }
    const View view = found->second;
    return RunCalculatorProgram(argc, argv,
                                {{}, [&view, &file](ZulWindows& w) { TakeScreenshot(w, view, file); }});
}
