#include "shell/ui/ApplicationIcon.h"

// The resource lives in a static library: initialise it by name so the linker keeps it.
static void InitialiseIconResource() {
    Q_INIT_RESOURCE(zykcalc);
}

namespace zyk {

QIcon ApplicationIcon() {
    InitialiseIconResource();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/zykcalc/icons/zykcalc-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace zyk
