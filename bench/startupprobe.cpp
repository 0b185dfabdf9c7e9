// The desktop program with the start-up probe installed: the same start as app/main.cpp.
#include "startupprobe.h"
#include "play/desktopstartup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    CStartupProbe probe(1000);
    qtApp.installEventFilter(&probe);
    QApplication::setApplicationName(QStringLiteral("tetralyx"));
    return RunDesktopProgram(qtApp);
}
