#include "program/SubstitutionTemplate.h"

#include <algorithm>

#include "expression/ExpressionBytes.h"
#include "program/TextScan.h"

namespace zyk {
namespace {

// Where the word of letters and digits that starts at `pos` ends, and where its letters end.
void WordAt(std::string_view text, std::size_t pos, std::size_t& letters, std::size_t& end) {
    letters = pos;
    while (letters < text.size() && IsLetter(text[letters])) {
        ++letters;
    }
    end = letters;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
}

bool StartsWord(std::string_view text, std::size_t pos) {
    return IsLetter(text[pos]) && (pos == 0 || !IsLetter(text[pos - 1]));
}

}  // namespace

SubstitutionTemplate::SubstitutionTemplate(std::string_view text, bool allStages)
    : m_text(text), m_allStages(allStages), m_staticallyUsable(true) {
    if (allStages && (text.find('[') != std::string_view::npos || HasNameCall(text))) {
        m_staticallyUsable = false;
        return;
    }
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (!StartsWord(text, pos)) {
            continue;
        }
        std::size_t letters = 0;
        std::size_t end = 0;
        WordAt(text, pos, letters, end);
        if (end < text.size() && IsLetter(text[end])) {
            m_staticallyUsable = false;  // "a1b": a replaced "b" could join a longer name
            return;
        }
        pos = end;
    }
}

void SubstitutionTemplate::Prepare(const ProgramData& data) {
    m_generation = data.Generation();
    m_pieces.clear();
    m_usable = false;
    for (std::size_t pos = 0; pos < m_text.size(); ++pos) {
        if (!StartsWord(m_text, pos)) {
            continue;
        }
        std::size_t letters = 0;
        std::size_t end = 0;
        WordAt(m_text, pos, letters, end);
        // A user function named here would be called (or refused) before variables are put in.
        if (m_allStages && !data.Functions().empty() &&
            (pos == 0 || m_text[pos - 1] != kFunctionMarker) &&
            data.FunctionIndex(m_text.substr(pos, end - pos)) != ProgramData::kNotFound) {
            return;
        }
        // The earliest declared variable whose name is the letters and some of the digits.
        std::size_t found = ProgramData::kNotFound;
        std::size_t foundEnd = 0;
        for (std::size_t nameEnd = letters; nameEnd <= end; ++nameEnd) {
            if (nameEnd < m_text.size() && m_text[nameEnd] == '(') {
                continue;
            }
            const std::size_t index = data.VariableIndex(m_text.substr(pos, nameEnd - pos));
            if (index < found) {
                found = index;
                foundEnd = nameEnd;
            }
        }
        if (found != ProgramData::kNotFound) {
            m_pieces.push_back({pos, found, foundEnd});
        }
        pos = end;
    }
    m_pieces.push_back({m_text.size(), ProgramData::kNotFound, m_text.size()});
    m_usable = true;
}

SubstitutionTemplate::Fill SubstitutionTemplate::FillIn(const ProgramData& data, std::size_t limit,
                                                        std::string& out) {
    if (!m_staticallyUsable) {
        return Fill::NotApplicable;
    }
    if (m_generation != data.Generation()) {
        Prepare(data);
    }
    if (!m_usable) {
        return Fill::NotApplicable;
    }
    // First the length, counted as the general substitution counts it (what is made so far
    // and the rest as it is, after each value), then the text in one piece.
    const auto& variables = data.Variables();
    std::size_t length = m_text.size();
    for (const Piece& piece : m_pieces) {
        if (piece.variable == ProgramData::kNotFound) {
            continue;
        }
        if (data.ValueHasLetter(piece.variable)) {
            return Fill::NotApplicable;
        }
        length = length - (piece.resume - piece.kept) + variables[piece.variable].value.size();
        if (length > limit) {
            return Fill::TooLong;
        }
    }
    out.resize(length);
    char* write = out.data();
    std::size_t from = 0;
    for (const Piece& piece : m_pieces) {
        write = std::copy(m_text.begin() + static_cast<std::ptrdiff_t>(from),
                          m_text.begin() + static_cast<std::ptrdiff_t>(piece.kept), write);
        if (piece.variable != ProgramData::kNotFound) {
            const std::string& value = variables[piece.variable].value;
            write = std::copy(value.begin(), value.end(), write);
        }
        from = piece.resume;
    }
    return Fill::Done;
}

}  // namespace zyk
