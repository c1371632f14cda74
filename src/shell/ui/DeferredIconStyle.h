#pragma once

#include <QProxyStyle>

namespace zyk {

// The platform's style, except that the standard icons widgets ask for while they are built but
// rarely show (the menu bar's overflow arrows) are read when first drawn. Reading them opens
// picture files and scans the image plugins, time the window's first paint would wait for.
class DeferredIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace zyk
