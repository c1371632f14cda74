#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "UiTestSupport.h"
#include "shell/ui/CTextQuestionDlg.h"
#include "shell/ui/QtUserMessages.h"
#include "shell/ui/ResourceLocator.h"
#include "shell/ui/ScreenshotRegistry.h"

namespace zyk {
namespace {

// Runs `answer` on the next modal dialog once it is up (polling, as it opens inside exec()).
void WhenModalOpens(std::function<void(QWidget&)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(*modal);
        }
    });
    poll->start();
}

TEST(QtUserMessages, MessageBoxUsesTheApplicationTitleAndReturnsTheAnswer) {
    QtUserMessages messages;
    WhenModalOpens([](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
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

}  // namespace
}  // namespace zyk
