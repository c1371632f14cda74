#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyk {

// The lines of a text file: a line ends at LF, a CR right before the LF is dropped, and the last
// line may lack its end. An empty text has no line.
std::vector<std::string> SplitLines(std::string_view bytes);

}  // namespace zyk
