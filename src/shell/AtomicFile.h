#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace zyk {

// Replaces a file's whole contents: the bytes go to a temporary file beside the target
// ("<name>.tmp<digits>"), which is flushed to the disk, then renamed over the target, and the
// folder is flushed after the rename; so a crash, a power loss or a full disk leaves the old or
// the new contents, never a half-written or empty file. A symbolic link is followed: the file it
// names is replaced and the link stays. An existing file keeps its permission bits (and its owner
// when the process may set it); a new file gets `newFileMode` when given, else 0666 less the
// umask. Returns the first error met (the target is untouched then).
std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                                    std::optional<std::filesystem::perms> newFileMode = {});

// The permission bits of an existing file (a link followed), for a copy that must be as private.
std::optional<std::filesystem::perms> FilePermissions(const std::filesystem::path& path);

// Reads a whole file into bytes. Returns the error of opening or reading.
std::error_code ReadFileContents(const std::filesystem::path& path, std::string& bytes);

// The file a write to `path` lands on: `path` with the symbolic links of its last part followed
// (a relative link from the link's own folder). More than 40 links in a row give ELOOP.
std::error_code ResolveLinkTarget(const std::filesystem::path& path,
                                  std::filesystem::path& resolved);

// Removes the temporary files "<fileName>.tmp<digits>" that a write killed before its rename left
// in `folder`. Run it only while no other write of that file can be under way (under the folder's
// lock). Failures are ignored: a leftover does no harm but take room.
void RemoveLeftoverTemporaries(const std::filesystem::path& folder, std::string_view fileName);

}  // namespace zyk
