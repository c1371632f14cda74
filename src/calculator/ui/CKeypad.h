#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <map>
#include <optional>
#include <vector>

#include "calculator/CalculatorCommand.h"

namespace zyk {

class CSkinButton;
struct KeypadKey;

// Every key of the keypad table as a skinned button, known by its command with its second-function
// caption written small above it, laid out as in KeypadLayout.h and coloured with the keypad's own
// fixed colours (they do not follow the colour scheme). Transparent: the window's background shows
// between the keys. The buttons never take the focus, so Space and Enter never press them. The
// captions are painted by the keypad itself: one widget instead of two dozen labels keeps start-up
// quick.
class CKeypad : public QWidget {
    Q_OBJECT

public:
    // A second-function caption: its text and where it is written.
    struct Caption {
        QString text;
        QRect area;
    };

    // keyFont: "View" "Font" at "View" "FontSize"; captionPoints: FontSize minus "Font Offset".
    CKeypad(const QFont& keyFont, int captionPoints, QWidget* parent = nullptr);

    // Nothing for a command without a key.
    CSkinButton* Button(CalculatorCommand command) const;
    // Nothing for a key without a second function.
    std::optional<Caption> CaptionOf(CalculatorCommand command) const;
    const QFont& CaptionFont() const { return m_captionFont; }
    std::vector<CalculatorCommand> Commands() const;
    // A new "Font Offset": the captions are written in the new size and the keys laid out again
    // around them.
    void SetCaptionPoints(int captionPoints);

    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

signals:
    void KeyClicked(CalculatorCommand command);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Key {
        CSkinButton* button = nullptr;
        std::optional<Caption> caption;
    };

    void MakeKey(const KeypadKey& entry, const QFont& font);
    void Arrange(const QFont& functionFont, const QFont& numberFont);

    QFont m_keyFont;
    QFont m_numberFont;
    QFont m_captionFont;
    std::map<CalculatorCommand, Key> m_keys;
    QSize m_size;
};

}  // namespace zyk
