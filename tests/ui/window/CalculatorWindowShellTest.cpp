// The window's duties towards the rest of the application: colour schemes and the fixed keypad
// colours, the background picture, tool windows, its remembered position, help, the About box
// and the restart.
#include "WindowTestSupport.h"

#include <QMoveEvent>

#include "calculator/KeypadTable.h"
#include "shell/ColourScheme.h"
#include "shell/KeypadColours.h"
#include "shell/SkinButtonLook.h"
#include "shell/ui/Application.h"
#include "shell/ui/CAboutDlg.h"
#include "shell/ui/CHelpViewer.h"
#include "shell/ui/QtColors.h"

namespace zyk::window_test {
namespace {

using CalculatorWindowShell = WindowTest;

int Colour(const SettingsStore& store, const settings::IntEntry& entry) {
    return store.ReadInt(entry.section, entry.entry, -1);
}

void ChooseScheme(SettingsStore& store, int scheme) {
    store.WriteInt(settings::kColorsPreset.section, settings::kColorsPreset.entry, scheme);
}

TEST_F(CalculatorWindowShell, FirstStartAppliesTheDefaultSchemeToTheStore) {
    store.WriteInt(settings::kClrBk.section, settings::kClrBk.entry, 0x123456);  // hand-edited
    Window();
    EXPECT_EQ(Colour(store, settings::kColorsBkc), 4141);
    EXPECT_EQ(Colour(store, settings::kClrBk), 0xA5B4B2) << "the scheme overwrites hand edits";
    EXPECT_EQ(Colour(store, settings::kClrDisplayBkC), 0x50463C);
    EXPECT_EQ(Window().Scheme(), 1);
    EXPECT_EQ(Window().Display().Background(), ToQColor(0x50463C));
}

TEST_F(CalculatorWindowShell, ForestGreenShowsItsPictureAndFallsBackToWhite) {
    ShipResource(QStringLiteral("images/Bkc_green.bmp"));
    ChooseScheme(store, 8);
    Window();
    EXPECT_EQ(Colour(store, settings::kColorsBkc), 4148);
    EXPECT_TRUE(Window().Background().HasPicture());
    EXPECT_FALSE(Window().Background().IsFallback());

    // Without the file the next application of the scheme shows the built-in white picture.
    ASSERT_TRUE(QFile::remove(ResourceFolder() + QStringLiteral("/images/Bkc_green.bmp")));
    Window().ApplyColourScheme();
    EXPECT_TRUE(Window().Background().IsFallback());
    const QImage shot = Window().grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, shot.height() - 3), QColor(Qt::white));
}

TEST_F(CalculatorWindowShell, PlainSchemeHasNoPictureAndItsOwnDisplayColour) {
    ChooseScheme(store, 0);
    Window();
    EXPECT_FALSE(Window().Background().HasPicture());
    EXPECT_EQ(Colour(store, settings::kColorsBkc), 0);
    EXPECT_EQ(Window().Display().Background(), ToQColor(0x645A50));
}

TEST_F(CalculatorWindowShell, FollowsASchemeChangeWhenItNextPaints) {
    Window();
    ChooseScheme(store, 3);
    Window().repaint();
    EXPECT_EQ(Window().Scheme(), 3);
    EXPECT_EQ(Colour(store, settings::kColorsBkc), 4143);
    EXPECT_EQ(Colour(store, settings::kClrBk), 0xB4AAA3);
    ChooseScheme(store, 0);
    Window().repaint();
    EXPECT_EQ(Window().Display().Background(), ToQColor(0x645A50));
}

TEST_F(CalculatorWindowShell, KeypadKeysKeepTheirOwnColoursInEveryScheme) {
    for (const int scheme : {0, 1, 3, 8}) {
        ChooseScheme(store, scheme);
        CloseWindow();
        for (const KeypadKey& key : kKeypadKeys) {
            if (key.controlId == 0) {
                continue;
            }
            const KeypadKeyColours expected = *KeypadColoursForKey(key.controlId);
            const SkinButtonColours& shown = Key(key.controlId).Colours();
            EXPECT_EQ(shown.face, expected.face) << key.label << " scheme " << scheme;
            EXPECT_EQ(shown.text, expected.text) << key.label;
            EXPECT_EQ(shown.light, expected.light) << key.label;
            EXPECT_EQ(shown.shadow, expected.shadow) << key.label;
            EXPECT_EQ(Key(key.controlId).Style(),
                      expected.hoverFace ? kSkinStyleHoverFace : kSkinStyleNoHover)
                << key.label;
            if (expected.hoverFace) {
                EXPECT_EQ(shown.hoverFace, *expected.hoverFace) << key.label;
            }
        }
    }
}

TEST_F(CalculatorWindowShell, HoverLightsExeButNotADigit) {
    CSkinButton& exe = Key(kIdcExe);
    CSkinButton& seven = Key(kIdcDigit7);
    QTest::mouseMove(&exe, exe.rect().center());
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_TRUE(exe.IsHovered());
    EXPECT_EQ(exe.CurrentLook().face, 0x787878u);
    QTest::mouseMove(&seven, seven.rect().center());
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_FALSE(seven.IsHovered());
    EXPECT_EQ(seven.CurrentLook().face, 0x3C3C3Cu);
}

// ---- Position ---------------------------------------------------------------------------------

