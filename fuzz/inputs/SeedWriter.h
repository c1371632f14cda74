#pragma once

#include <filesystem>

namespace zyk::fuzz {

// Writes the seeds of every target into `outFolder`/<target>/: the texts of the test tables
// (tests/), the example programs (examples/) and the help pages' programs, turned into each
// target's input form, and inputs built for structure: deep blocks and brackets, long operator
// chains and key runs, many records, every settings entry.
void WriteSeeds(const std::filesystem::path& sourceFolder, const std::filesystem::path& outFolder);

}  // namespace zyk::fuzz
