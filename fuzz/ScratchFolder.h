#pragma once

#include <filesystem>

namespace zyk::fuzz {

// A data folder of the fuzzing process (in memory where the system has /dev/shm). Every input
// starts from an empty one, so no run sees the files of the one before; the folder goes at exit.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Removes everything the folder holds and returns its path.
    const std::filesystem::path& Emptied();
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace zyk::fuzz
