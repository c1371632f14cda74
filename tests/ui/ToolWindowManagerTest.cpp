#include <QDialog>
#include <QPointer>

#include <functional>
#include <new>

#include "UiTestSupport.h"
#include "shell/MemorySettingsStore.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/QtColors.h"
#include "shell/ui/ToolWindowManager.h"

namespace zyk {
namespace {

class ToolWindowFixture : public ::testing::Test {
protected:
    QDialog* Make(ToolWindowKind kind) {
        return m_manager.Create(kind, [this] {
            auto* dialog = new QDialog(&m_main);
            dialog->resize(200, 150);
            return dialog;
        });
    }
    static constexpr int kUnwritten = -99999;
    int Stored(std::string_view entry) const {
        return m_store.ReadInt("Settings", entry, kUnwritten);
    }

    QWidget m_main;
    MemorySettingsStore m_store;
    test::RecordingMessages m_messages;
    ToolWindowManager m_manager{m_store, m_messages};
};

TEST_F(ToolWindowFixture, WindowsAreMadeHiddenAtTheirStoredPlace) {
    m_store.WriteInt("Settings", "ConvertLeft", 321);
    m_store.WriteInt("Settings", "ConvertTop", 222);
    QDialog* converter = Make(ToolWindowKind::Converter);
    QDialog* constants = Make(ToolWindowKind::Constants);
    ASSERT_NE(converter, nullptr);
    ASSERT_NE(constants, nullptr);
    EXPECT_FALSE(converter->isVisible());
    EXPECT_FALSE(m_manager.IsShown(ToolWindowKind::Converter));
    EXPECT_TRUE(m_manager.IsInitialised(ToolWindowKind::Converter));
    EXPECT_EQ(converter->pos(), QPoint(321, 222));
    EXPECT_EQ(constants->pos(), QPoint(150, 100)) << "the defaults for an empty store";
    EXPECT_TRUE(m_messages.shown.empty());
}

// The menu item shows and hides; the close box and Escape only hide, clearing the shown flag so
// that the next menu pick shows the window again.
TEST_F(ToolWindowFixture, MenuItemTogglesAndCloseBoxOrEscapeOnlyHide) {
    QPointer<QDialog> statistics = Make(ToolWindowKind::Statistics);
    const auto hiddenBy = [&](const std::function<void()>& hide) {
        m_manager.Toggle(ToolWindowKind::Statistics);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(statistics.data()));
        EXPECT_TRUE(m_manager.IsShown(ToolWindowKind::Statistics));
        hide();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !statistics.isNull() && !statistics->isVisible() &&
               !m_manager.IsShown(ToolWindowKind::Statistics);
    };
    EXPECT_TRUE(hiddenBy([&] { m_manager.Toggle(ToolWindowKind::Statistics); }));
    EXPECT_TRUE(hiddenBy([&] { statistics->close(); })) << "a tool window lives on";
    EXPECT_TRUE(hiddenBy([&] { QTest::keyClick(statistics.data(), Qt::Key_Escape); }));
}

TEST_F(ToolWindowFixture, MovesAreWrittenAtOnce) {
    QDialog* statistics = Make(ToolWindowKind::Statistics);
    m_manager.Toggle(ToolWindowKind::Statistics);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(statistics));
    statistics->move(500, 200);
    QApplication::processEvents();
    EXPECT_EQ(Stored("StaticLeft"), 500);
    EXPECT_EQ(Stored("StaticTop"), 200);
    EXPECT_EQ(Stored("ConvertLeft"), kUnwritten) << "other windows' entries stay untouched";
    // A minimised window does not write its far-off place.
    statistics->showMinimized();
    QApplication::processEvents();
    statistics->move(-32000, -32000);
    QApplication::processEvents();
    EXPECT_EQ(Stored("StaticLeft"), 500);
}

