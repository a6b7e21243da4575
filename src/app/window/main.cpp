// zul, the desktop calculator: the application with the title "Калькулятор", its six
// lasting windows created in order, then the message loop.
#include "app/window/StartUp.h"
#include "app/window/StartupProbe.h"

int main(int argc, char** argv) {
    return zul::RunCalculatorProgram(argc, argv, {zul::MarkStartupPhase, zul::StartStartupProbe});
}
