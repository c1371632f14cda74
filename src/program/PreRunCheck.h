#pragma once

#include <optional>

#include "program/ProgramError.h"
#include "program/ProgramText.h"

namespace zyk {

// A pre-run check failure: the line it is reported for and the error.
struct PreRunFailure {
    int line = 0;
    ProgramError error;
};

// The block-structure check that runs over the whole program before every run: brackets per
// line, the forms of if/elseif/then, end, else, do/while/until and loop, and the balance of
// if-blocks and loops over the whole program.
class PreRunCheck {
public:
    static std::optional<PreRunFailure> Check(const ProgramText& program);

private:
    struct Counter {
        int open = 0;
        int lastLine = 0;  // the last line that changed the count
    };

    static std::optional<ProgramError> CheckLine(std::string_view line, int index, Counter& ifs,
                                                 Counter& loops);
    static std::optional<ProgramError> CheckBrackets(std::string_view line);
    static std::optional<ProgramError> CheckIf(std::string_view line, int index, Counter& ifs);
    static std::optional<ProgramError> CheckDo(std::string_view line, int index, Counter& loops);
    // A keyword followed by a parenthesised condition and then only `tail` material.
    static std::optional<ProgramError> CheckCondition(std::string_view line, std::size_t keywordEnd,
                                                      std::size_t lastClose);
};

}  // namespace zyk
