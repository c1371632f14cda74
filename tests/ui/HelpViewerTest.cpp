#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "shell/HelpTopics.h"
#include "shell/ui/CContextHelpPopup.h"
#include "shell/ui/CHelpViewer.h"

namespace zyk {
namespace {

const QString kShippedResources = QStringLiteral(ZYK_SOURCE_DIR "/resources");

class HelpFolder {
public:
    HelpFolder() { QDir(m_dir.path()).mkpath(QStringLiteral("help")); }
    QString Root() const { return m_dir.path(); }
    void Put(const QString& page, const QByteArray& html) const {
        QFile file(m_dir.filePath(QStringLiteral("help/") + page));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
    }

private:
    QTemporaryDir m_dir;
};

TEST(HelpViewer, TopicOpensItsPageAndShowsTheWindow) {
    HelpFolder folder;
    folder.Put(QStringLiteral("Options.htm"), "<html><body><h1>Options page</h1></body></html>");
    folder.Put(QStringLiteral("Introduction.htm"), "<html><body><h1>Intro page</h1></body></html>");
    CHelpViewer viewer{ResourceLocator(folder.Root())};
    ASSERT_TRUE(viewer.OpenTopic(kHelpOptions));
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("Options.htm"));
    EXPECT_TRUE(viewer.Browser().toPlainText().contains(QStringLiteral("Options page")));

    ASSERT_TRUE(viewer.OpenTopic(kHelpIntroduction));
    EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("Introduction.htm"));
    EXPECT_TRUE(viewer.Browser().isBackwardAvailable());
}

TEST(HelpViewer, MissingPageDoesNothingAndIsRemembered) {
    HelpFolder folder;
    folder.Put(QStringLiteral("Introduction.htm"), "<html><body>Intro</body></html>");
    CHelpViewer viewer{ResourceLocator(folder.Root())};
    EXPECT_FALSE(viewer.OpenTopic(kHelpStatistics));
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_TRUE(viewer.CurrentPage().isEmpty());

    // Even once the page appears, the failed topic stays quiet for this run.
    folder.Put(QStringLiteral("Statistics.htm"), "<html><body>Stats</body></html>");
    EXPECT_FALSE(viewer.OpenTopic(kHelpStatistics));
    EXPECT_FALSE(viewer.isVisible());

    // Other topics are not affected.
    EXPECT_TRUE(viewer.OpenTopic(kHelpIntroduction));
}

// The pages we ship: every topic opens, and every link between pages leads to a page that exists.
TEST(ShippedHelp, EveryTopicOpensAndEveryPageLinkResolves) {
    CHelpViewer viewer{ResourceLocator(kShippedResources)};
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.htm)(#[^\"]*)?\""));
    const QRegularExpression anchor(QStringLiteral("(?:id|name)=\"([^\"]+)\""));
    for (const std::string_view topic :
         {kHelpIntroduction, kHelpOptions, kHelpStatistics, kHelpProgramming}) {
        ASSERT_TRUE(viewer.OpenTopic(topic)) << topic;
        EXPECT_FALSE(viewer.Browser().documentTitle().isEmpty()) << topic;
        QFile page(kShippedResources + QStringLiteral("/help/") +
                   QString::fromStdString(HelpPageForTopic(topic)));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const auto found = match.next();
            const QString target = kShippedResources + QStringLiteral("/help/") + found.captured(1);
            EXPECT_TRUE(QFile::exists(target))
                << topic << " links to " << found.captured(1).toStdString();
        }
        // Links within the page lead to anchors that exist.
        QStringList anchors;
        for (auto match = anchor.globalMatch(html); match.hasNext();) {
            anchors << match.next().captured(1);
        }
        const QRegularExpression inner(QStringLiteral("href=\"#([^\"]+)\""));
        for (auto match = inner.globalMatch(html); match.hasNext();) {
            const QString name = match.next().captured(1);
            EXPECT_TRUE(anchors.contains(name)) << topic << " has no anchor " << name.toStdString();
        }
    }
}

TEST(ContextHelp, PopupShowsTheTextWithoutParentUntilAKeyDeletesIt) {
    QPointer<CContextHelpPopup> popup =
        ShowContextHelp(QStringLiteral("Add the value(s) to the list."), QPoint(100, 100));
    ASSERT_TRUE(popup);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->parentWidget(), nullptr);
    EXPECT_EQ(popup->text(), QStringLiteral("Add the value(s) to the list."));
    QTest::keyClick(popup.data(), Qt::Key_A);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(popup.isNull());
}

}  // namespace
}  // namespace zyk
