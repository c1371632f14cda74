#include "shell/FontSizes.h"

#include <algorithm>

namespace zyk::font_sizes {

std::vector<int> ForFont(bool scalable, const std::vector<int>& offered) {
    if (scalable) {
        return {kScalable.begin(), kScalable.end()};
    }
    std::vector<int> sizes;
    for (const int size : offered) {
        if (size > 0) {
            sizes.push_back(size);
        }
    }
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    return sizes;
}

int Pick(const std::vector<int>& sizes, int current) {
    if (sizes.empty()) {
        return current;
    }
    const auto found =
        std::find_if(sizes.begin(), sizes.end(), [current](int size) { return size >= current; });
    return found != sizes.end() ? *found : sizes.back();
}

}  // namespace zyk::font_sizes
