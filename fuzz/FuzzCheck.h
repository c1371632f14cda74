#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zyk::fuzz {

// Ends the run with a report when the code under test breaks one of its promises; libFuzzer
// keeps the input that did it as a crash file.
inline void Require(bool holds, std::string_view promise) {
    if (!holds) {
        std::fprintf(stderr, "broken promise: %.*s\n", static_cast<int>(promise.size()),
                     promise.data());
        std::abort();
    }
}

}  // namespace zyk::fuzz
