#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include <sstream>
#include <string>

#include "console/ConsoleFrontEnd.h"
#include "console/ConsoleOptions.h"
#include "shell/HelpTopics.h"
#include "shell/ui/CContextHelpPopup.h"
#include "shell/ui/CHelpViewer.h"

namespace zyk {
namespace {

const QString kShippedResources = QStringLiteral(ZYK_SOURCE_DIR "/resources");

QString ReadPage(const QString& page) {
    QFile file(kShippedResources + QStringLiteral("/help/") + page);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    return QString::fromUtf8(file.readAll());
}

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

// The pages we ship: every topic opens in the one viewer, which keeps its history, and every link
// between pages leads to a page that exists.
// The help window stays whole on a small or scaled screen (1280 x 1024 at twice the scale is
// 640 x 512 for the window), and Esc puts it away.
TEST(HelpViewer, FitsOnTheScreenAndEscClosesIt) {
    for (const QRect available :
         {QRect(0, 0, 1280, 1024), QRect(0, 0, 640, 512 - 30), QRect(100, 0, 800, 600)}) {
        const QSize size = CHelpViewer::SizeFor(available);
        EXPECT_LE(size.width() + 20, available.width()) << available.width();
        EXPECT_LE(size.height() + 40, available.height()) << available.height();
        EXPECT_GE(size.width(), 320);
    }
    EXPECT_EQ(CHelpViewer::SizeFor(QRect(0, 0, 1920, 1080)), QSize(640, 600));

    CHelpViewer viewer{ResourceLocator(kShippedResources)};
    ASSERT_TRUE(viewer.OpenTopic(kHelpIntroduction));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    EXPECT_TRUE(viewer.screen()->availableGeometry().contains(viewer.geometry()));
    QTest::keyClick(&viewer.Browser(), Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible());
}

TEST(ShippedHelp, EveryTopicOpensAndEveryPageLinkResolves) {
    CHelpViewer viewer{ResourceLocator(kShippedResources)};
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+\\.htm)(#[^\"]*)?\""));
    const QRegularExpression anchor(QStringLiteral("(?:id|name)=\"([^\"]+)\""));
    for (const std::string_view topic :
         {kHelpIntroduction, kHelpOptions, kHelpStatistics, kHelpProgramming}) {
        ASSERT_TRUE(viewer.OpenTopic(topic)) << topic;
        EXPECT_TRUE(viewer.isVisible());
        EXPECT_EQ(viewer.CurrentPage().toStdString(), HelpPageForTopic(topic));
        EXPECT_FALSE(viewer.Browser().documentTitle().isEmpty()) << topic;
        const QString html = ReadPage(QString::fromStdString(HelpPageForTopic(topic)));
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
    EXPECT_TRUE(viewer.Browser().isBackwardAvailable());
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

struct ProgramRun {
    int status;
    std::string output;
};

// Runs a program text through the console front end, answering every input with 2, in a
// temporary data folder (never the user's own settings).
ProgramRun RunProgram(const QString& program) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("example.bas"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QString text = program;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    file.write(text.toLatin1() + "\r\n");
    file.close();

    ConsoleOptions options;
    options.command = ConsoleOptions::Command::Run;
    options.argument = path.toStdString();
    options.dataDir = dir.filePath(QStringLiteral("data")).toStdString();
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in("2\n2\n2\n2\n");
    const int status = RunConsole(options, out, err, in);
    return ProgramRun{status, out.str() + err.str()};
}

// Every program shown on the programming page runs without an error line, and shows what the
// page says it shows.
TEST(HelpPages, EveryProgramOnTheProgrammingPageRuns) {
    const QString html = ReadPage(QStringLiteral("Programming.htm"));
    const QRegularExpression block(QStringLiteral("<pre>(.*?)</pre>\\s*(<p>[^<]*</p>)?"),
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression shown(QStringLiteral("\"([^\"]+)\""));
    int programs = 0;
    int promises = 0;
    for (auto match = block.globalMatch(html); match.hasNext();) {
        const auto found = match.next();
        const QString program =
            QTextDocumentFragment::fromHtml(QStringLiteral("<pre>") + found.captured(1) + "</pre>")
                .toPlainText();
        const ProgramRun run = RunProgram(program);
        ++programs;
        EXPECT_EQ(run.status, 0) << program.toStdString() << "\n--> " << run.output;
        EXPECT_EQ(run.output.find(" ]  "), std::string::npos)
            << program.toStdString() << "\n--> " << run.output;
        const QString after = found.captured(2);
        if (after.contains(QStringLiteral("hows"))) {
            for (auto text = shown.globalMatch(after); text.hasNext();) {
                const std::string expected = text.next().captured(1).toStdString();
                ++promises;
                EXPECT_NE(run.output.find(expected), std::string::npos)
                    << "expected \"" << expected << "\" from\n"
                    << program.toStdString() << "\n--> " << run.output;
            }
        }
    }
    EXPECT_GE(programs, 15);
    EXPECT_GE(promises, 7);
}

}  // namespace
}  // namespace zyk
