#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "formulas/FileErrorCause.h"

namespace zyk {
namespace {

TEST(FileErrorCauseTest, PlatformErrorsMapToCauses) {
    struct Case {
        int error, cause;
    };
    // clang-format off
    const Case cases[] = {
        {ENOENT, 2}, {EACCES, 5}, {EPERM, 5}, {EISDIR, 5}, {EROFS, 5}, {ENOTDIR, 3}, {EINVAL, 3},
        {ELOOP, 3}, {ENAMETOOLONG, 3}, {EMFILE, 4}, {ENFILE, 4}, {ENOSPC, 13}, {EDQUOT, 13},
        {EIO, 10}, {ENOMEM, 0}, {EBUSY, 1}, {EEXIST, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        EXPECT_EQ(FileErrorCause(std::error_code(c.error, std::generic_category())), c.cause);
        EXPECT_EQ(FileErrorCause(std::error_code(c.error, std::system_category())), c.cause);
    }
    EXPECT_EQ(FileErrorCause(std::make_error_code(std::io_errc::stream)), 1);
}

TEST(FileErrorCauseTest, CauseTextsAreExact) {
    struct Case {
        int cause;
        std::string text;
    };
    // The texts with a line break or a trailing space, and the fallback for unknown causes.
    const Case cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {3, "The path is invalid."},
        {12, "There was an attempt to lock a region that was already locked. "},
        {13, "The disk is full. "},
        {14, "The end of file was reached. "},
        {15, "Unknown Error (15) occurred."},
        {-3, "Unknown Error (-3) occurred."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        EXPECT_EQ(FileErrorCauseText(c.cause), c.text);
    }
    EXPECT_EQ(OpenErrorMessage(std::error_code(ENOSPC, std::generic_category())),
              "Can't open file:\n\nThe disk is full. ");
}

}  // namespace
}  // namespace zyk
