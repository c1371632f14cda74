#pragma once

#include <string>

namespace zyk {

// One user constant of UserConstants.dat (and the three texts of the "Add/Edit Constant"
// dialog): its name, the symbol written between { and }, and its value as typed.
struct ConstantRecord {
    std::string name;
    std::string symbol;
    std::string value;

    bool operator==(const ConstantRecord&) const = default;
};

}  // namespace zyk
