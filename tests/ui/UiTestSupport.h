#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

#include "shell/MemorySettingsStore.h"
#include "shell/UserMessages.h"
#include "shell/ui/QtColors.h"

namespace zyk {

// Records every message instead of showing it, answering with a preset answer.
class RecordingMessages : public UserMessages {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) override {
        shown.push_back(Shown{std::string(text), std::string(caption), icon, buttons});
        return MessageAnswer::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }

    std::vector<Shown> shown;
};

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
