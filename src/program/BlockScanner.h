#pragma once

#include <string>
#include <string_view>

#include "program/ProgramText.h"

namespace zyk {

// Looks ahead in the program for where a skipped if-branch or a left loop ends. Lines are
// recognised by their first word, cut at its first '(' ("if(x>1)" is an if line).
class BlockScanner {
public:
    struct Target {
        enum class Kind {
            Branch,       // an elseif or else of the skipped block: it runs next
            End,          // the end of the skipped block
            EndWithWord,  // an end followed by another word (in `word`)
            Loop,         // the loop that closes the loop being left
            NotFound,     // the program ended first
        };
        Kind kind = Kind::NotFound;
        int line = 0;
        std::string word;
    };

    // The first word of a statement cut at its first '(', and where that word starts.
    static std::string_view CommandWord(std::string_view statement, std::size_t& start);

    // True for an if line in block form: nothing but blanks after its "then".
    static bool OpensIfBlock(std::string_view statement, std::size_t ifStart);

    // From the line after `from`: the else/elseif/end at the depth of the skipped block;
    // nested blocks are passed over.
    static Target SkipIfBranch(const ProgramText& program, int from);

    // From the line after `from`: the loop matching the loop being left.
    static Target SkipToLoop(const ProgramText& program, int from);
};

}  // namespace zyk
