#pragma once

#include <optional>
#include <string_view>

namespace zyk {

// The table position of the unit a typed name (Windows-1252 bytes) names, without regard to
// ASCII case and surrounding blanks: its from-list or to-list text ("Nautical Mile", "nautical
// mile"), else its unit mark ("ft", "\xB0C") when that mark belongs to one unit only. Nothing for
// "None", a header or an unknown name.
std::optional<int> FindUnitPosition(std::string_view typed);

}  // namespace zyk
