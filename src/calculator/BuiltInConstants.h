#pragma once

#include <array>
#include <string_view>

namespace zyk {

struct NamedConstant {
    std::string_view name;  // as written between { and }
    double value;
};

// The constants the calculator's evaluator knows from the start, in table order.
inline constexpr std::array<NamedConstant, 13> kBuiltInConstants = {{
    {"pi", 3.141592653589793},
    {"c", 299792458.0},
    {"h", 6.62606876e-34},
    {"G", 6.673e-11},
    {"e", 1.602176462e-19},
    {"me", 9.10938188e-31},
    {"amu", 1.66053873e-27},
    {"N_A", 6.02214199e23},
    {"k_B", 1.3806503e-23},
    {"g", 9.80665},
    {"R", 8.314472},
    {"u_0", 1.2566370614359173e-06},
    {"e_0", 8.85418781762039e-12},
}};

}  // namespace zyk
