#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyk::fuzz {

// The string literals of a C++ source, escapes decoded, adjacent literals joined as the compiler
// joins them; comments and character literals are skipped. Raw literals are taken as written.
std::vector<std::string> StringLiterals(std::string_view source);

// The contents of every <pre> block of an HTML page, tags dropped and the common entities
// decoded.
std::vector<std::string> PreformattedBlocks(std::string_view html);

}  // namespace zyk::fuzz
