#include "statistics/DataFile.h"

#include "shell/AtomicFile.h"
#include "shell/TextLines.h"

namespace zyk {

std::vector<std::string> SplitDataLines(std::string_view bytes) {
    return SplitLines(bytes);
}

std::string JoinDataLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<std::vector<std::string>> ReadDataFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return std::nullopt;
    }
    std::string bytes;
    if (ReadFileContents(path, bytes)) {
        return std::nullopt;
    }
    return SplitDataLines(bytes);
}

std::error_code WriteDataFile(const std::filesystem::path& path,
                              const std::vector<std::string>& lines) {
    return ReplaceFileContents(path, JoinDataLines(lines));
}

}  // namespace zyk
