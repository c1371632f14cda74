#include "statistics/OneVariableStatistics.h"

#include <cmath>

#include "statistics/StatisticFormat.h"
#include "statistics/StatisticsTexts.h"

namespace zyk {
namespace {

namespace text = statistics_text;

constexpr int kResultDigits = 10;

std::string Line(std::string_view label, double value) {
    return std::string(label) + FormatStatistic(value, kResultDigits);
}

}  // namespace

double Median(const ValueList& values) {
    const std::size_t n = values.Size();
    if (n == 0) {
        return 0.0;
    }
    if (n % 2 == 1) {
        return values.At((n - 1) / 2).value;
    }
    return (values.At(n / 2).value + values.At(n / 2 - 1).value) * 0.5;
}

OneVariableResults CalculateOneVariable(const ValueList& values) {
    OneVariableResults results;
    results.count = values.Size();
    for (const ValueList::Entry& entry : values.Entries()) {
        results.sum += entry.value;
        results.squareSum += std::pow(entry.value, 2.0);
    }
    const auto n = static_cast<double>(results.count);
    const double d = results.squareSum - std::pow(results.sum, 2.0) / n;
    results.mean = results.sum / n;
    results.median = Median(values);
    results.populationDeviation = std::sqrt(d / n);
    results.sampleDeviation = std::sqrt(d / (n - 1));
    return results;
}

std::string ValueCountLine(std::size_t count) {
    return std::string(text::kNumberOfValues) + std::to_string(count);
}

std::vector<std::string> OneVariableLines(const OneVariableResults& results) {
    return {
        ValueCountLine(results.count),
        Line(text::kSum, results.sum),
        Line(text::kSquareSum, results.squareSum),
        Line(text::kMeanValue, results.mean),
        Line(text::kMedian, results.median),
        Line(text::kPopulationDeviation, results.populationDeviation),
        Line(text::kSampleDeviation, results.sampleDeviation),
    };
}

}  // namespace zyk
