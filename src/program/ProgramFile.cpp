#include "program/ProgramFile.h"

#include "program/ProgramText.h"
#include "shell/AtomicFile.h"

namespace zyk {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::error_code ProgramFile::Read(const std::filesystem::path& path,
                                  std::vector<std::string>& lines) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    std::string bytes;
    error = ReadFileContents(path, bytes);
    if (error) {
        return error;
    }
    const ProgramText text = ProgramText::FromFileContents(ProgramText::DecodeFileBytes(bytes));
    std::vector<std::string> read;
    read.reserve(static_cast<std::size_t>(text.LineCount()));
    for (int index = 0; index < text.LineCount(); ++index) {
        read.emplace_back(text.RawLine(index));
    }
    lines = std::move(read);
    return {};
}

std::string ProgramFile::Compose(const std::vector<std::string>& lines) {
    std::size_t count = lines.size();
    if (count > 0 && lines.back().empty()) {
        --count;
    }
    std::string bytes;
    for (std::size_t index = 0; index < count; ++index) {
        bytes += lines[index];
        bytes += kLineBreak;
    }
    return bytes;
}

std::error_code ProgramFile::Write(const std::filesystem::path& path,
                                   const std::vector<std::string>& lines) {
    return ReplaceFileContents(path, Compose(lines));
}

}  // namespace zyk
