#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyk {

// A program as the interpreter reads it: its lines (Windows-1252 bytes, numbered from 0) and,
// worked out once, each line with its comment cut off at the first apostrophe.
class ProgramText {
public:
    ProgramText() = default;
    explicit ProgramText(std::vector<std::string> lines);

    // A program file's bytes in the calculator's character set. Files written on this system
    // are usually UTF-8: a file that is valid UTF-8 (a byte-order mark is dropped) and holds
    // characters beyond ASCII is converted; any other file is taken as Windows-1252 as it is.
    static std::string DecodeFileBytes(std::string_view bytes);

    // Splits a program file's bytes into lines; lines end with CR LF or LF.
    static ProgramText FromFileContents(std::string_view bytes);

    // Everything before the first apostrophe, also when it stands inside double quotes.
    static std::string_view CutComment(std::string_view line);

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    // The line without its comment; empty past the end.
    std::string_view Line(int index) const;
    std::string_view RawLine(int index) const;

private:
    std::vector<std::string> m_lines;
    std::vector<std::size_t> m_codeLengths;
};

}  // namespace zyk
