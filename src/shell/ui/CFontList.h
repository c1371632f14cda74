#pragma once

#include <QComboBox>
#include <QPixmap>

#include <optional>
#include <vector>

#include "shell/ui/FontCatalogue.h"

namespace zyk {

// A drop-down list of font families that draws its own items: the family's 12 x 12 picture
// (scalable, bitmap or other; white is transparent, so bitmap fonts show none) at the item's
// left, then the family name 4 pixels to the right of the picture, on the highlight colours when
// selected, with a focus frame on the focused item.
class CFontList : public QComboBox {
    Q_OBJECT

public:
    static constexpr int kPictureSize = 12;
    static constexpr int kTextGap = 4;
    static constexpr int kKindRole = Qt::UserRole + 1;

    explicit CFontList(QWidget* parent = nullptr);

    // Replaces the items by the faces, in their order.
    void Fill(const std::vector<FontFace>& faces);
    // Selects a family (any case); false when it is not in the list, which leaves the selection.
    bool SelectFamily(const QString& family);
    // The selected family; empty when none is.
    QString Family() const;
    std::optional<FontKind> KindAt(int index) const;

    // The picture of a kind, white made transparent.
    static QPixmap Picture(FontKind kind);
};

}  // namespace zyk
