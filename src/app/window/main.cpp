// zul, the desktop calculator: the application with the title "Калькулятор", its six
// lasting windows created in order, then the message loop.
#include <QApplication>
#include <QDir>
#include <QScreen>

#include "app/Calculator.h"
#include "app/window/Diagnostics.h"
#include "widgets/QtPlatform.h"
#include "app/window/StartUp.h"
#include "widgets/Translations.h"
#include "app/window/UMain.h"

int main(int argc, char** argv) {
    zul::MarkStartupPhase("main");
    QApplication app(argc, argv);
    zul::MarkStartupPhase("application");
    zul::InstallQtTranslations(app);  // without the catalogue Qt's few texts stay English
    QApplication::setApplicationName(
        QString::fromUtf8(zul::kApplicationTitle.data(), static_cast<qsizetype>(zul::kApplicationTitle.size())));

    zul::QtPlatform platform;
    zul::BusyCursor busy(platform);
    // The start directory is the current directory of the process at creation: the program
    // INI, the pictures and the help are looked up there.
    zul::Calculator calculator = zul::CreateCalculator(QDir::currentPath().toStdString());
    std::unique_ptr<zul::ZulWindows> windows = zul::CreateWindows(calculator, platform, &busy);
    zul::MarkStartupPhase("windows");

    zul::TFormFace& face = *windows->face;
    face.adjustSize();
    if (QScreen* screen = face.screen()) face.move(screen->availableGeometry().center() - face.rect().center());
    face.show();
    zul::StartDiagnostics(*windows);
    const int code = app.exec();
    windows.reset();  // before the calculator they show
    return code;
}
