#pragma once

#include <QString>
#include <QStringList>

namespace zyk {

// Finds the read-only files shipped with the program (background pictures, help pages): beside
// the executable, else in the installed share folder "../share/zykcalc" relative to it.
class ResourceLocator {
public:
    explicit ResourceLocator(const QString& executableDir);
    // For the running application (QCoreApplication must exist).
    static ResourceLocator ForApplication();

    // The full path of a file such as "images/Bkc_gold.bmp", or empty when no folder has it.
    QString Find(const QString& relativePath) const;

private:
    QStringList m_folders;
};

}  // namespace zyk
