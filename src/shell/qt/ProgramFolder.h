#pragma once

#include <QString>

namespace zyk {

// Where the data files live (UserEq.dat, UserConstants.dat, the default Programs and Statistical
// folders), resolved once at start: --data-dir when given (portable: the settings file goes there
// too); else, for a copy run from its build folder or a portable folder, the executable's folder
// when it is writable; else the per-user data folder. An installed copy (see IsInstalledCopy)
// always takes the per-user data folder, also when it runs as root.
struct ProgramFolder {
    QString path;          // absolute, without a trailing separator
    QString settingsFile;  // empty: the user's own settings store
};

// dataDir: the --data-dir argument, or empty. userDataDir: the per-user data folder, empty for
// the platform's own. The folder is created when missing.
ProgramFolder ResolveProgramFolder(const QString& dataDir, const QString& executableDir,
                                   const QString& userDataDir = QString());

// A copy is installed when no help pages lie beside its executable and its prefix's
// share/zykcalc/help folder (../share/zykcalc/help from the executable's folder) exists. The
// build folder and a portable copy have their help pages beside the executable.
bool IsInstalledCopy(const QString& executableDir);

}  // namespace zyk
