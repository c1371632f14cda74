#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace zyk {

// Replaces a file's whole contents: the bytes go to a temporary file in the same folder, which is
// then renamed over the target, so a crash or a full disk never leaves a half-written file.
// Returns the first error met (the target is untouched then).
std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes);

// Reads a whole file into bytes. Returns the error of opening or reading.
std::error_code ReadFileContents(const std::filesystem::path& path, std::string& bytes);

}  // namespace zyk
