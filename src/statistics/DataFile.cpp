#include "statistics/DataFile.h"

#include "shell/AtomicFile.h"

namespace zyk {

std::vector<std::string> SplitDataLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        } else if (end > start && bytes[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = next;
    }
    return lines;
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
