#include "shell/TextLines.h"

namespace zyk {

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        std::size_t lineEnd = end;
        if (lineEnd > start && bytes[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        lines.emplace_back(bytes.substr(start, lineEnd - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace zyk
