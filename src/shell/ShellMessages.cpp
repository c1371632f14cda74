#include "shell/ShellMessages.h"

#include <algorithm>

namespace zyk::shell_text {

std::string OpenFailureReason(int code) {
    const auto* row = std::find_if(kOpenFailureReasons.begin(), kOpenFailureReasons.end(),
                                   [code](const ReasonRow& r) { return r.code == code; });
    if (row != kOpenFailureReasons.end()) {
        return std::string(row->text);
    }
    std::string text(kUnknownOpenFailure);
    text.replace(text.find("%d"), 2, std::to_string(code));
    return text;
}

int LaunchFailureCode(bool folderExists, bool fileExists, bool executable) {
    if (!folderExists) {
        return kCodePathNotFound;
    }
    if (!fileExists) {
        return kCodeFileNotFound;
    }
    if (!executable) {
        return kCodeAccessDenied;
    }
    return kCodeInvalidProgram;
}

}  // namespace zyk::shell_text
