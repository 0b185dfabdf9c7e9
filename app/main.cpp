// tetralyx: the desktop program.
#include "play/desktopstartup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tetralyx"));
    // Ties the window to its launcher entry (and its icon) under Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("tetralyx"));
    return RunDesktopProgram(qtApp);
}
