#pragma once

#include <QString>

#include "app/RestartProgram.h"
#include "shell/UserMessages.h"

namespace zyk {

struct ConsoleOptions;

// The window application: QApplication ("Umbrin Software", "Zyk Calc"), the program folder and
// settings store, the calculator window run as the main dialog (closing it ends the program),
// and the restart the Options dialog may ask for. With --screenshot DIR it renders every window
// to PNG files in DIR instead (offscreen when there is no display) and exits 0.
int RunApplication(int argc, char* argv[], const ConsoleOptions& options);

// After the main window has closed: starts the program again when it closed with OK and the
// restart flag is set, in the program folder; a failure says why ("Can't open the
// calculator:" and the reason). Returns whether a new instance was started.
bool RestartIfRequested(bool closedWithOk, bool restartRequested, const QString& programFile,
                        const QString& programFolder, UserMessages& messages,
                        const ProgramLauncher& launcher);

// Renders the windows of --screenshot into `folder`; 0 when every file was written.
int TakeScreenshots(const QString& folder);

}  // namespace zyk
