// The start-up probe (see StartupProbe.h).
#include "app/window/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <vector>

#include "app/window/StartUp.h"
#include "app/window/UMain.h"

namespace zul {

namespace {

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

void StartStartupProbe(ZulWindows& windows) {
    if (qEnvironmentVariableIsSet("ZUL_STARTUP_PROBE")) new StartupProbe(windows.face.get());
}

}  // namespace zul
