#include "shell/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <random>
#include <utility>

namespace zyk {
namespace {

constexpr int kMaxLinks = 40;
constexpr int kNameAttempts = 16;
constexpr std::string_view kTemporaryMark = ".tmp";

std::error_code Errno() {
    return std::error_code(errno, std::generic_category());
}

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now and says whether the close reported an error (a late write error on some file
    // systems).
    std::error_code Close() {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0 ? std::error_code() : Errno();
    }

private:
    int m_fd;
};

std::error_code WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Errno();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Gives the new file the mode (and, where allowed, the owner) of the file it replaces, or the
// mode asked for a new file.
void CopyMode(int fd, const std::optional<struct stat>& existing,
              std::optional<std::filesystem::perms> newFileMode) {
    if (existing) {
        if (existing->st_uid != ::geteuid() || existing->st_gid != ::getegid()) {
            // Only root may give a file away; for anyone else the file simply becomes theirs.
            [[maybe_unused]] const int ignored = ::fchown(fd, existing->st_uid, existing->st_gid);
        }
        ::fchmod(fd, existing->st_mode & 07777);
    } else if (newFileMode) {
        ::fchmod(fd, static_cast<mode_t>(*newFileMode) & 07777);
    }
}

std::filesystem::path TemporaryName(const std::filesystem::path& target, unsigned number) {
    auto name = target.filename();
    name += std::string(kTemporaryMark) + std::to_string(number);
    return target.parent_path() / name;
}

// Makes the rename itself durable. Some file systems cannot flush a folder; the file is in place
// either way, so a failure here is not the write's failure.
void FlushFolder(const std::filesystem::path& folder) {
    const Descriptor dir(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) {
        ::fsync(dir.Get());
    }
}

bool IsTemporaryOf(const std::string& name, std::string_view fileName) {
    const std::size_t prefix = fileName.size() + kTemporaryMark.size();
    if (name.size() <= prefix || name.compare(0, fileName.size(), fileName) != 0 ||
        name.compare(fileName.size(), kTemporaryMark.size(), kTemporaryMark) != 0) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::error_code ResolveLinkTarget(const std::filesystem::path& path,
                                  std::filesystem::path& resolved) {
    resolved = path;
    for (int links = 0;; ++links) {
        std::error_code error;
        const auto status = std::filesystem::symlink_status(resolved, error);
        if (error && status.type() != std::filesystem::file_type::not_found) {
            return error;
        }
        if (status.type() != std::filesystem::file_type::symlink) {
            return {};
        }
        if (links == kMaxLinks) {
            return std::make_error_code(std::errc::too_many_symbolic_link_levels);
        }
        const auto link = std::filesystem::read_symlink(resolved, error);
        if (error) {
            return error;
        }
        resolved = link.is_absolute() ? link : resolved.parent_path() / link;
    }
}

std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                                    std::optional<std::filesystem::perms> newFileMode) {
    std::filesystem::path file;
    if (const std::error_code error = ResolveLinkTarget(target, file)) {
        return error;
    }
    std::optional<struct stat> existing;
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        existing = info;
    }

    std::random_device device;
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kNameAttempts; ++attempt) {
        temporary = TemporaryName(file, device());
        const mode_t mode = existing || newFileMode ? 0600 : 0666;
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) {
            return Errno();
        }
    }
    if (fd < 0) {
        return Errno();
    }
    Descriptor out(fd);
    CopyMode(out.Get(), existing, newFileMode);
    std::error_code error = WriteAll(out.Get(), bytes);
    if (!error && ::fsync(out.Get()) != 0) {
        error = Errno();
    }
    if (const std::error_code closeError = out.Close(); !error) {
        error = closeError;
    }
    if (!error && ::rename(temporary.c_str(), file.c_str()) != 0) {
        error = Errno();
    }
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    FlushFolder(file.parent_path());
    return {};
}

std::optional<std::filesystem::perms> FilePermissions(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return std::nullopt;
    }
    return status.permissions();
}

std::error_code ReadFileContents(const std::filesystem::path& path, std::string& bytes) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return errno != 0 ? Errno() : std::make_error_code(std::errc::no_such_file_or_directory);
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::make_error_code(std::errc::io_error);
    }
    return {};
}

void RemoveLeftoverTemporaries(const std::filesystem::path& folder, std::string_view fileName) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return;
    }
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code ignored;
        const auto& entry = *entries;
        if (IsTemporaryOf(entry.path().filename().string(), fileName) &&
            entry.symlink_status(ignored).type() == std::filesystem::file_type::regular) {
            std::filesystem::remove(entry.path(), ignored);
        }
    }
}

}  // namespace zyk
