#pragma once

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

namespace zyk::test {

// The user a root test process becomes to meet permissions as a user would ("nobody").
inline constexpr uid_t kUnprivilegedUser = 65534;

// Runs `body` in a forked child and hands back what it returned (through a pipe), or nothing
// when the child died before it finished. With `dropPrivileges`, a child running as root first
// becomes "nobody", for whom a mode 000 file or a read-only folder is what it is for a user
// (root reads and writes them all); the folders it works in must let "nobody" in. The child
// leaves through _exit, so nothing of the test process runs twice.
inline std::optional<std::string> RunInChild(const std::function<std::string()>& body,
                                             bool dropPrivileges = false) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (dropPrivileges && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedUser) != 0 ||
             ::setuid(kUnprivilegedUser) != 0)) {
            ::_exit(2);
        }
        const std::string out = body();
        std::size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = ::write(channel[1], out.data() + done, out.size() - done);
            if (n <= 0) {
                ::_exit(3);
            }
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string out;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0) {
        out.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return out;
}

}  // namespace zyk::test
