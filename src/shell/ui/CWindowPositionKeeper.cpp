#include "shell/ui/CWindowPositionKeeper.h"

#include <QEvent>
#include <QSize>
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
}

void CWindowPositionKeeper::Initialise() {
    const int left = m_store.ReadInt(m_left.section, m_left.entry, m_left.defaultValue);
    const int top = m_store.ReadInt(m_top.section, m_top.entry, m_top.defaultValue);
    m_window.move(left, top);
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
        m_storedFrameSize = QSize();
    }
    if (watched == &m_window && m_initialised &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        !m_window.isMinimized()) {
        WritePosition();
    }
    return QObject::eventFilter(watched, event);
}

void CWindowPositionKeeper::WritePosition() {
    const QRect frame = m_window.frameGeometry();
    m_store.WriteInt(m_left.section, m_left.entry, frame.x());
    m_store.WriteInt(m_top.section, m_top.entry, frame.y());
    if (!m_rightEntry.empty() && !m_bottomEntry.empty()) {
        m_store.WriteInt(m_left.section, m_rightEntry, frame.x() + frame.width());
        m_store.WriteInt(m_top.section, m_bottomEntry, frame.y() + frame.height());
    }
}

}  // namespace zyk
