#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>
#include <memory>

#include "shell/ColourScheme.h"
#include "shell/UserMessages.h"

namespace zyk {

inline constexpr ColorRef kLinkColour = Rgb(0, 0, 255);
inline constexpr ColorRef kLinkHoverColour = Rgb(160, 100, 80);
inline constexpr ColorRef kLinkClickedColour = Rgb(128, 128, 128);

// An underlined text that opens itself as a link: a hand cursor over it, the hover colour while
// the pointer is on it, grey when clicked. A link that cannot be opened beeps and says why.
class CLinkLabel : public QLabel {
    Q_OBJECT

public:
    // Opens a link; false when nothing could open it.
    using Opener = std::function<bool(const QUrl&)>;

    explicit CLinkLabel(const QString& text = QString(), QWidget* parent = nullptr);
    ~CLinkLabel() override;

    void SetLinkColour(ColorRef colour);
    // Replaces the desktop's link opening (tests, or a window that handles links itself).
    void SetOpener(Opener opener);
    // Where failures are reported; message boxes of this control's window when not set.
    void SetMessages(UserMessages* messages);

    ColorRef CurrentColour() const { return m_colour; }
    QUrl Target() const;
    // What a click does: grey, then open; a failure is reported. Returns whether it opened.
    bool OpenLink();

signals:
    void LinkOpened(const QUrl& target);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowColour(ColorRef colour);

    ColorRef m_colour = kLinkColour;
    ColorRef m_restoreColour = kLinkColour;
    bool m_pressed = false;
    Opener m_opener;
    UserMessages* m_messages = nullptr;
    std::unique_ptr<UserMessages> m_ownMessages;
};

}  // namespace zyk
