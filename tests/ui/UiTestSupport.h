#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>

#include "shell/MemorySettingsStore.h"
#include "shell/ui/QtColors.h"
#include "support/RecordingMessages.h"

namespace zyk {

// Writes a scheme number and applies it, as the Options dialog does.
inline void SelectScheme(MemorySettingsStore& store, int scheme) {
    store.WriteInt("Colors", "Preset", scheme);
    ApplyScheme(store, CurrentPlatformColours());
}

inline void ShowAndSettle(QWidget& widget) {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QApplication::processEvents();
}

// The pointer arriving on and leaving a widget, as the platform reports them.
inline void SendEnter(QWidget& widget) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&widget, &enter);
}
inline void SendLeave(QWidget& widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&widget, &leave);
}

}  // namespace zyk
