#pragma once

#include <QLabel>

#include "shell/ColourScheme.h"

namespace zyk {

inline constexpr ColorRef kContextHelpText = Rgb(0, 80, 0);
inline constexpr ColorRef kContextHelpBackground = Rgb(250, 250, 250);

// A small pop-up with a help text for one control: dark green on near-white, no parent, gone at
// the next click or key press.
class CContextHelpPopup : public QLabel {
    Q_OBJECT

public:
    explicit CContextHelpPopup(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Shows the pop-up with its top-left corner at a screen position (kept on the screen). It deletes
// itself when closed.
CContextHelpPopup* ShowContextHelp(const QString& text, const QPoint& globalPosition);

}  // namespace zyk
