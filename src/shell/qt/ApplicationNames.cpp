#include "shell/qt/ApplicationNames.h"

#include <QCoreApplication>
#include <QString>

namespace zyk::application_names {

void Apply() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplication));
}

}  // namespace zyk::application_names
