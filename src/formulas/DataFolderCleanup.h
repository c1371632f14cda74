#pragma once

#include <filesystem>

namespace zyk {

// Removes the temporary files that writes of the data files (UserEq.dat, UserEq.old,
// UserConstants.dat, UserConstants.bad) killed before their rename left in the data folder. Runs
// under the folder's lock, so a write of another calculator under way is never touched.
void RemoveDataFileLeftovers(const std::filesystem::path& dataFolder);

}  // namespace zyk