TEST_F(ToolWindowFixture, CreationFailuresAreReportedAndLeaveTheToolUnavailable) {
    EXPECT_EQ(m_manager.Create(ToolWindowKind::Converter, [] { return nullptr; }), nullptr);
    EXPECT_EQ(
        m_manager.Create(ToolWindowKind::Programming, []() -> QDialog* { throw std::bad_alloc(); }),
        nullptr);
    ASSERT_EQ(m_messages.shown.size(), 2u);
    EXPECT_EQ(m_messages.shown[0].text, "Could Not Create Converter Window!");
    EXPECT_EQ(m_messages.shown[1].text,
              "Error Creating Programming Window Object!  \nIs Memory Low?");
    EXPECT_EQ(m_messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(m_messages.shown[0].caption.empty()) << "the application's title";
    m_manager.Toggle(ToolWindowKind::Converter);  // no window: nothing happens
    EXPECT_EQ(m_manager.Window(ToolWindowKind::Converter), nullptr);
    EXPECT_FALSE(m_manager.IsShown(ToolWindowKind::Converter));
    // Creation goes on with the next window.
    EXPECT_NE(Make(ToolWindowKind::Constants), nullptr);
}

// Registered windows are made once, by the first of: their menu item, Made, MakeNextPending
// (which takes them in the table's order); a failure then is reported as Create reports it.
TEST_F(ToolWindowFixture, RegisteredWindowsAreMadeOnceWhenFirstNeeded) {
    int made = 0;
    const auto factory = [this, &made] {
        ++made;
        return new QDialog(&m_main);
    };
    m_manager.Register(ToolWindowKind::Programming, factory);
    m_manager.Register(ToolWindowKind::Constants, factory);
    m_manager.Register(ToolWindowKind::Statistics, [] { return nullptr; });
    EXPECT_EQ(made, 0);
    EXPECT_TRUE(m_manager.IsAvailable(ToolWindowKind::Statistics));
    EXPECT_FALSE(m_manager.IsAvailable(ToolWindowKind::Converter));
    EXPECT_EQ(m_manager.Window(ToolWindowKind::Programming), nullptr) << "not made yet";

    m_manager.Toggle(ToolWindowKind::Programming);
    ASSERT_EQ(made, 1);
    EXPECT_TRUE(m_manager.IsShown(ToolWindowKind::Programming));
    EXPECT_EQ(m_manager.Made(ToolWindowKind::Programming),
              m_manager.Window(ToolWindowKind::Programming));

    EXPECT_TRUE(m_manager.MakeNextPending());  // Constants comes before Statistics
    EXPECT_EQ(made, 2);
    EXPECT_NE(m_manager.Window(ToolWindowKind::Constants), nullptr);
    EXPECT_FALSE(m_manager.IsShown(ToolWindowKind::Constants));
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_TRUE(m_manager.MakeNextPending());
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{"Could Not Create Statical Window!"}));
    EXPECT_FALSE(m_manager.IsAvailable(ToolWindowKind::Statistics));
    EXPECT_FALSE(m_manager.MakeNextPending());
    EXPECT_EQ(made, 2);
}

TEST_F(ToolWindowFixture, SchemeChangeRepaintsShownToolWindows) {
    SelectScheme(m_store, 1);
    CSkinButton* button = nullptr;
    QDialog* statistics = m_manager.Create(ToolWindowKind::Statistics, [&] {
        auto* dialog = new QDialog(&m_main);
        button = new CSkinButton(QStringLiteral("Calculate"), dialog);
        auto* colours = new CSchemeWindowColors(*dialog, m_store);
        colours->AssignButton(*button, 2, 2);
        return dialog;
    });
    m_manager.Toggle(ToolWindowKind::Statistics);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(statistics));
    QApplication::processEvents();
    EXPECT_EQ(button->Colours().face, 0x96A59Bu);  // Gold family 2

    SelectScheme(m_store, 6);
    m_manager.RepaintInitialised();
    QApplication::processEvents();
    EXPECT_EQ(button->Colours().face, 0xA5A096u);  // Teal family 2
    EXPECT_EQ(statistics->palette().color(QPalette::Window), ToQColor(0xB4B4A5));
}

}  // namespace
}  // namespace zyk
