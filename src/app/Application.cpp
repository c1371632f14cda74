#include "app/Application.h"
#include "app/StartupTimer.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QProcess>
#include <QTextStream>
#include <QTimer>

#include <clocale>
#include <memory>
#include <thread>

#include <fontconfig/fontconfig.h>

#include "app/OptionsCommand.h"
#include "app/OptionsScreenshots.h"
#include "app/ProgrammingWindowSetup.h"
#include "calculator/ui/CCalculatorDlg.h"
#include "calculator/ui/CalculatorScreenshots.h"
#include "console/CalculatorOptions.h"
#include "console/ConsoleOptions.h"
#include "converter/ui/CConverterDlg.h"
#include "converter/ui/ConverterScreenshots.h"
#include "formulas/ui/CConstantsDlg.h"
#include "formulas/ui/ConstantsScreenshots.h"
#include "shell/qt/ApplicationNames.h"
#include "shell/qt/ProgramFolder.h"
#include "shell/qt/QSettingsStore.h"
#include "shell/ui/ApplicationIcon.h"
#include "shell/ui/CFocusIndicator.h"
#include "shell/ui/DeferredIconStyle.h"
#include "shell/ui/QtUserMessages.h"
#include "shell/ui/ResourceLocator.h"
#include "shell/ui/ScreenshotRegistry.h"
#include "shell/ui/SettingsFailureNotice.h"
#include "statistics/ui/CStatSheet.h"
#include "statistics/ui/StatisticsScreenshots.h"

