// The desktop program as a whole: the application object with the message box, the help
// viewer and the main window plugged in. main() only creates the Qt application.
#pragma once

class QApplication;

// Runs the start-up sequence and the main window; returns the exit code.
int RunDesktopProgram(QApplication& qtApp);
