#pragma once

#include <QFont>
#include <QRect>

#include "shell/DialogUnits.h"

class QWidget;

namespace zyk {

// Dialog units measured with a window's font: x * average character width / 4,
// y * character height / 8.
class DialogUnitMapper {
public:
    explicit DialogUnitMapper(const QFont& font);

    QRect ToPixels(int x, int y, int width, int height) const;
    QSize ToPixels(int width, int height) const;
    // Places a child control at a dialog-unit rectangle of its parent.
    void Place(QWidget& control, int x, int y, int width, int height) const;

private:
    DialogBaseUnits m_units;
};

}  // namespace zyk
