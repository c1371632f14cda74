// The window's duties towards the rest of the application: colour schemes and the fixed keypad
// colours, the background picture, its remembered position, tool windows, help, the About box
// and the restart.
#include "WindowTestSupport.h"

#include <sys/stat.h>

#include "app/Application.h"
#include "calculator/KeypadTable.h"
#include "calculator/ui/KeypadColours.h"
#include "shell/ColourScheme.h"
#include "shell/SkinButtonLook.h"
#include "shell/qt/QSettingsStore.h"
#include "shell/ui/CAboutDlg.h"
#include "shell/ui/CHelpViewer.h"
#include "shell/ui/QtColors.h"

namespace zyk::window_test {
namespace {

using CalculatorWindowShell = WindowTest;

int Read(const SettingsStore& store, const settings::IntEntry& entry) {
    return store.ReadInt(entry.section, entry.entry, -1);
}

void ChooseScheme(SettingsStore& store, int scheme) {
    store.Write(settings::kColorsPreset, scheme);
}

constexpr int kPlatformFace = -2;

TEST_F(CalculatorWindowShell, StartAppliesTheSchemeAndTheKeysKeepTheirColours) {
    const struct {
        int scheme;  // -1: none chosen yet
        int bkc;
        int background;  // "clrBk"
        ColorRef display;
        bool picture;
    } rows[] = {{-1, 4141, 0xA5B4B2, 0x50463C, true}, {0, 0, kPlatformFace, 0x645A50, false}};
    PutResource(QStringLiteral("images/Bkc_green.bmp"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.scheme);
        CloseWindow();
        store = MemorySettingsStore();
        store.Write(settings::kClrBk, 0x123456);  // by hand
        if (row.scheme >= 0) {
            ChooseScheme(store, row.scheme);
        }
        Window();
        EXPECT_EQ(Read(store, settings::kColorsBkc), row.bkc);
        EXPECT_EQ(Read(store, settings::kClrBk),
                  row.background == kPlatformFace ? static_cast<int>(CurrentPlatformColours().face)
                                                  : row.background);
        EXPECT_EQ(Window().Display().Background(), ToQColor(row.display));
        EXPECT_EQ(Window().Background().HasPicture(), row.picture);
        for (const CalculatorCommand key : Window().Keypad().Commands()) {
            const KeypadKeyColours expected = *KeypadColoursFor(key);
            const SkinButtonColours& shown = Key(key).Colours();
            EXPECT_EQ(std::tie(shown.face, shown.text, shown.light, shown.shadow),
                      std::tie(expected.face, expected.text, expected.light, expected.shadow))
                << KeyForCommand(key)->label;
            EXPECT_EQ(Key(key).Style(),
                      expected.hoverFace ? kSkinStyleHoverFace : kSkinStyleNoHover);
        }
    }
}

TEST_F(CalculatorWindowShell, MissingPictureShowsWhiteAndALaterSchemeIsFollowed) {
    PutResource(QStringLiteral("images/Bkc_green.bmp"));
    ChooseScheme(store, 8);
    EXPECT_FALSE(Window().Background().IsFallback());
    ASSERT_TRUE(QFile::remove(ResourceFolder() + QStringLiteral("/images/Bkc_green.bmp")));
    Window().ApplyColourScheme();
    EXPECT_TRUE(Window().Background().IsFallback());
    const QImage shot = Window().grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, shot.height() - 3), QColor(Qt::white));

    // The Options dialog only writes "Preset": the window picks it up when it next paints.
    ChooseScheme(store, 0);
    Window().repaint();
    EXPECT_EQ(Window().Scheme(), 0);
    EXPECT_EQ(Window().Display().Background(), ToQColor(0x645A50));
}

// Every rewrite of a settings file replaces it by a new file.
ino_t FileIdentity(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

TEST_F(CalculatorWindowShell, AStartWithUnchangedSettingsDoesNotRewriteTheirFile) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Zyk Calc.ini"));
    const auto start = [&] {
        QSettingsStore settings(file);
        CCalculatorDlg window(CalculatorWindowContext{
            settings, DataFolder(), ResourceLocator(ResourceFolder()), &messages});
    };
    start();
    const ino_t first = FileIdentity(file);
    ASSERT_NE(first, 0u);
    start();
    EXPECT_EQ(FileIdentity(file), first);
    {
        QSettingsStore settings(file);
        ChooseScheme(settings, 5);
    }
    const ino_t chosen = FileIdentity(file);
    QFile held(file);  // keeps the replaced file's inode in use, so no new file can reuse it
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    start();
    EXPECT_NE(FileIdentity(file), chosen) << "a changed scheme is written";
    EXPECT_EQ(QSettingsStore(file).ReadInt("Colors", "Bkc", 0), 4145);
}

