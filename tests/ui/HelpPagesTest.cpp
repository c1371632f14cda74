#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include <sstream>
#include <string>

#include "console/ConsoleFrontEnd.h"
#include "console/ConsoleOptions.h"

namespace zyk {
namespace {

const QString kHelpFolder = QStringLiteral(ZYK_SOURCE_DIR "/resources/help/");

QString ReadPage(const QString& page) {
    QFile file(kHelpFolder + page);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    return QString::fromUtf8(file.readAll());
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
