#pragma once

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

#include "shell/SettingsStore.h"
#include "shell/ToolWindowTable.h"
#include "shell/UserMessages.h"

class QDialog;

namespace zyk {

class CWindowPositionKeeper;

// The tool windows around the keypad (converter, constants, statistics, programming). Each is
// made once, hidden, placed at its stored position and from then on shown and hidden by its
// menu item. A window may be registered instead of made: it is then made when it is first asked
// for (its menu item, Made) or by MakeNextPending, so that the main window's start does not wait
// for it. Its close box, Esc and its own close commands only hide it. Its position is written
// to the settings store whenever it moves.
class ToolWindowManager : public QObject {
    Q_OBJECT

public:
    // Makes the window (a QDialog owned by the main window); nullptr when it cannot be created.
    // May throw std::bad_alloc.
    using Factory = std::function<QDialog*()>;

    ToolWindowManager(SettingsStore& store, UserMessages& messages, QObject* parent = nullptr);
    ~ToolWindowManager() override;

    // Makes the window with the factory, reporting the allocation or creation message when that
    // fails (the tool is then unavailable). Returns the window, hidden.
    QDialog* Create(ToolWindowKind kind, const Factory& factory);

    // Keeps the factory of a window to be made later, as Create makes it.
    void Register(ToolWindowKind kind, Factory factory);
    // Makes one registered window not made yet; false when none was left.
    bool MakeNextPending();
    // The window, made now when it was registered and not made yet; nullptr when there is none.
    QDialog* Made(ToolWindowKind kind);
    // Made, or registered and not tried yet: its menu item is enabled.
    bool IsAvailable(ToolWindowKind kind) const;

    // The menu item: shows a hidden window (made first when it was only registered), hides a
    // shown one.
    void Toggle(ToolWindowKind kind);
    void Hide(ToolWindowKind kind);

    QDialog* Window(ToolWindowKind kind) const;
    bool IsShown(ToolWindowKind kind) const;
    bool IsInitialised(ToolWindowKind kind) const;

    // After a scheme change: repaints every initialised tool window with all its controls, so
    // each picks the new colours up.
    void RepaintInitialised();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Slot {
        QPointer<QDialog> window;
        Factory pending;  // registered, not made yet
        CWindowPositionKeeper* position = nullptr;
        bool shown = false;
    };

    Slot& SlotFor(ToolWindowKind kind);
    const Slot& SlotFor(ToolWindowKind kind) const;
    Slot* SlotOf(const QObject* window);

    SettingsStore& m_store;
    UserMessages& m_messages;
    std::array<Slot, kToolWindows.size()> m_slots;
};

}  // namespace zyk
