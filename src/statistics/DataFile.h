#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The statistics data files (.ssd values, .slr pairs): one list entry per line, as the list holds
// it, Windows-1252 text without header. Written with CR LF; read with LF or CR LF line ends, the
// last line without one; an empty line is an empty entry.
namespace zyk {

std::vector<std::string> SplitDataLines(std::string_view bytes);
std::string JoinDataLines(const std::vector<std::string>& lines);

// Nothing when the file cannot be read.
std::optional<std::vector<std::string>> ReadDataFile(const std::filesystem::path& path);
// Replaces the file (through a temporary file in its folder); the error when it cannot.
std::error_code WriteDataFile(const std::filesystem::path& path,
                              const std::vector<std::string>& lines);

}  // namespace zyk
