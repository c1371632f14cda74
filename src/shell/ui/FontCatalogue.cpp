#include "shell/ui/FontCatalogue.h"

#include <QFontDatabase>
#include <QList>
#include <QStringList>

#include <algorithm>

namespace zyk {

FontCatalogue::FontCatalogue(Source source) : m_source(std::move(source)) {
    if (!m_source) {
        m_source = &FontCatalogue::InstalledFonts;
    }
}

const std::vector<FontFace>& FontCatalogue::Faces() {
    if (!m_faces) {
        std::vector<FontFace> faces = m_source();
        std::sort(faces.begin(), faces.end(), [](const FontFace& a, const FontFace& b) {
            return QString::compare(a.family, b.family, Qt::CaseInsensitive) < 0;
        });
        faces.erase(
            std::unique(faces.begin(), faces.end(),
                        [](const FontFace& a, const FontFace& b) { return a.family == b.family; }),
            faces.end());
        m_faces = std::move(faces);
    }
    return *m_faces;
}

std::optional<FontFace> FontCatalogue::Find(const QString& family) {
    const std::vector<FontFace>& faces = Faces();
    const auto found = std::find_if(faces.begin(), faces.end(), [&family](const FontFace& face) {
        return face.family.compare(family, Qt::CaseInsensitive) == 0;
    });
    if (found == faces.end()) {
        return std::nullopt;
    }
    return *found;
}

std::vector<FontFace> FontCatalogue::InstalledFonts() {
    std::vector<FontFace> faces;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(family)) {
            continue;
        }
        // A family offered by two foundries is listed by Qt as "Name [Foundry]" twice; the name
        // alone selects it, and the list shows it once.
        QString name = family;
        if (const qsizetype foundry = name.lastIndexOf(QStringLiteral(" ["));
            foundry > 0 && name.endsWith(QLatin1Char(']'))) {
            name.truncate(foundry);
        }
        FontFace face{name, FontKind::Scalable, {}};
        if (QFontDatabase::isSmoothlyScalable(family)) {
            face.kind = FontKind::Scalable;
        } else if (QFontDatabase::isScalable(family)) {
            face.kind = FontKind::Other;
        } else {
            face.kind = FontKind::Bitmap;
            const QList<int> sizes = QFontDatabase::pointSizes(family);
            face.pointSizes.assign(sizes.begin(), sizes.end());
        }
        faces.push_back(std::move(face));
    }
    return faces;
}

}  // namespace zyk
