// The desktop program as a whole: the application object with the message box, the help
// viewer and the main window plugged in. main() only creates the Qt application.
#pragma once

class QApplication;

// Runs the start-up sequence and the main window; returns the exit code.
int RunDesktopProgram(QApplication& qtApp);

// The windows behind the logic's hooks: help topics in the help viewer, a settings file
// that cannot be saved in the message box. RemoveDesktopHooks undoes it.
void InstallDesktopHooks();
void RemoveDesktopHooks();
