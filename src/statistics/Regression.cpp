#include "statistics/Regression.h"

#include <cmath>

#include "shell/LeadingNumber.h"
#include "statistics/EntryAcceptance.h"
#include "statistics/StatisticFormat.h"
#include "statistics/StatisticsTexts.h"

namespace zyk {
namespace {

namespace text = statistics_text;

constexpr int kResultDigits = 12;

struct Sums {
    double x = 0.0;
    double y = 0.0;
    double xx = 0.0;
    double xy = 0.0;
    double yy = 0.0;
};

}  // namespace

std::optional<RegressionResult> CalculateRegression(const std::vector<std::string>& pairs,
                                                    RegressionType type) {
    const RegressionModel& model = ModelFor(type);
    Sums sums;
    for (const std::string& pair : pairs) {
        const std::optional<PairParts> parts = SplitPair(pair);
        if (!parts) {
            return std::nullopt;
        }
        const double x = ReadLeadingNumber(parts->x);
        const double y = ReadLeadingNumber(parts->y);
        const double bigX = model.logX ? std::log(x) : x;
        const double bigY = model.logY ? std::log(y) : y;
        sums.x += bigX;
        sums.y += bigY;
        sums.xx += bigX * bigX;
        sums.xy += bigX * bigY;
        sums.yy += bigY * bigY;
    }

    RegressionResult result;
    result.count = pairs.size();
    const auto n = static_cast<double>(result.count);
    const double k = 1.0 / n;
    const double meanX = k * sums.x;
    const double meanY = k * sums.y;
    const double lxx = sums.xx - meanX * meanX * n;
    const double lxy = sums.xy - n * meanX * meanY;
    const double lyy = sums.yy - meanY * meanY * n;
    result.b = lxy / lxx;
    const double intercept = meanY - result.b * meanX;
    result.a = model.logY ? std::exp(intercept) : intercept;
    result.r = lxy / std::sqrt(lxx * lyy);
    return result;
}

std::string PairCountLine(std::size_t count) {
    return std::string(text::kNumberOfPairs) + std::to_string(count);
}

std::vector<std::string> InformationLines(std::size_t count, RegressionType type) {
    return {PairCountLine(count), std::string(text::kBlankLine),
            std::string(ModelFor(type).modelLine)};
}

std::vector<std::string> RegressionLines(const RegressionResult& result, RegressionType type) {
    const RegressionModel& model = ModelFor(type);
    return {
        PairCountLine(result.count),
        std::string(text::kConstantA) + FormatStatistic(result.a, kResultDigits),
        std::string(text::kConstantB) + FormatStatistic(result.b, kResultDigits),
        std::string(text::kCorrelation) + FormatStatistic(result.r, kResultDigits),
        std::string(text::kFormulaYOfX) + std::string(model.yOfXText),
        std::string(text::kFormulaXOfY) + std::string(model.xOfYText),
    };
}

}  // namespace zyk
