#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace zyk {

// Truncates toward zero to a 64-bit integer and takes its low 32 bits as a signed integer: the
// rule of the bitwise operators and of hexadecimal and binary answers. Values that have no 64-bit
// integer (infinite, not a number, or beyond +-2^63) give nothing; the callers report them as
// a maths error rather than show a meaningless pattern.
inline std::optional<std::int32_t> LowWord32(double value) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (!std::isfinite(value) || value >= kLimit || value < -kLimit) {
        return std::nullopt;
    }
    const auto wide = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

}  // namespace zyk
