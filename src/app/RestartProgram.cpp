#include "app/RestartProgram.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <string>

#include "shell/ShellMessages.h"

namespace zyk {

ProgramLauncher DetachedLauncher() {
    return [](const QString& program, const QString& workingFolder) {
        return QProcess::startDetached(program, QStringList(), workingFolder);
    };
}

bool RestartCalculator(const QString& programFile, const QString& workingFolder,
                       UserMessages& messages, const ProgramLauncher& launcher) {
    if (launcher && launcher(programFile, workingFolder)) {
        return true;
    }
    const QFileInfo program(programFile);
    const int code = shell_text::LaunchFailureCode(program.absoluteDir().exists(), program.exists(),
                                                   program.isExecutable());
    const std::string text =
        std::string(shell_text::kCantOpenCalculator) + shell_text::OpenFailureReason(code);
    messages.ShowMessage(text, {}, MessageIcon::Warning, MessageButtons::Ok);
    return false;
}

}  // namespace zyk
