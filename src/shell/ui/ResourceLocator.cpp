#include "shell/ui/ResourceLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zyk {

ResourceLocator::ResourceLocator(const QString& executableDir) {
    const QDir beside(executableDir);
    m_folders << beside.absolutePath()
              << QDir::cleanPath(beside.absoluteFilePath(QStringLiteral("../share/zykcalc")));
}

ResourceLocator ResourceLocator::ForApplication() {
    return ResourceLocator(QCoreApplication::applicationDirPath());
}

QString ResourceLocator::Find(const QString& relativePath) const {
    if (relativePath.isEmpty() || QDir::isAbsolutePath(relativePath)) {
        return {};
    }
    for (const QString& folder : m_folders) {
        const QFileInfo candidate(QDir(folder).filePath(relativePath));
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

}  // namespace zyk
