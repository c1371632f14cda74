#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zyk::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// `input` cut at `separator` into at most `count` parts; the last part keeps any further
// separators. An input without a separator is one part.
inline std::vector<std::string_view> SplitInput(std::string_view input, char separator,
                                                std::size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t cut = input.find(separator);
        if (cut == std::string_view::npos) {
            break;
        }
        parts.push_back(input.substr(0, cut));
        input.remove_prefix(cut + 1);
    }
    parts.push_back(input);
    return parts;
}

}  // namespace zyk::fuzz
