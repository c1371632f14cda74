#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QEnterEvent>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include "shell/MemorySettingsStore.h"
#include "shell/ui/QtColors.h"
#include "support/RecordingMessages.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zyk {

// The texts of a list's or a combo box's rows, in order.
template <class List>
QStringList Items(const List& list) {
    QStringList items;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        items << list.model()->index(row, 0).data().toString();
    }
    return items;
}

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

// Runs `act` on the next modal dialog of type Dialog once it is up, polling while the code under
// test waits in its exec(); a dialog that does not open within five seconds fails the test.
template <class Dialog>
void WhenModalOpens(std::function<void(Dialog&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto triesLeft = std::make_shared<int>(500);
    QObject::connect(poll, &QTimer::timeout, [poll, act, triesLeft] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr || --*triesLeft == 0) {
            poll->stop();
            poll->deleteLater();
            ASSERT_NE(dialog, nullptr) << "the dialog did not open";
            act(*dialog);
        }
    });
    poll->start();
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
