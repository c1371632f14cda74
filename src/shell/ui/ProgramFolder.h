#pragma once

#include <QString>

namespace zyk {

// Where the data files live (UserEq.dat, UserConstants.dat, the default Programs and Statistical
// folders), resolved once at start: --data-dir when given (portable: the settings file goes there
// too), else the executable's folder when it is writable, else the per-user data folder.
struct ProgramFolder {
    QString path;          // absolute, without a trailing separator
    QString settingsFile;  // empty: the user's own settings store
};

// dataDir: the --data-dir argument, or empty. The folder is created when missing.
ProgramFolder ResolveProgramFolder(const QString& dataDir, const QString& executableDir);

}  // namespace zyk
