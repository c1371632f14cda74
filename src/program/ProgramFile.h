#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zyk {

// Program files (*.bas): one program line per text line, every line ended by CR LF, in the
// calculator's character set (Windows-1252); files written elsewhere as UTF-8 are read too.
class ProgramFile {
public:
    // The file's lines in the calculator's character set, as `zykcalc --run` reads them. An
    // error leaves `lines` untouched.
    static std::error_code Read(const std::filesystem::path& path, std::vector<std::string>& lines);

    // The file's bytes: every line followed by CR LF, the last line too. A last line that is
    // empty is the end of the line before it (an editor's text that ends with a line break), so
    // it is not written: opening and saving a file keeps it as it was.
    static std::string Compose(const std::vector<std::string>& lines);

    // Writes the lines through a temporary file that is renamed over the target.
    static std::error_code Write(const std::filesystem::path& path,
                                 const std::vector<std::string>& lines);
};

}  // namespace zyk
