#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "statistics/ValueList.h"

namespace zyk {

// What Calculate computes over the value list, sums taken in list order. D = Q - S^2/n is not
// clamped: rounding can make it slightly negative, and then the deviations are not a number.
// An empty list gives 0 for the sums and the median and non-finite mean and deviations.
struct OneVariableResults {
    std::size_t count = 0;
    double sum = 0.0;
    double squareSum = 0.0;
    double mean = 0.0;
    double median = 0.0;
    double populationDeviation = 0.0;
    double sampleDeviation = 0.0;
};

OneVariableResults CalculateOneVariable(const ValueList& values);

// The middle entry of the sorted list, or the mean of the two middle entries; 0 for none.
double Median(const ValueList& values);

// "Number of Values : n".
std::string ValueCountLine(std::size_t count);
// The seven lines of the results list, "%d" and "%.10g".
std::vector<std::string> OneVariableLines(const OneVariableResults& results);

}  // namespace zyk
