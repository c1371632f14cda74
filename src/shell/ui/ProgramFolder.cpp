#include "shell/ui/ProgramFolder.h"

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

ProgramFolder ResolveProgramFolder(const QString& dataDir, const QString& executableDir) {
    ProgramFolder folder;
    if (!dataDir.isEmpty()) {
        QDir().mkpath(dataDir);
        folder.path = QDir(dataDir).absolutePath();
        folder.settingsFile = folder.path + QStringLiteral("/Zyk Calc.ini");
        return folder;
    }
    if (!executableDir.isEmpty() && IsWritableFolder(executableDir)) {
        folder.path = QDir(executableDir).absolutePath();
        return folder;
    }
    QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (appData.isEmpty()) {
        appData = QDir::homePath() + QStringLiteral("/.zykcalc");
    }
    QDir().mkpath(appData);
    folder.path = QDir(appData).absolutePath();
    return folder;
}

}  // namespace zyk