TEST_F(CalculatorWindowShell, OpensAtTheStoredPlaceAndWritesEveryMove) {
    EXPECT_EQ(Window().frameGeometry().topLeft(), QPoint(150, 100));
    CloseWindow();
    store.Write(settings::kLeft, 321);
    store.Write(settings::kTop, 234);
    EXPECT_EQ(Window().frameGeometry().topLeft(), QPoint(321, 234));
    Window().move(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(QPoint(Read(store, settings::kLeft), Read(store, settings::kTop)), QPoint(400, 300));
}

TEST_F(CalculatorWindowShell, ToolWindowsAndHandlersEnableTheirMenuItems) {
    QAction* converterItem = Window().MainMenuAction(CalculatorCommand::Converter);
    EXPECT_FALSE(converterItem->isEnabled());
    Window().AddToolWindow(ToolWindowKind::Converter, [] { return nullptr; });
    EXPECT_TRUE(converterItem->isEnabled()) << "not tried yet";
    EXPECT_EQ(Window().ToolWindow(ToolWindowKind::Converter), nullptr);
    EXPECT_FALSE(converterItem->isEnabled());
    EXPECT_EQ(messages.shown.size(), 1u) << "the window's creation message";

    QAction* item = Window().MainMenuAction(CalculatorCommand::Statistics);
    int made = 0;
    Window().AddToolWindow(ToolWindowKind::Statistics, [this, &made] {
        ++made;
        return new QDialog(&Window());
    });
    EXPECT_TRUE(item->isEnabled());
    EXPECT_EQ(made, 0) << "made at the next turn of the event loop, not before";
    QApplication::processEvents();
    ASSERT_EQ(made, 1);
    QDialog* statistics = Window().ToolWindow(ToolWindowKind::Statistics);
    ASSERT_NE(statistics, nullptr);
    EXPECT_FALSE(statistics->isVisible());
    item->trigger();
    EXPECT_TRUE(statistics->isVisible());
    item->trigger();
    EXPECT_FALSE(statistics->isVisible());
    EXPECT_EQ(made, 1);

    int options = 0;
    Window().SetOptionsHandler([&options] { ++options; });
    Window().MainMenuAction(CalculatorCommand::Options)->trigger();
    EXPECT_EQ(options, 1);
}

// Before the first paint nothing queued runs and no tool window is made; its menu item makes it
// at once. After the paint the queue runs in order, once; a later task runs at the next turn.
TEST_F(CalculatorWindowShell, WorkQueuedForAfterTheFirstPaintWaitsForIt) {
    CCalculatorDlg window(
        CalculatorWindowContext{store, DataFolder(), ResourceLocator(ResourceFolder()), &messages});
    std::vector<std::string> ran;
    int made = 0;
    window.AfterFirstPaint([&ran] { ran.push_back("first"); });
    window.AddToolWindow(ToolWindowKind::Statistics, [&ran, &window] {
        ran.push_back("statistics");
        return new QDialog(&window);
    });
    window.AddToolWindow(ToolWindowKind::Programming, [&made, &window] {
        ++made;
        return new QDialog(&window);
    });
    window.AfterFirstPaint([&ran] { ran.push_back("second"); });
    QApplication::processEvents();
    EXPECT_TRUE(ran.empty());
    window.MainMenuAction(CalculatorCommand::Programming)->trigger();
    EXPECT_EQ(made, 1) << "its menu item makes it";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int turn = 0; turn < 5; ++turn) {
        QApplication::processEvents();
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "statistics", "second"}));
    EXPECT_EQ(made, 1) << "made once";
    window.AfterFirstPaint([&ran] { ran.push_back("later"); });
    EXPECT_EQ(ran.size(), 3u);
    QApplication::processEvents();
    EXPECT_EQ(ran.back(), "later");
    window.MainMenuAction(CalculatorCommand::Programming)->trigger();  // hide it again
}

TEST_F(CalculatorWindowShell, F1OpensTheIntroductionWhenItExists) {
    Do({Press(Qt::Key_F1)});
    ASSERT_NE(Window().HelpViewer(), nullptr);
    EXPECT_FALSE(Window().HelpViewer()->isVisible()) << "no pages: help does nothing";
    EXPECT_TRUE(messages.shown.empty());
    CloseWindow();

    PutResource(QStringLiteral("help/Introduction.htm"), "<html><body>Welcome</body></html>");
    Window().MainMenuAction(CalculatorCommand::Help)->trigger();
    ASSERT_NE(Window().HelpViewer(), nullptr);
    EXPECT_TRUE(Window().HelpViewer()->isVisible());
    EXPECT_EQ(Window().HelpViewer()->CurrentPage(), QStringLiteral("Introduction.htm"));
}

TEST_F(CalculatorWindowShell, AboutOpensTheModalAboutBox) {
    Window().MainMenuAction(CalculatorCommand::About)->trigger();
    const QList<CAboutDlg*> boxes = Window().findChildren<CAboutDlg*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.first()->isVisible());
    EXPECT_TRUE(boxes.first()->isModal());
    QTest::mouseClick(&boxes.first()->OkButton(), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Window().findChildren<CAboutDlg*>().isEmpty());
}

TEST_F(CalculatorWindowShell, RestartRequestClosesWithOkAndStartsAgain) {
    Window().RequestRestart();
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(Window().result(), QDialog::Accepted);
    EXPECT_TRUE(Window().IsRestartRequested());

    for (const auto& [closedWithOk, requested] :
         {std::pair{true, true}, std::pair{true, false}, std::pair{false, true}}) {
        QStringList started;
        const bool restarted = RestartIfRequested(
            closedWithOk, requested, QStringLiteral("/opt/zyk/zykcalc"), QStringLiteral("/opt/zyk"),
            messages, [&started](const QString& program, const QString& folder) {
                started << program << folder;
                return true;
            });
        EXPECT_EQ(restarted, closedWithOk && requested);
        EXPECT_EQ(started.size(), restarted ? 2 : 0);
    }
    EXPECT_TRUE(messages.shown.empty());

    QTemporaryDir folder;
    EXPECT_FALSE(RestartIfRequested(true, true, folder.filePath(QStringLiteral("zykcalc")),
                                    folder.path(), messages,
                                    [](const QString&, const QString&) { return false; }));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Can't open the calculator:\n\nThe specified file was not found.");
}

}  // namespace
}  // namespace zyk::window_test
