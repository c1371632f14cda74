#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zyk::fuzz {

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The file's bytes; nothing when it is missing.
inline std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A text typed into a dialog's one-line field: it holds no line break.
inline std::string DialogField(std::string_view text) {
    std::string field;
    for (const char c : text) {
        if (c != '\r' && c != '\n') {
            field += c;
        }
    }
    return field;
}

// A field as a data file keeps it: a line break inside a field is written as a blank.
inline std::string AsWritten(std::string_view field) {
    std::string line(field);
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

inline std::vector<std::string> AsWritten(const std::vector<std::string>& fields) {
    std::vector<std::string> lines;
    for (const std::string& field : fields) {
        lines.push_back(AsWritten(field));
    }
    return lines;
}

}  // namespace zyk::fuzz
