#include "shell/qt/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zyk {
namespace {

bool IsWritableFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

}  // namespace

bool IsInstalledCopy(const QString& executableDir) {
    if (executableDir.isEmpty()) {
        return false;
    }
    const QDir folder(executableDir);
    return !QFileInfo(folder.filePath(QStringLiteral("help"))).isDir() &&
           QFileInfo(folder.filePath(QStringLiteral("../share/zykcalc/help"))).isDir();
}

ProgramFolder ResolveProgramFolder(const QString& dataDir, const QString& executableDir,
                                   const QString& userDataDir) {
    ProgramFolder folder;
    if (!dataDir.isEmpty()) {
        QDir().mkpath(dataDir);
        folder.path = QDir(dataDir).absolutePath();
        folder.settingsFile = folder.path + QStringLiteral("/Zyk Calc.ini");
        return folder;
    }
    if (!executableDir.isEmpty() && IsWritableFolder(executableDir) &&
        !IsInstalledCopy(executableDir)) {
        folder.path = QDir(executableDir).absolutePath();
        return folder;
    }
    QString appData = userDataDir.isEmpty()
                          ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                          : userDataDir;
    if (appData.isEmpty()) {
        appData = QDir::homePath() + QStringLiteral("/.zykcalc");
    }
    QDir().mkpath(appData);
    folder.path = QDir(appData).absolutePath();
    return folder;
}

}  // namespace zyk
