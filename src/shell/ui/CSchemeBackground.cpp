#include "shell/ui/CSchemeBackground.h"

#include <QImageReader>
#include <QPainter>

#include "shell/ui/QtColors.h"
#include "shell/ui/ResourceLocator.h"

namespace zyk {
namespace {

QImage WhitePicture() {
    QImage white(kFallbackPictureSize, kFallbackPictureSize, QImage::Format_RGB32);
    white.fill(Qt::white);
    return white;
}

}  // namespace

void CSchemeBackground::Load(const AppliedScheme& scheme, const ResourceLocator& resources) {
    m_picture = QImage();
    m_drawn = QImage();
    m_scaled = QPixmap();
    m_fallback = false;
    m_displayBackground = scheme.displayBackground;
    if (!scheme.tintedLayout) {
        return;
    }
    if (!scheme.pictureFile.empty()) {
        const QString path = resources.Find(QString::fromStdString(scheme.pictureFile));
        if (!path.isEmpty()) {
            // The pictures are BMP files: reading them as such spares loading every image
            // plugin to probe the file, which would cost start-up time.
            QImageReader reader(path, "bmp");
            reader.setAutoDetectImageFormat(false);
            m_picture = reader.read();
        }
    }
    // A picture needs at least two rows, as its last row is never drawn.
    if (m_picture.isNull() || m_picture.height() < 2) {
        m_picture = WhitePicture();
        m_fallback = true;
    }
    // Cut once here rather than on every paint, so smoothing never reaches the last row.
    m_drawn = m_picture.copy(0, 0, m_picture.width(), m_picture.height() - 1);
}

void CSchemeBackground::Paint(QPainter& painter, const QRect& clientArea) const {
    if (m_drawn.isNull()) {
        return;
    }
    if (m_scaled.size() != clientArea.size()) {
        m_scaled = QPixmap::fromImage(
            m_drawn.scaled(clientArea.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    painter.drawPixmap(clientArea.topLeft(), m_scaled);
}

QColor CSchemeBackground::DisplayBackground() const {
    return ToQColor(m_displayBackground);
}

QColor CSchemeBackground::ExpressionText() {
    return ToQColor(kExpressionLineText);
}

}  // namespace zyk
