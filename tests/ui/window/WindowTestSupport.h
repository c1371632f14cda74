#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "../UiTestSupport.h"
#include "calculator/Calculator.h"
#include "calculator/ui/CCalculatorDisplay.h"
#include "calculator/ui/CCalculatorDlg.h"
#include "calculator/ui/CExpressionEdit.h"
#include "calculator/ui/CKeypad.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CFitLabel.h"
#include "shell/ui/CSkinButton.h"
#include "support/RecordingMessages.h"

namespace zyk::window_test {

// One thing the user does: click a keypad key, press a key, or type characters.
struct Step {
    std::optional<CalculatorCommand> click;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    const char* text = "";  // UTF-8: the key's text, or the characters to type
};
inline Step Click(CalculatorCommand key) {
    return Step{key};
}
inline Step Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  const char* text = "") {
    return Step{std::nullopt, key, modifiers, text};
}
inline Step Type(const char* text) {
    return Step{std::nullopt, Qt::Key_unknown, Qt::NoModifier, text};
}

// A calculator window over a fresh in-memory store, recorded messages, a scratch data folder and
// a scratch resource folder (no pictures, no help pages unless a test puts them there).
class WindowTest : public ::testing::Test {
protected:
    CCalculatorDlg& Window() {
        if (!m_window) {
            m_window = std::make_unique<CCalculatorDlg>(CalculatorWindowContext{
                store, DataFolder(), ResourceLocator(m_resources.path()), &messages});
            m_window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        }
        return *m_window;
    }
    void CloseWindow() { m_window.reset(); }

    std::filesystem::path DataFolder() const {
        return std::filesystem::path(QFile::encodeName(m_data.path()).toStdString());
    }
    QString ResourceFolder() const { return m_resources.path(); }
    // Puts a file into the scratch resource folder: a shipped one, or the given contents.
    void PutResource(const QString& relativePath, const QByteArray& contents = {}) {
        const QString target = m_resources.filePath(relativePath);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (contents.isEmpty()) {
            ASSERT_TRUE(
                QFile::copy(QStringLiteral(ZYK_SOURCE_DIR "/resources/") + relativePath, target));
            return;
        }
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    CSkinButton& Key(CalculatorCommand command) {
        CSkinButton* button = Window().Keypad().Button(command);
        EXPECT_NE(button, nullptr) << "no key " << static_cast<int>(command);
        return *button;
    }
    CExpressionEdit& Line() { return Window().Display().ExpressionLine(); }

    // Clicks real buttons with the mouse; keys go to the focused expression line as the keyboard
    // delivers them; typed letters are their keys, so "x" is Key_X.
    void Do(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            if (step.click) {
                QTest::mouseClick(&Key(*step.click), Qt::LeftButton);
            } else if (step.key != Qt::Key_unknown) {
                QTest::sendKeyEvent(QTest::Click, &Line(), step.key, QString::fromUtf8(step.text),
                                    step.modifiers);
            } else {
                for (const QChar c : QString::fromUtf8(step.text)) {
                    QTest::sendKeyEvent(QTest::Click, &Line(),
                                        static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                                        Qt::NoModifier);
                }
            }
        }
    }

    QString ExpressionShown() { return Line().text(); }
    QString ResultShown() { return Window().Display().ResultLine().text(); }
    QString ModeShown() { return Window().Display().ModeLabel().text(); }

    // The popup menu open now.
    QMenu& OpenMenu() {
        QMenu* menu = Window().OpenMenu();
        EXPECT_NE(menu, nullptr) << "no menu is open";
        return *menu;
    }
    // Clicks an item of the open popup menu with the mouse, as the user picks it.
    void Pick(const QString& itemText) {
        QMenu& menu = OpenMenu();
        QAction* action = Item(menu, itemText);
        ASSERT_NE(action, nullptr) << "no menu item " << itemText.toStdString();
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
    }
    static QStringList ItemTexts(const QMenu& menu, bool onlyChecked = false) {
        QStringList texts;
        for (const QAction* action : menu.actions()) {
            if (!action->isSeparator() && (!onlyChecked || action->isChecked())) {
                texts << action->text();
            }
        }
        return texts;
    }
    static QAction* Item(const QMenu& menu, const QString& itemText) {
        for (QAction* action : menu.actions()) {
            if (action->text() == itemText) {
                return action;
            }
        }
        return nullptr;
    }

    MemorySettingsStore store;
    test::RecordingMessages messages;

private:
    QTemporaryDir m_data;
    QTemporaryDir m_resources;
    std::unique_ptr<CCalculatorDlg> m_window;
};

}  // namespace zyk::window_test
