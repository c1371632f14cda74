#include "shell/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>

namespace zyk {
namespace {

std::error_code LastErrno(std::errc fallback) {
    return errno != 0 ? std::error_code(errno, std::generic_category())
                      : std::make_error_code(fallback);
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    std::random_device device;
    const auto suffix = std::to_string(device());
    auto name = target.filename();
    name += ".tmp" + suffix;
    return target.parent_path() / name;
}

}  // namespace

std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
    const auto temporary = TemporaryBeside(target);
    errno = 0;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return LastErrno(std::errc::io_error);
    }
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0;
    const std::error_code writeError = LastErrno(std::errc::no_space_on_device);
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return writeError;
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, target, renameError);
    if (renameError) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return renameError;
}

std::error_code ReadFileContents(const std::filesystem::path& path, std::string& bytes) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return LastErrno(std::errc::no_such_file_or_directory);
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::make_error_code(std::errc::io_error);
    }
    return {};
}

}  // namespace zyk