TEST_F(CalculatorWindowShell, OpensAtTheStoredPlaceAndWritesEveryMove) {
    store.WriteInt(settings::kLeft.section, settings::kLeft.entry, 321);
    store.WriteInt(settings::kTop.section, settings::kTop.entry, 234);
    EXPECT_EQ(Window().frameGeometry().topLeft(), QPoint(321, 234));
    Window().move(400, 300);
    QApplication::processEvents();
    EXPECT_EQ(Colour(store, settings::kLeft), Window().frameGeometry().left());
    EXPECT_EQ(Colour(store, settings::kTop), Window().frameGeometry().top());
    EXPECT_EQ(Window().frameGeometry().topLeft(), QPoint(400, 300));
}

TEST_F(CalculatorWindowShell, FirstStartOpensAtTheDefaultPlace) {
    EXPECT_EQ(Window().frameGeometry().topLeft(), QPoint(150, 100));
}

// ---- Tool windows -----------------------------------------------------------------------------

TEST_F(CalculatorWindowShell, ToolWindowMenuItemShowsAndHidesIt) {
    QAction* item = Window().MainMenuAction(CalculatorCommand::Statistics);
    ASSERT_FALSE(item->isEnabled());
    QDialog* statistics = Window().AddToolWindow(ToolWindowKind::Statistics,
                                                 [this] { return new QDialog(&Window()); });
    ASSERT_NE(statistics, nullptr);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(statistics->isVisible());
    EXPECT_FALSE(Window().MainMenuAction(CalculatorCommand::Converter)->isEnabled());

    item->trigger();
    EXPECT_TRUE(statistics->isVisible());
    item->trigger();
    EXPECT_FALSE(statistics->isVisible());
    // Its close box only hides it; the menu item shows it again.
    item->trigger();
    statistics->close();
    EXPECT_FALSE(statistics->isVisible());
    item->trigger();
    EXPECT_TRUE(statistics->isVisible());
}

TEST_F(CalculatorWindowShell, AToolWindowThatCannotBeMadeIsReportedAndStaysDisabled) {
    EXPECT_EQ(Window().AddToolWindow(ToolWindowKind::Converter, [] { return nullptr; }), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Could Not Create Converter Window!");
    EXPECT_FALSE(Window().MainMenuAction(CalculatorCommand::Converter)->isEnabled());
}

TEST_F(CalculatorWindowShell, OptionsAndGetProgramWaitForTheirHandlers) {
    int options = 0;
    Window().SetOptionsHandler([&options] { ++options; });
    QAction* item = Window().MainMenuAction(CalculatorCommand::Options);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(options, 1);
    EXPECT_FALSE(Window().MainMenuAction(CalculatorCommand::GetProgram)->isEnabled());
}

// ---- Help and About ---------------------------------------------------------------------------

TEST_F(CalculatorWindowShell, F1OpensTheIntroduction) {
    PutResource(QStringLiteral("help/Introduction.htm"),
                "<html><body><h1>Welcome to the calculator</h1></body></html>");
    EXPECT_EQ(Window().HelpViewer(), nullptr) << "made only when first needed";
    Press(Qt::Key_F1);
    CHelpViewer* viewer = Window().HelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentPage(), QStringLiteral("Introduction.htm"));

    viewer->hide();
    Window().MainMenuAction(CalculatorCommand::Help)->trigger();
    EXPECT_TRUE(viewer->isVisible());
}

TEST_F(CalculatorWindowShell, HelpWithoutPagesDoesNothing) {
    Press(Qt::Key_F1);
    ASSERT_NE(Window().HelpViewer(), nullptr);
    EXPECT_FALSE(Window().HelpViewer()->isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CalculatorWindowShell, AboutOpensTheAboutBox) {
    Window().MainMenuAction(CalculatorCommand::About)->trigger();
    const QList<CAboutDlg*> boxes = Window().findChildren<CAboutDlg*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.first()->isVisible());
    EXPECT_TRUE(boxes.first()->isModal());
    QTest::mouseClick(&boxes.first()->OkButton(), Qt::LeftButton);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Window().findChildren<CAboutDlg*>().isEmpty());
}

// ---- Restart ----------------------------------------------------------------------------------

TEST_F(CalculatorWindowShell, RestartRequestClosesWithOk) {
    Window().RequestRestart();
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(Window().result(), QDialog::Accepted);
    EXPECT_TRUE(Window().IsRestartRequested());
}

TEST(ApplicationRestart, StartsAgainOnlyWhenClosedWithOkAndAsked) {
    struct Row {
        bool closedWithOk;
        bool restartRequested;
        bool launches;
    };
    for (const Row& row : {Row{true, true, true}, Row{true, false, false}, Row{false, true, false},
                           Row{false, false, false}}) {
        RecordingMessages messages;
        QStringList started;
        const bool restarted =
            RestartIfRequested(row.closedWithOk, row.restartRequested,
                               QStringLiteral("/opt/zyk/zykcalc"), QStringLiteral("/opt/zyk"),
                               messages, [&started](const QString& program, const QString& folder) {
                                   started << program << folder;
                                   return true;
                               });
        EXPECT_EQ(restarted, row.launches);
        const QStringList expected =
            row.launches ? QStringList{"/opt/zyk/zykcalc", "/opt/zyk"} : QStringList{};
        EXPECT_EQ(started, expected);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(ApplicationRestart, AFailedStartSaysWhy) {
    RecordingMessages messages;
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("zykcalc"));
    EXPECT_FALSE(RestartIfRequested(true, true, missing, folder.path(), messages,
                                    [](const QString&, const QString&) { return false; }));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Can't open the calculator:\n\nThe specified file was not found.");
}

}  // namespace
}  // namespace zyk::window_test
