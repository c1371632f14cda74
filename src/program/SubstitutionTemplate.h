#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "program/ProgramData.h"

namespace zyk {

// An expression text of the program split once into the stretches it keeps and the variables
// that substitution puts values in for, so that a loop fills the pieces instead of searching
// the text again at every turn. It stands in for substitution only where that does nothing but
// replace variables: no '[' (elements), no name before a '(' (calls and mapped functions), no
// word naming a user function, no letter after a digit inside a word, and, when it is filled, no
// value holding a letter (which later variables would search). Anything else is left to the
// general substitution. The pieces depend on the declarations and are worked out again when
// those change.
class SubstitutionTemplate {
public:
    // allStages: the text gets every substitution stage, not only the variables.
    SubstitutionTemplate(std::string_view text, bool allStages);

    enum class Fill { Done, TooLong, NotApplicable };
    // The text with the values of its variables in `out`; NotApplicable leaves it to the general
    // substitution, TooLong means the text would pass `limit`.
    Fill FillIn(const ProgramData& data, std::size_t limit, std::string& out);

private:
    struct Piece {
        std::size_t kept;      // the text up to here (from the end of the previous piece) stays
        std::size_t variable;  // then this variable's value, or ProgramData::kNotFound
        std::size_t resume;    // where the text goes on
    };

    void Prepare(const ProgramData& data);

    std::string_view m_text;
    bool m_allStages;
    bool m_staticallyUsable;
    std::uint64_t m_generation = 0;
    bool m_usable = false;
    std::vector<Piece> m_pieces;
};

}  // namespace zyk
