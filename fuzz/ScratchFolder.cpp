#include "ScratchFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

#include <unistd.h>

namespace zyk::fuzz {

namespace {

// In memory where the system offers it: each file replaced on disk costs a flush, which would
// slow the file targets a hundredfold.
std::filesystem::path BaseFolder() {
    std::error_code error;
    const std::filesystem::path memory = "/dev/shm";
    if (std::filesystem::is_directory(memory, error) && ::access(memory.c_str(), W_OK) == 0) {
        return memory;
    }
    return std::filesystem::temp_directory_path();
}

}  // namespace

ScratchFolder::ScratchFolder() {
    std::string pattern = (BaseFolder() / "zyk-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a scratch folder " + pattern);
    }
    m_path = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

const std::filesystem::path& ScratchFolder::Emptied() {
    for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
        std::filesystem::remove_all(entry.path());
    }
    return m_path;
}

}  // namespace zyk::fuzz
