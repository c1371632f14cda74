#pragma once

#include <QFont>
#include <QWidget>

#include <map>
#include <vector>

namespace zyk {

class CColorStatic;
class CSkinButton;

// Every key of the keypad table as a skinned button with its second-function caption written
// small above it, laid out as in KeypadLayout.h and coloured with the keypad's own fixed colours
// (they do not follow the colour scheme). Transparent: the window's background shows between
// the keys. The buttons never take the focus, so Space and Enter never press them.
class CKeypad : public QWidget {
    Q_OBJECT

public:
    // keyFont: "View" "Font" at "View" "FontSize"; captionPoints: FontSize minus "Font Offset".
    CKeypad(const QFont& keyFont, int captionPoints, QWidget* parent = nullptr);

    // Nothing for an id that is no key.
    CSkinButton* Button(int controlId) const;
    // Nothing for a key without a second function.
    CColorStatic* Caption(int controlId) const;
    std::vector<int> ControlIds() const;

    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

signals:
    void KeyClicked(int controlId);

private:
    struct Key {
        CSkinButton* button = nullptr;
        CColorStatic* caption = nullptr;
    };

    void MakeKey(int controlId, const QFont& font, const QFont& captionFont);
    void Arrange(const QFont& functionFont, const QFont& numberFont, const QFont& captionFont);

    std::map<int, Key> m_keys;
    QSize m_size;
};

}  // namespace zyk
