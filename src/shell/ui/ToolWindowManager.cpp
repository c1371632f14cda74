#include "shell/ui/ToolWindowManager.h"

#include <QCloseEvent>
#include <QDialog>

#include <new>

#include "shell/ui/CWindowPositionKeeper.h"

namespace zyk {

ToolWindowManager::ToolWindowManager(SettingsStore& store, UserMessages& messages, QObject* parent)
    : QObject(parent), m_store(store), m_messages(messages) {}

ToolWindowManager::~ToolWindowManager() {
    for (Slot& slot : m_slots) {
        if (slot.window) {
            slot.window->removeEventFilter(this);
        }
    }
}

QDialog* ToolWindowManager::Create(ToolWindowKind kind, const Factory& factory) {
    const ToolWindowInfo& info = ToolWindowInfoFor(kind);
    QDialog* window = nullptr;
    try {
        window = factory ? factory() : nullptr;
    } catch (const std::bad_alloc&) {
        m_messages.ShowMessage(info.allocationFailure, {}, MessageIcon::Warning,
                               MessageButtons::Ok);
        return nullptr;
    }
    if (window == nullptr) {
        m_messages.ShowMessage(info.creationFailure, {}, MessageIcon::Warning, MessageButtons::Ok);
        return nullptr;
    }

    Slot& slot = SlotFor(kind);
    slot.window = window;
    slot.shown = false;
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setModal(false);
    window->hide();
    slot.position =
        info.remembersSize
            ? new CWindowPositionKeeper(*window, m_store, info.left, info.top,
                                        settings::kProgrammingRight, settings::kProgrammingBottom)
            : new CWindowPositionKeeper(*window, m_store, info.left, info.top);
    slot.position->Initialise();
    window->installEventFilter(this);
    return window;
}

void ToolWindowManager::Register(ToolWindowKind kind, Factory factory) {
    SlotFor(kind).pending = std::move(factory);
}

bool ToolWindowManager::MakeNextPending() {
    for (std::size_t index = 0; index < m_slots.size(); ++index) {
        if (m_slots[index].pending) {
            Made(static_cast<ToolWindowKind>(index));
            return true;
        }
    }
    return false;
}

QDialog* ToolWindowManager::Made(ToolWindowKind kind) {
    Slot& slot = SlotFor(kind);
    if (slot.pending) {
        const Factory factory = std::move(slot.pending);
        slot.pending = nullptr;
        Create(kind, factory);
    }
    return slot.window;
}

bool ToolWindowManager::IsAvailable(ToolWindowKind kind) const {
    const Slot& slot = SlotFor(kind);
    return slot.window || slot.pending;
}

void ToolWindowManager::Toggle(ToolWindowKind kind) {
    Slot& slot = SlotFor(kind);
    if (!Made(kind)) {
        return;
    }
    if (!slot.shown) {
        slot.shown = true;
        slot.window->showNormal();
        slot.window->raise();
        slot.window->activateWindow();
    } else {
        Hide(kind);
    }
}

void ToolWindowManager::Hide(ToolWindowKind kind) {
    Slot& slot = SlotFor(kind);
    slot.shown = false;
    if (slot.window) {
        slot.window->hide();
    }
}

QDialog* ToolWindowManager::Window(ToolWindowKind kind) const {
    return SlotFor(kind).window;
}

bool ToolWindowManager::IsShown(ToolWindowKind kind) const {
    return SlotFor(kind).shown;
}

bool ToolWindowManager::IsInitialised(ToolWindowKind kind) const {
    const Slot& slot = SlotFor(kind);
    return slot.window && slot.position != nullptr && slot.position->IsInitialised();
}

void ToolWindowManager::RepaintInitialised() {
    for (std::size_t index = 0; index < m_slots.size(); ++index) {
        const auto kind = static_cast<ToolWindowKind>(index);
        if (!IsInitialised(kind)) {
            continue;
        }
        QDialog* window = m_slots[index].window;
        window->update();
        for (QWidget* child : window->findChildren<QWidget*>()) {
            child->update();
        }
    }
}

bool ToolWindowManager::eventFilter(QObject* watched, QEvent* event) {
    Slot* slot = SlotOf(watched);
    if (slot != nullptr) {
        if (event->type() == QEvent::Close) {
            // The close box hides; the window lives as long as the main window.
            event->ignore();
            slot->shown = false;
            slot->window->hide();
            return true;
        }
        // Esc, OK or a close command of the window itself: hidden, so no longer shown.
        if (event->type() == QEvent::Hide && !event->spontaneous()) {
            slot->shown = false;
        }
    }
    return QObject::eventFilter(watched, event);
}

ToolWindowManager::Slot& ToolWindowManager::SlotFor(ToolWindowKind kind) {
    return m_slots[static_cast<std::size_t>(kind)];
}

const ToolWindowManager::Slot& ToolWindowManager::SlotFor(ToolWindowKind kind) const {
    return m_slots[static_cast<std::size_t>(kind)];
}

ToolWindowManager::Slot* ToolWindowManager::SlotOf(const QObject* window) {
    for (Slot& slot : m_slots) {
        if (slot.window && slot.window == window) {
            return &slot;
        }
    }
    return nullptr;
}

}  // namespace zyk