namespace zyk {
namespace {

constexpr const char* kGlIntegration = "QT_XCB_GL_INTEGRATION";

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The window icon in the sizes title bars and task bars use. The large sizes are for launchers,
// which take them from the installed icon files.
QIcon WindowIcon() {
    const QIcon all = ApplicationIcon();
    QIcon small;
    for (const int size : {16, 32, 48, 64}) {
        small.addPixmap(all.pixmap(size, size));
    }
    return small;
}

std::filesystem::path ToPath(const QString& folder) {
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

// The arguments a restarted instance gets: the window's own options (--data-dir above all, so
// a portable calculator stays portable), without the program name.
QStringList RestartArguments() {
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty()) {
        arguments.removeFirst();
    }
    return arguments;
}

}  // namespace

bool RestartIfRequested(bool closedWithOk, bool restartRequested, const QString& programFile,
                        const QString& programFolder, UserMessages& messages,
                        const ProgramLauncher& launcher) {
    if (!closedWithOk || !restartRequested) {
        return false;
    }
    return RestartCalculator(programFile, programFolder, messages, launcher);
}

int TakeScreenshots(const QString& folder) {
    ScreenshotRegistry registry;
    RegisterCalculatorScreenshots(registry);
    RegisterConverterScreenshots(registry);
    RegisterConstantsScreenshots(registry);
    RegisterStatisticsScreenshots(registry);
    RegisterShellScreenshots(registry);
    RegisterProgrammingScreenshots(registry);
    RegisterOptionsScreenshots(registry);
    QStringList failures;
    const QStringList written =
        registry.RenderAll(folder, ResourceLocator::ForApplication(), &failures);
    QTextStream out(stdout);
    for (const QString& file : written) {
        out << file << '\n';
    }
    QTextStream err(stderr);
    for (const QString& failure : failures) {
        err << "zykcalc: " << failure << '\n';
    }
    return failures.isEmpty() ? 0 : 1;
}

int RunApplication(int argc, char* argv[], const ConsoleOptions& options) {
    StartupTimer startupTimer;
    const bool screenshot = options.command == ConsoleOptions::Command::Screenshot;
    if (screenshot && !HasDisplay()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A widget program draws without OpenGL: the GLX integration's probing of the display is time
    // before the first paint. The user's own setting wins; children started later (help links,
    // a restart) get the environment as it was.
    const bool glIntegrationSet = qEnvironmentVariableIsSet(kGlIntegration);
    if (!glIntegrationSet) {
        qputenv(kGlIntegration, "none");
    }
    // Reading the font configuration takes tens of milliseconds; it runs while Qt connects to the
    // display and loads its plugins, so the window's first paint does not wait for it.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication application(argc, argv);
    // QApplication takes the user's locale for the C library too; numbers are read and written
    // with a point whatever the language (printf, atof), as the console does.
    std::setlocale(LC_NUMERIC, "C");
    fontConfiguration.join();
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
    application_names::Apply();
    if (screenshot) {
        return TakeScreenshots(QString::fromStdString(options.argument));
    }

    const ProgramFolder folder = ResolveProgramFolder(QString::fromStdString(options.dataDir),
                                                      QCoreApplication::applicationDirPath());
    const std::unique_ptr<QSettingsStore> store =
        folder.settingsFile.isEmpty() ? std::make_unique<QSettingsStore>()
                                      : std::make_unique<QSettingsStore>(folder.settingsFile);

    bool closedWithOk = false;
    bool restart = false;
    const CFocusIndicator focusIndicator;
    {
        auto startupWrites = std::make_unique<QSettingsStore::WriteHold>(*store);
        CCalculatorDlg window(CalculatorWindowContext{*store, ToPath(folder.path),
                                                      ResourceLocator::ForApplication()});
        // After the first paint, in this order: the figures of --startup-time, the settings
        // written so far, the window icon, the tool windows.
        if (options.startupTime) {
            window.AfterFirstPaint([&window, &startupTimer] {
                QTextStream(stdout) << startupTimer.Report();
                window.reject();
            });
        }
        window.AfterFirstPaint([&startupWrites, glIntegrationSet] {
            startupWrites.reset();
            if (!glIntegrationSet) {
                qunsetenv(kGlIntegration);
            }
        });
        // Decoding the icon's pictures would delay the window: it gets its icon once it shows.
        window.AfterFirstPaint([] { QApplication::setWindowIcon(WindowIcon()); });
        window.AddToolWindow(ToolWindowKind::Converter, [&window, &store]() -> QDialog* {
            return new CConverterDlg(
                *store, [&window](std::string_view text) { window.InsertNumberText(text); },
                &window);
        });
        const std::filesystem::path dataFolder = ToPath(folder.path);
        window.AddToolWindow(
            ToolWindowKind::Constants, [&window, &store, &dataFolder]() -> QDialog* {
                return new CConstantsDlg(dataFolder, window.Messages(), *store, window, &window);
            });
        window.AddToolWindow(
            ToolWindowKind::Statistics, [&window, &store, &dataFolder]() -> QDialog* {
                return new CStatSheet(
                    StatisticsWindowContext{
                        .store = *store,
                        .programFolder = dataFolder,
                        .messages = &window.Messages(),
                        .insertNumberText =
                            [&window](std::string_view text) { window.InsertNumberText(text); },
                        .insertFormulaWithValues =
                            [&window](std::string_view text, double a, double b) {
                                window.InsertFormulaWithValues(text, a, b);
                            },
                        .openHelpTopic =
                            [&window](std::string_view topic) { window.OpenHelpTopic(topic); },
                    },
                    &window);
            });
        AddProgrammingWindow(window, *store, &window.Messages());
        const ResourceLocator resources = ResourceLocator::ForApplication();
        window.SetOptionsHandler([&window, &store, &dataFolder, resources] {
            OpenOptions(window,
                        OptionsContext{
                            .store = *store, .resources = resources, .programFolder = dataFolder});
        });
        // Told from here on, including a failure met while the window read its settings.
        const SettingsFailureNotice settingsFailures(*store, window.Messages());
        ApplyCalculatorOptions(window.Core(), options);
        window.UpdateDisplay();
        closedWithOk = window.exec() == QDialog::Accepted;
        restart = window.IsRestartRequested();
    }
    QtUserMessages messages;
    const QStringList arguments = RestartArguments();
    RestartIfRequested(closedWithOk, restart, QCoreApplication::applicationFilePath(), folder.path,
                       messages,
                       [&arguments](const QString& program, const QString& workingFolder) {
                           return QProcess::startDetached(program, arguments, workingFolder);
                       });
    return 0;
}

}  // namespace zyk
