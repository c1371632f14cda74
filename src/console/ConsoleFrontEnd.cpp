#include "console/ConsoleFrontEnd.h"

#include <QString>

#include <filesystem>
#include <istream>
#include <ostream>

#include "charset/Windows1252.h"
#include "console/ConsoleContext.h"
#include "console/LineEvaluator.h"
#include "shell/qt/ApplicationNames.h"
#include "shell/qt/ProgramFolder.h"
#include "shell/qt/QSettingsStore.h"

namespace zyk {
namespace {

QString ExecutableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? QString() : QString::fromStdString(exe.parent_path().string());
}

int RunCommand(ConsoleContext& context) {
    switch (context.options.command) {
        case ConsoleOptions::Command::Eval:
            return RunEvalCommand(context);
        case ConsoleOptions::Command::Keys:
            return RunKeysCommand(context);
        case ConsoleOptions::Command::Run:
            return RunProgramCommand(context);
        case ConsoleOptions::Command::Convert:
            return RunConvertCommand(context);
        case ConsoleOptions::Command::ConvertList:
            return RunConvertListCommand(context);
        case ConsoleOptions::Command::Stats:
            return RunStatsCommand(context);
        case ConsoleOptions::Command::Regression:
            return RunRegressionCommand(context);
        default:
            return UsageError(context, "no console command given");
    }
}

}  // namespace

int UsageError(ConsoleContext& context, std::string_view message) {
    context.err << "zykcalc: " << message << "\n"
                << "Try 'zykcalc --help' for more information.\n";
    return kExitUsage;
}

std::optional<std::string> ConsoleInputText(ConsoleContext& context, std::string_view utf8) {
    if (auto bytes = windows1252::FromUtf8(utf8)) {
        return bytes;
    }
    UsageError(context, UntypableTextReason(utf8));
    return std::nullopt;
}

int RunConsole(const ConsoleOptions& options, std::ostream& out, std::ostream& err,
               std::istream& in) {
    if (options.command == ConsoleOptions::Command::Help) {
        out << UsageText();
        return kExitAnswer;
    }
    if (options.command == ConsoleOptions::Command::Version) {
        out << "Zyk Calc " << ZYK_VERSION << "\n";
        return kExitAnswer;
    }

    application_names::Apply();
    const ProgramFolder folder =
        ResolveProgramFolder(QString::fromStdString(options.dataDir), ExecutableFolder());
    QSettingsStore store =
        folder.settingsFile.isEmpty() ? QSettingsStore() : QSettingsStore(folder.settingsFile);
    ConsoleMessages messages(err);
    store.SetWriteFailureHandler([&messages](const std::string& message) {
        messages.ShowMessage(message, "", MessageIcon::Warning, MessageButtons::Ok);
    });
    ConsoleContext context{
        options, store, std::filesystem::path(folder.path.toStdString()), messages, out, err, in};
    const int status = RunCommand(context);
    // A memory store or another setting that did not reach the file is lost at exit: the run
    // cannot count as a success.
    return status == kExitAnswer && store.WriteFailed() ? kExitErrorText : status;
}

}  // namespace zyk
