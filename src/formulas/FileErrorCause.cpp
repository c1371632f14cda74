#include "formulas/FileErrorCause.h"

#include <cerrno>
#include <cstdio>

#include "formulas/FormulaMessages.h"

namespace zyk {

int FileErrorCause(std::error_code error) {
    if (!error) {
        return kCauseNone;
    }
    if (error.category() != std::generic_category() && error.category() != std::system_category()) {
        return kCauseGeneric;
    }
    switch (error.value()) {
        case ENOENT:
            return kCauseFileNotFound;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return kCauseAccessDenied;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return kCauseBadPath;
        case EMFILE:
        case ENFILE:
            return kCauseTooManyOpenFiles;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return kCauseDiskFull;
        case EIO:
            return kCauseHardwareError;
        case ENOMEM:
            return kCauseNone;
        default:
            return kCauseGeneric;
    }
}

std::string FileErrorCauseText(int cause) {
    if (cause >= 0 && static_cast<std::size_t>(cause) < formula_text::kFileErrorCauses.size()) {
        return std::string(formula_text::kFileErrorCauses[static_cast<std::size_t>(cause)]);
    }
    const std::string format(formula_text::kUnknownFileErrorCause);
    char buffer[64];
    const int written = std::snprintf(buffer, sizeof buffer, format.c_str(), cause);
    return written > 0 ? std::string(buffer, static_cast<std::size_t>(written)) : format;
}

std::string OpenErrorMessage(std::error_code error) {
    return std::string(formula_text::kCantOpenFile) + FileErrorCauseText(FileErrorCause(error));
}

}  // namespace zyk
