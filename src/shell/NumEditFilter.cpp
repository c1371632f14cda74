#include "shell/NumEditFilter.h"

namespace zyk {

std::optional<char> FilterNumEditCharacter(char typed) {
    if (typed >= '0' && typed <= '9') {
        return typed;
    }
    switch (typed) {
        case 'e':
        case '-':
        case '.':
        case ';':
            return typed;
        case ',':
            return '.';
        default:
            return std::nullopt;
    }
}

}  // namespace zyk
