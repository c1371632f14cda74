#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace zyk {

// One row of the formula list: what the user reads in the combo and the info list, and what the
// evaluator runs. Special formulas (indexes 1-9) have an empty calculator form.
struct BuiltInFormula {
    std::string_view name;
    std::string_view displayForm;
    std::string_view calculatorForm;
};

// What a special formula brings when it becomes current: the text formula mode shows for it and
// the variables asked, in the order the solver takes their values.
struct SpecialFormulaSetup {
    std::string_view solverText;
    std::array<std::string_view, 4> variableNames;
    int variableCount;
};

// Formula index ranges: 0 is "None", 1-9 the special formulas, 10-50 the plain built-in ones,
// 51 and up the user's own formulas (user record = index - 51).
inline constexpr int kNoFormulaIndex = 0;
inline constexpr int kFirstSpecialFormulaIndex = 1;
inline constexpr int kLastSpecialFormulaIndex = 9;
inline constexpr int kFirstPlainFormulaIndex = 10;
inline constexpr int kFirstUserFormulaIndex = 51;
inline constexpr int kBuiltInFormulaCount = 51;

// Rows 0-50 in list order (the position is the formula index).
std::span<const BuiltInFormula, kBuiltInFormulaCount> BuiltInFormulas();

// The setup of special formula `index` (1-9); nothing for any other index.
std::optional<SpecialFormulaSetup> SpecialSetup(int index);

inline constexpr bool IsSpecialFormulaIndex(int index) {
    return index >= kFirstSpecialFormulaIndex && index <= kLastSpecialFormulaIndex;
}

}  // namespace zyk
