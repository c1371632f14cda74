#pragma once

#include <filesystem>

namespace zyk {

// An exclusive lock on a folder (flock on the folder itself), held while the object lives. Every
// read-modify-replace of a data file runs under the lock of its folder, so calculators that save
// into one folder at the same time take turns instead of losing each other's records. Locking
// the folder leaves no lock file behind and works in a read-only folder. A folder that cannot be
// opened is not locked: the operation goes on, and its own file access reports the problem.
// Threads and processes alike wait for each other; one thread must not take a second lock on the
// same folder while it holds one.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool IsHeld() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

}  // namespace zyk
