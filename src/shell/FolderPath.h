#pragma once

#include <string>
#include <string_view>

#include "shell/UserMessages.h"

// The Options dialog's folder picker checks a typed folder path and creates the folders that are
// missing. The rules of the calculator's first platform carried over to this one: a drive letter
// with ":\" becomes an absolute path ("/"); components are separated by '/'.
namespace zyk::folder_path {

enum class Check {
    Valid,    // well formed (it may still be missing)
    Invalid,  // the invalid-folder message
};

// The syntax check: an absolute path, each component between slashes non-empty, not beginning
// or ending with a tab, a blank or '.', and holding none of  " * : < > ? \ |. A trailing slash is
// allowed; "/" alone is the root.
Check CheckSyntax(std::string_view path);

enum class Outcome {
    Ready,      // the folder exists (now)
    Invalid,    // refused by the syntax check (message shown)
    Declined,   // missing, and the user did not want it created
    NotCreated  // a component could not be created (message shown)
};

// Checks the path and, after asking, creates the missing folders component by component from the
// root down, each confirmed to exist. `path` is the file system's text (UTF-8); the messages show
// it in Windows-1252, a character without a byte as '?'.
Outcome CheckAndCreate(std::string_view path, UserMessages& messages);

inline constexpr std::string_view kInvalid = "The folder:\n\n%s\n\nis invalid. Please reenter.";
inline constexpr std::string_view kMissing =
    "The folder:\n\n%s\n\ndoes not exist. Do you want the folder to be created?";
inline constexpr std::string_view kNotCreated =
    "The folder:\n\n%s\n\ncan not be created. Please double check.";

}  // namespace zyk::folder_path
