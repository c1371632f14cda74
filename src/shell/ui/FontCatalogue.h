#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace zyk {

// How a font family is drawn at other sizes: smoothly scaled outlines, fixed bitmap sizes only,
// or bitmaps the system scales.
enum class FontKind { Scalable, Bitmap, Other };

struct FontFace {
    QString family;
    FontKind kind = FontKind::Scalable;
    std::vector<int> pointSizes;  // the sizes a bitmap font offers
};

// The installed font families, each once, sorted by name without regard to case. Read on first
// use: enumerating the fonts takes a while and only the Options dialog needs them.
class FontCatalogue {
public:
    using Source = std::function<std::vector<FontFace>()>;

    // source: where the families come from; nothing reads the installed fonts.
    explicit FontCatalogue(Source source = {});

    const std::vector<FontFace>& Faces();
    // Nothing for a family that is not installed.
    std::optional<FontFace> Find(const QString& family);

    // The families QFontDatabase reports, without their foundries, private ones left out.
    static std::vector<FontFace> InstalledFonts();

private:
    Source m_source;
    std::optional<std::vector<FontFace>> m_faces;
};

}  // namespace zyk
