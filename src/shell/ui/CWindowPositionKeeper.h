#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTimer>

#include <optional>
#include <string_view>

#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

class QWidget;

namespace zyk {

// Remembers a window's place in the settings store: puts it at the stored position when the
// window is initialised, then writes its left and top edges (and, for a window that remembers
// its size, its right and bottom edges) at once whenever it moves or is resized, as long as it is
// initialised and not minimised. Edges are those of the window's frame, in screen pixels.
class CWindowPositionKeeper : public QObject {
    Q_OBJECT

public:
    // left/top: the entries with their defaults. rightEntry/bottomEntry: entries in the same
    // section whose defaults are the values read for left and top (empty: position only).
    CWindowPositionKeeper(QWidget& window, SettingsStore& store, settings::IntEntry left,
                          settings::IntEntry top, std::string_view rightEntry = {},
                          std::string_view bottomEntry = {});

    // Moves the window to its stored place (keeping its size unless a stored size is larger than
    // its minimum) and starts writing.
    void Initialise();
    bool IsInitialised() const { return m_initialised; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WritePosition();
    void ApplyStoredSize();
    bool PlaceFrameOnceKnown();
    void NudgeWhileUnframed();

    QWidget& m_window;
    SettingsStore& m_store;
    settings::IntEntry m_left;
    settings::IntEntry m_top;
    std::string_view m_rightEntry;
    std::string_view m_bottomEntry;
    bool m_initialised = false;
    QSize m_storedFrameSize;  // applied when first shown, and again once the frame is known
    static constexpr int kFrameLookInterval = 50;  // ms
    static constexpr int kFrameLooks = 200;
    static constexpr int kNudgeLook = 10;          // half a second after the window was shown
    std::optional<QPoint> m_pendingFramePosition;  // until the window manager has framed it
    QTimer m_frameWatch;
    int m_frameLooks = 0;
};

}  // namespace zyk
