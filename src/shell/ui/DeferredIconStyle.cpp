#include "shell/ui/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPointer>

namespace zyk {
namespace {

// An icon that asks its style for the real one the first time it is drawn or measured.
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle& style, QStyle::StandardPixmap which)
        : m_style(&style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }

private:
    const QIcon& Icon() {
        if (!m_loaded) {
            m_loaded = true;
            if (m_style) {
                m_icon = m_style->standardIcon(m_which);
            }
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;  // the style behind the proxy
    QStyle::StandardPixmap m_which;
    bool m_loaded = false;
    QIcon m_icon;
};

bool Deferred(QStyle::StandardPixmap which) {
    return which == QStyle::SP_ToolBarHorizontalExtensionButton ||
           which == QStyle::SP_ToolBarVerticalExtensionButton;
}

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (Deferred(standardIcon) && option == nullptr && baseStyle() != nullptr) {
        return QIcon(new DeferredStandardIcon(*baseStyle(), standardIcon));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

}  // namespace zyk
