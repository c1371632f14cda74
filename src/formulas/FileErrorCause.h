#pragma once

#include <string>
#include <system_error>

namespace zyk {

// Causes of a failed file operation, numbered as the calculator's open-error texts are.
inline constexpr int kCauseNone = 0;
inline constexpr int kCauseGeneric = 1;
inline constexpr int kCauseFileNotFound = 2;
inline constexpr int kCauseBadPath = 3;
inline constexpr int kCauseTooManyOpenFiles = 4;
inline constexpr int kCauseAccessDenied = 5;
inline constexpr int kCauseHardwareError = 10;
inline constexpr int kCauseDiskFull = 13;

// The cause of a platform error: ENOENT 2; EACCES, EPERM, EISDIR, EROFS 5; ENOTDIR,
// ENAMETOOLONG, EINVAL, ELOOP 3; EMFILE, ENFILE 4; ENOSPC, EDQUOT, EFBIG 13; EIO 10; ENOMEM 0;
// anything else 1.
int FileErrorCause(std::error_code error);

// The text of a cause ("The file could not be located."), or "Unknown Error (n) occurred.".
std::string FileErrorCauseText(int cause);

// "Can't open file:\n\n" followed by the cause text of `error`.
std::string OpenErrorMessage(std::error_code error);

}  // namespace zyk
