#include "program/ProgramText.h"

#include <algorithm>
#include <utility>

#include "charset/Windows1252.h"

namespace zyk {

ProgramText::ProgramText(std::vector<std::string> lines) : m_lines(std::move(lines)) {
    m_codeLengths.reserve(m_lines.size());
    for (const std::string& line : m_lines) {
        m_codeLengths.push_back(CutComment(line).size());
    }
}

std::string ProgramText::DecodeFileBytes(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    if (marked) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        if (auto converted = windows1252::FromUtf8(bytes)) {
            return std::move(*converted);
        }
    }
    return std::string(bytes);
}

ProgramText ProgramText::FromFileContents(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = next;
    }
    return ProgramText(std::move(lines));
}

std::string_view ProgramText::CutComment(std::string_view line) {
    return line.substr(0, line.find('\''));
}

std::string_view ProgramText::Line(int index) const {
    if (index < 0 || index >= LineCount()) {
        return {};
    }
    return std::string_view(m_lines[index]).substr(0, m_codeLengths[index]);
}

std::string_view ProgramText::RawLine(int index) const {
    if (index < 0 || index >= LineCount()) {
        return {};
    }
    return m_lines[index];
}

}  // namespace zyk
