#include "program/VariableSubstituter.h"

#include <algorithm>
#include <string_view>

#include "program/TextRebuilder.h"
#include "program/TextScan.h"

namespace zyk {
namespace {

enum class Pass { Done, TooLong, NeedsRule };

// One pass: at every word that begins with a letter, the earliest declared variable whose name
// is the word's letters followed by some of its digits (the name must not be followed by '(').
Pass OnePass(std::string& text, const ProgramData& data, std::size_t limit) {
    const auto& variables = data.Variables();
    TextRebuilder rebuilt(text);
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!IsLetter(text[pos]) || (pos > 0 && IsLetter(text[pos - 1]))) {
            ++pos;
            continue;
        }
        std::size_t letters = pos;
        while (letters < text.size() && IsLetter(text[letters])) {
            ++letters;
        }
        std::size_t end = letters;
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
        }
        if (end < text.size() && IsLetter(text[end])) {
            return Pass::NeedsRule;  // a letter after a digit: "a1b"
        }
        std::size_t found = ProgramData::kNotFound;
        std::size_t foundEnd = 0;
        for (std::size_t nameEnd = letters; nameEnd <= end; ++nameEnd) {
            if (nameEnd < text.size() && text[nameEnd] == '(') {
                continue;
            }
            const std::size_t index =
                data.VariableIndex(std::string_view(text).substr(pos, nameEnd - pos));
            if (index < found) {
                found = index;
                foundEnd = nameEnd;
            }
        }
        if (found != ProgramData::kNotFound) {
            const std::string& value = variables[found].value;
            if (HasLetter(value)) {
                return Pass::NeedsRule;
            }
            rebuilt.Replace(pos, foundEnd, value);
            if (rebuilt.Length() > limit) {
                return Pass::TooLong;
            }
        }
        pos = end;
    }
    if (rebuilt.Replaced()) {
        text = rebuilt.Finish();
    }
    return Pass::Done;
}

}  // namespace

bool VariableSubstituter::Substitute(std::string& text, const ProgramData& data,
                                     std::size_t limit) {
    switch (OnePass(text, data, limit)) {
        case Pass::Done:
            return true;
        case Pass::TooLong:
            return false;
        case Pass::NeedsRule:
            break;
    }
    return SubstituteInOrder(text, data, limit);
}

bool VariableSubstituter::SubstituteInOrder(std::string& text, const ProgramData& data,
                                            std::size_t limit) {
    std::string result = text;
    for (const ProgramVariable& variable : data.Variables()) {
        const std::string& name = variable.name;
        TextRebuilder rebuilt(result);
        for (std::size_t pos = result.find(name); pos != std::string::npos;
             pos = result.find(name, pos + 1)) {
            const std::size_t after = pos + name.size();
            const bool whole =
                !IsLetter(rebuilt.Before(pos)) &&
                (after >= result.size() || (!IsLetter(result[after]) && result[after] != '('));
            if (!whole) {
                continue;
            }
            rebuilt.Replace(pos, after, variable.value);
            if (rebuilt.Length() > limit) {
                return false;
            }
            pos = after - 1;
        }
        if (rebuilt.Replaced()) {
            result = rebuilt.Finish();
        }
    }
    text = std::move(result);
    return true;
}

}  // namespace zyk
