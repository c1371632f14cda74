#pragma once

#include <QIcon>

namespace zyk {

// The calculator's icon in all the sizes the resources hold.
QIcon ApplicationIcon();

}  // namespace zyk
