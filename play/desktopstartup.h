// The desktop program as a whole: the services, the application object and the main
// window. main() only creates the Qt application.
#pragma once

class QApplication;

// Runs the start-up sequence and the main window; returns the exit code.
int RunDesktopProgram(QApplication& qtApp);
