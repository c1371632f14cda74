#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "statistics/RegressionModel.h"

namespace zyk {

// A least-squares fit of the pair list: X and Y are the pair's x and y, or their natural
// logarithms as the model asks (taken without any domain check), and the sums run in list order.
// Identical x values, constant y values or logarithms of values <= 0 are not trapped: they give
// non-finite constants.
struct RegressionResult {
    std::size_t count = 0;
    double a = 0.0;
    double b = 0.0;
    double r = 0.0;
};

// Nothing when a pair is empty or holds no ';' (only a file can bring one).
std::optional<RegressionResult> CalculateRegression(const std::vector<std::string>& pairs,
                                                    RegressionType type);

// "Number of Data Pairs : n".
std::string PairCountLine(std::size_t count);
// The three lines shown before a calculation: the count, a single space, the model line.
std::vector<std::string> InformationLines(std::size_t count, RegressionType type);
// The six result lines: count, a, b, r ("%.12g"), then the two formulas. Lines 4 and 5 are the
// formulas that can go to the calculator.
std::vector<std::string> RegressionLines(const RegressionResult& result, RegressionType type);

inline constexpr std::size_t kYOfXLine = 4;
inline constexpr std::size_t kXOfYLine = 5;

}  // namespace zyk
