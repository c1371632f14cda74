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

#include "calculator/Calculator.h"
#include "calculator/ui/CCalculatorDisplay.h"
#include "calculator/ui/CCalculatorDlg.h"
#include "calculator/ui/CExpressionEdit.h"
#include "calculator/ui/CKeypad.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"
#include "shell/ui/CColorStatic.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/QtText.h"
#include "ui/RecordingMessages.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zyk::window_test {

// Windows-1252 bytes as the window shows them (the negation sign as U+2212).
inline QString Shown(std::string_view bytes) {
    return ToQString(bytes);
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
    // Copies a shipped file ("images/Bkc_green.bmp") into the scratch resource folder.
    void ShipResource(const QString& relativePath) {
        const QString target = m_resources.filePath(relativePath);
        QDir().mkpath(QFileInfo(target).absolutePath());
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(ZYK_SOURCE_DIR "/resources/") + relativePath, target));
    }
    void PutResource(const QString& relativePath, const QByteArray& contents) {
        const QString target = m_resources.filePath(relativePath);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    CSkinButton& Key(int controlId) {
        CSkinButton* button = Window().Keypad().Button(controlId);
        EXPECT_NE(button, nullptr) << "no key " << controlId;
        return *button;
    }
    void Click(int controlId) { QTest::mouseClick(&Key(controlId), Qt::LeftButton); }

    CExpressionEdit& Line() { return Window().Display().ExpressionLine(); }
    // A key as the keyboard delivers it to the focused expression line.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               const QString& text = QString()) {
        QTest::sendKeyEvent(QTest::Click, &Line(), key, text, modifiers);
    }
    // Types characters as the keyboard would: letters as their keys, so "x" is Key_X.
    void Type(const QString& text) {
        for (const QChar c : text) {
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, &Line(), key, QString(c), Qt::NoModifier);
        }
    }

    QString ExpressionShown() { return Line().text(); }
    QString ResultShown() { return Window().Display().ResultLine().text(); }
    QString AngleShown() { return Window().Display().AngleLabel().text(); }
    QString ModeShown() { return Window().Display().ModeLabel().text(); }
    QString HypShown() { return Window().Display().HypLabel().text(); }

    // Clicks a popup menu's item with the mouse, as the user picks it.
    static void Pick(QMenu& menu, const QString& itemText) {
        for (QAction* action : menu.actions()) {
            if (action->text() == itemText) {
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
                return;
            }
        }
        ADD_FAILURE() << "no menu item " << itemText.toStdString();
    }
    static QStringList ItemTexts(const QMenu& menu) {
        QStringList texts;
        for (const QAction* action : menu.actions()) {
            if (!action->isSeparator()) {
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
    RecordingMessages messages;

private:
    QTemporaryDir m_data;
    QTemporaryDir m_resources;
    std::unique_ptr<CCalculatorDlg> m_window;
};

}  // namespace zyk::window_test
