#pragma once

#include <QString>

#include <functional>

#include "shell/UserMessages.h"

namespace zyk {

// Starts a program detached from this process; false when it could not be started.
using ProgramLauncher = std::function<bool(const QString& program, const QString& workingFolder)>;

// The launcher of the running system (QProcess::startDetached).
ProgramLauncher DetachedLauncher();

// Starts a new instance of the calculator (after a font change), in its program folder. When that
// fails, says why: "Can't open the calculator:\n\n" and the reason. Returns whether it started.
bool RestartCalculator(const QString& programFile, const QString& workingFolder,
                       UserMessages& messages,
                       const ProgramLauncher& launcher = DetachedLauncher());

}  // namespace zyk
