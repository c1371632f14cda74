#pragma once

#include <string>

namespace zyk {

// One formula of the library and of UserEq.dat: its name, the form shown to the user and the
// form the calculator evaluates.
struct FormulaRecord {
    std::string name;
    std::string displayForm;
    std::string calculatorForm;

    bool operator==(const FormulaRecord&) const = default;
};

}  // namespace zyk
