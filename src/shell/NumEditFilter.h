#pragma once

#include <optional>

namespace zyk {

// The typing rule of number fields (CNumEdit): digits, 'e', '-', '.' and ';' are inserted as
// typed, ',' is inserted as '.', and every other typed character is ignored (nothing). Backspace
// is not a typed character and stays with the field.
std::optional<char> FilterNumEditCharacter(char typed);

}  // namespace zyk
