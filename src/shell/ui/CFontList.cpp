#include "shell/ui/CFontList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBitmap>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

// The pictures live in the shell's resource file, inside a static library: initialise it by name
// so the linker keeps it.
static void InitialisePictureResource() {
    Q_INIT_RESOURCE(zykcalc);
}

namespace zyk {
namespace {

QString PicturePath(FontKind kind) {
    switch (kind) {
        case FontKind::Scalable:
            return QStringLiteral(":/zykcalc/pictures/font-scalable.png");
        case FontKind::Bitmap:
            return QStringLiteral(":/zykcalc/pictures/font-bitmap.png");
        case FontKind::Other:
            break;
    }
    return QStringLiteral(":/zykcalc/pictures/font-other.png");
}

// Draws each item as the list's owner: picture, name, highlight and focus frame.
class FontItemDelegate : public QStyledItemDelegate {
public:
    explicit FontItemDelegate(QObject* parent)
        : QStyledItemDelegate(parent),
          m_pictures{CFontList::Picture(FontKind::Scalable), CFontList::Picture(FontKind::Bitmap),
                     CFontList::Picture(FontKind::Other)} {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QFontMetrics metrics(option.font);
        const int width = CFontList::kPictureSize + CFontList::kTextGap +
                          metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 2;
        return QSize(width, std::max(CFontList::kPictureSize, metrics.height()));
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(option.rect, selected ? palette.color(QPalette::Highlight)
                                                : palette.color(QPalette::Base));
        painter->setPen(selected ? palette.color(QPalette::HighlightedText)
                                 : palette.color(QPalette::Text));
        painter->setFont(option.font);
        const QRect text =
            option.rect.adjusted(CFontList::kPictureSize + CFontList::kTextGap, 0, 0, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        const QVariant kind = index.data(CFontList::kKindRole);
        if (kind.isValid()) {
            painter->drawPixmap(option.rect.topLeft(), PictureOf(kind.toInt()));
        }
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.rect = option.rect;
            focus.state = option.state;
            focus.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
            QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter);
        }
        painter->restore();
    }

private:
    const QPixmap& PictureOf(int kind) const {
        switch (static_cast<FontKind>(kind)) {
            case FontKind::Scalable:
                return m_pictures[0];
            case FontKind::Bitmap:
                return m_pictures[1];
            case FontKind::Other:
                break;
        }
        return m_pictures[2];
    }

    const QPixmap m_pictures[3];
};

}  // namespace

CFontList::CFontList(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new FontItemDelegate(this));
    setIconSize(QSize(kPictureSize, kPictureSize));
    // A list of limited height below the field, rather than a menu as tall as the screen.
    setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    setMaxVisibleItems(16);
}

void CFontList::Fill(const std::vector<FontFace>& faces) {
    const QSignalBlocker blocker(this);
    clear();
    const QIcon scalable(Picture(FontKind::Scalable));
    const QIcon bitmap(Picture(FontKind::Bitmap));
    const QIcon other(Picture(FontKind::Other));
    for (const FontFace& face : faces) {
        addItem(face.kind == FontKind::Scalable ? scalable
                : face.kind == FontKind::Bitmap ? bitmap
                                                : other,
                face.family);
        setItemData(count() - 1, static_cast<int>(face.kind), kKindRole);
    }
    setCurrentIndex(-1);
}

bool CFontList::SelectFamily(const QString& family) {
    const int index = findText(family, Qt::MatchFixedString);
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    return true;
}

QString CFontList::Family() const {
    return currentIndex() < 0 ? QString() : currentText();
}

std::optional<FontKind> CFontList::KindAt(int index) const {
    const QVariant kind = itemData(index, kKindRole);
    if (!kind.isValid()) {
        return std::nullopt;
    }
    return static_cast<FontKind>(kind.toInt());
}

QPixmap CFontList::Picture(FontKind kind) {
    InitialisePictureResource();
    QPixmap picture(PicturePath(kind));
    if (picture.isNull()) {
        return picture;
    }
    picture.setMask(picture.createMaskFromColor(Qt::white));
    return picture;
}

}  // namespace zyk
