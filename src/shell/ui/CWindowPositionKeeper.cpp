#include "shell/ui/CWindowPositionKeeper.h"

#include <QEvent>
#include <QSize>
#include <QTimer>
#include <QWidget>

namespace zyk {

CWindowPositionKeeper::CWindowPositionKeeper(QWidget& window, SettingsStore& store,
                                             settings::IntEntry left, settings::IntEntry top,
                                             std::string_view rightEntry,
                                             std::string_view bottomEntry)
    : QObject(&window),
      m_window(window),
      m_store(store),
      m_left(left),
      m_top(top),
      m_rightEntry(rightEntry),
      m_bottomEntry(bottomEntry) {
    m_window.installEventFilter(this);
    m_frameWatch.setInterval(kFrameLookInterval);
    connect(&m_frameWatch, &QTimer::timeout, this, [this] {
        PlaceFrameOnceKnown();
        NudgeWhileUnframed();
        if (!m_pendingFramePosition || ++m_frameLooks >= kFrameLooks) {
            m_pendingFramePosition.reset();
            m_storedFrameSize = QSize();
            m_frameWatch.stop();
        }
    });
}

void CWindowPositionKeeper::Initialise() {
    const int left = m_store.Read(m_left);
    const int top = m_store.Read(m_top);
    m_window.move(left, top);
    m_pendingFramePosition = QPoint(left, top);
    if (!m_rightEntry.empty() && !m_bottomEntry.empty()) {
        const int right = m_store.ReadInt(m_left.section, m_rightEntry, left);
        const int bottom = m_store.ReadInt(m_top.section, m_bottomEntry, top);
        if (right > left && bottom > top) {
            m_storedFrameSize = QSize(right - left, bottom - top);
            ApplyStoredSize();
        }
    }
    m_initialised = true;
}

void CWindowPositionKeeper::ApplyStoredSize() {
    // The stored rectangle is the frame's; the client is smaller by the frame's margins, which
    // are known once the window has been shown.
    const QSize frameExtra = m_window.frameGeometry().size() - m_window.size();
    const QSize client = m_storedFrameSize - frameExtra;
    if (client.width() > 0 && client.height() > 0) {
        m_window.resize(client.expandedTo(m_window.minimumSize()));
    }
}

bool CWindowPositionKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Show && m_storedFrameSize.isValid()) {
        ApplyStoredSize();
        // With the frame already known the size is right; otherwise it is applied again once the
        // window manager has framed the window.
        if (m_window.frameGeometry().size() != m_window.size()) {
            m_storedFrameSize = QSize();
        }
    }
    if (watched == &m_window && event->type() == QEvent::Show && m_pendingFramePosition &&
        !m_frameWatch.isActive()) {
        // The window manager frames the window shortly after it is shown, and Qt learns the
        // frame's size without an event: look every 50 ms until it is known (a loaded machine
        // may take seconds), for ten seconds at most.
        m_frameLooks = 0;
        m_frameWatch.start();
    }
    if (watched == &m_window && m_initialised &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        !m_window.isMinimized()) {
        WritePosition();
    }
    return QObject::eventFilter(watched, event);
}

bool CWindowPositionKeeper::PlaceFrameOnceKnown() {
    // A window placed before it is first shown has no frame yet, so the platform puts its client
    // area where the frame belongs, one title bar too low; the position written afterwards is the
    // frame's, so each restart would move it up. Once the window manager has framed the window,
    // the stored position is applied again, now to the frame. Returns true when it moved it.
    if (!m_pendingFramePosition || !m_window.isVisible()) {
        return false;
    }
    const QRect frame = m_window.frameGeometry();
    if (frame.topLeft() == m_window.geometry().topLeft()) {
        return false;  // not framed yet (or never: no window manager draws one)
    }
    // The stored size is the frame's too: applied before the frame was known, it made the client
    // as large as the frame, so the window would grow by its frame at every start.
    if (m_storedFrameSize.isValid()) {
        ApplyStoredSize();
        m_storedFrameSize = QSize();
    }
    const QPoint wanted = *m_pendingFramePosition;
    m_pendingFramePosition.reset();
    if (frame.topLeft() == wanted) {
        return false;
    }
    m_window.move(wanted);
    return true;
}

void CWindowPositionKeeper::NudgeWhileUnframed() {
    // Qt reads the frame's size again only after the window moved: when the window manager
    // framed the window just after Qt's last look, the frame stays unknown for good (seen on a
    // loaded machine). A one-pixel move and back makes Qt look again; with no window manager it
    // leaves the window where it was.
    if (!m_pendingFramePosition || !m_window.isVisible()) {
        return;
    }
    if (m_frameLooks == kNudgeLook) {
        m_window.move(m_window.pos() + QPoint(1, 0));
    } else if (m_frameLooks == kNudgeLook + 1) {
        m_window.move(m_window.pos() - QPoint(1, 0));
    }
}

void CWindowPositionKeeper::WritePosition() {
    const QRect frame = m_window.frameGeometry();
    m_store.Write(m_left, frame.x());
    m_store.Write(m_top, frame.y());
    if (!m_rightEntry.empty() && !m_bottomEntry.empty()) {
        m_store.WriteInt(m_left.section, m_rightEntry, frame.x() + frame.width());
        m_store.WriteInt(m_top.section, m_bottomEntry, frame.y() + frame.height());
    }
}

}  // namespace zyk
