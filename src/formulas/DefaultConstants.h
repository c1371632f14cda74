#pragma once

#include <array>
#include <string_view>

namespace zyk {

struct DefaultConstant {
    std::string_view name;
    std::string_view symbol;
    std::string_view value;
};

// The constants a constants file without any constant is filled with, in this order. The texts
// are exact: "Proton Mass" keeps the trailing space of its value.
inline constexpr std::array<DefaultConstant, 17> kDefaultConstants = {{
    {"Pi", "pi", "3.1415926535897932384626433832795"},
    {"Planck Constant", "h", "6.62606876e-34"},
    {"Atomic Mass Constant", "amu", "1.66053873e-27"},
    {"Avogadro Constant", "N_A", "6.02214199e23"},
    {"Boltzmann Constant", "k_B", "1.3806503e-23"},
    {"Electric Constant", "e_0", "8.85418781762039e-12"},
    {"Electron Mass", "me", "9.10938188e-31"},
    {"Electron Volt", "eV", "1.602176462e-19"},
    {"Elementary Charge", "e", "1.602176462e-19"},
    {"Faraday Constant", "F", "96485.3415"},
    {"Magnetic Constant", "u_0", "12.56637061435917e-7"},
    {"Molar Gas Constant", "R", "8.314472"},
    {"Newtonian Constant of Gravity", "G", "6.673e-11"},
    {"Proton Mass", "mp", "1.67262158e-27 "},
    {"Rydberg Constant", "Ry", "10973731.568549"},
    {"Stefan-Boltzmann Constant", "S_B", "5.670400e-8"},
    {"Speed of Light", "c", "299792458"},
}};

}  // namespace zyk
