#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "UiTestSupport.h"
#include "shell/qt/QSettingsStore.h"
#include "shell/ui/CTextQuestionDlg.h"
#include "shell/ui/QtUserMessages.h"
#include "shell/ui/ResourceLocator.h"
#include "shell/ui/ScreenshotRegistry.h"
#include "shell/ui/SettingsFailureNotice.h"

namespace zyk {
namespace {

TEST(QtUserMessages, MessageBoxUsesTheApplicationTitleAndReturnsTheAnswer) {
    QtUserMessages messages;
    WhenModalOpens<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Zyk Calc"));
        EXPECT_EQ(box.text(), QString::fromUtf8("The folder:\n\nC:\\caf\u00e9\n\ndoes not exist."));
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        box.button(QMessageBox::No)->click();
    });
    // The answer is the button the box was closed with, so the checks above ran.
    EXPECT_EQ(messages.ShowMessage("The folder:\n\nC:\\caf\xE9\n\ndoes not exist.", {},
                                   MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::No);
}

TEST(TextQuestion, TextWithoutABytePerCharacterIsRefused) {
    CTextQuestionDlg dialog(QStringLiteral("Name"), QStringLiteral("Name:"), QString());
    dialog.show();
    dialog.Field().setText(QString::fromUtf8("arrow \u2192"));
    dialog.OkButton().click();
    EXPECT_TRUE(dialog.isVisible()) << "OK must not accept a text the calculator cannot store";
    dialog.Field().setText(QStringLiteral("arrow"));
    dialog.OkButton().click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Answer(), "arrow");
}

TEST(Screenshots, RegistryRendersEveryWindowAndListsFailures) {
    QTemporaryDir dir;
    ScreenshotRegistry registry;
    RegisterShellScreenshots(registry);
    registry.Register("nothing", [](ScreenshotContext&) { return std::unique_ptr<QWidget>(); });
    const ResourceLocator shipped(QStringLiteral(ZYK_SOURCE_DIR "/resources"));
    QStringList failures;
    const QStringList written =
        registry.RenderAll(dir.filePath(QStringLiteral("shots")), shipped, &failures);
    EXPECT_EQ(written.size(), static_cast<int>(registry.Names().size()) - 1);
    for (const QString& file : written) {
        EXPECT_FALSE(QImage(file).isNull()) << file.toStdString();
    }
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("shots/about-gold.png"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("shots/help-introduction.png"))));
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(QStringLiteral("nothing")));
}

// The warning opens from the event loop, not inside the write; a failure met while the window
// read its settings is shown too, once for a run of failures.
TEST(SettingsFailureNotice, ShowsOneWarningFromTheEventLoop) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Zyk Calc.ini"));
    ASSERT_TRUE(QDir().mkpath(ini));
    QSettingsStore store(ini);
    store.WriteInt("Settings", "Left", 10);
    test::RecordingMessages messages;
    {
        const SettingsFailureNotice notice(store, messages);
        EXPECT_TRUE(messages.shown.empty());
        QTest::qWait(20);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
        EXPECT_EQ(messages.shown[0].caption, "");
        EXPECT_EQ(messages.shown[0].text.rfind("Your settings could not be saved in\n\n", 0), 0u);
        store.WriteInt("Settings", "Left", 20);
        QTest::qWait(20);
        EXPECT_EQ(messages.shown.size(), 1u);
    }
    // A notice gone before its loop turn shows nothing, and the store no longer calls it.
    ASSERT_TRUE(QDir().rmdir(ini));
    store.WriteInt("Settings", "Left", 30);
    ASSERT_TRUE(QFile::remove(ini));
    ASSERT_TRUE(QDir().mkpath(ini));
    {
        const SettingsFailureNotice notice(store, messages);
        store.WriteInt("Settings", "Left", 40);
    }
    store.WriteInt("Settings", "Left", 50);
    QTest::qWait(20);
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace zyk
