#pragma once

#include <cstddef>
#include <string>

#include "program/ProgramData.h"

namespace zyk {

// Replaces the variables of a program in a text by their value texts. The rule: variables are
// taken in declaration order; each occurrence of a name with no letter before it and neither a
// letter nor '(' after it is replaced, and later variables also search the values put in by
// earlier ones.
//
// Substitute does that in one pass over the text, looking each name up by hash, whenever one
// pass gives what the rule gives: when no value it puts in holds a letter (so nothing put in is
// searched again) and no name stands after a digit inside a word ("a1b", where a replaced "b"
// could join a longer name). Otherwise it follows the rule itself (SubstituteInOrder).
class VariableSubstituter {
public:
    // False, the text left as it was, when the result would be longer than `limit`.
    static bool Substitute(std::string& text, const ProgramData& data, std::size_t limit);
    static bool SubstituteInOrder(std::string& text, const ProgramData& data, std::size_t limit);
};

}  // namespace zyk
