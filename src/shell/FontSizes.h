#pragma once

#include <array>
#include <vector>

// The Options dialog's size list for the calculator font.
namespace zyk::font_sizes {

// Every scalable font offers these point sizes.
inline constexpr std::array<int, 10> kScalable = {6, 8, 9, 10, 11, 12, 14, 16, 18, 20};

// The list for a font: the fixed sizes when it is scalable, else the point sizes it offers in
// ascending order without duplicates.
std::vector<int> ForFont(bool scalable, const std::vector<int>& offered);

// After a font change: the first size not smaller than `current`, else the last one; `current`
// itself when the list is empty.
int Pick(const std::vector<int>& sizes, int current);

}  // namespace zyk::font_sizes
