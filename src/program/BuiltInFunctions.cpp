#include "program/BuiltInFunctions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "expression/ExpressionBytes.h"
#include "expression/NumberFormat.h"
#include "program/TextRebuilder.h"
#include "program/TextScan.h"

namespace zyk {
namespace {

constexpr std::string_view kResultFormat = "%.12g";

// Sum of values and sum of squares.
void Sums(std::span<const double> values, double& sum, double& squares) {
    sum = 0.0;
    squares = 0.0;
    for (const double v : values) {
        sum += v;
        squares += v * v;
    }
}

// Rounding can leave the sum of squared deviations a hair below zero for equal values.
double SpreadNumerator(std::span<const double> values) {
    double sum = 0.0;
    double squares = 0.0;
    Sums(values, sum, squares);
    const double n = static_cast<double>(values.size());
    return std::max(0.0, squares - sum * sum / n);
}

bool HasExponent(std::string_view text) {
    return text.find('e') != std::string_view::npos;
}

}  // namespace

void BuiltInFunctions::MapFunctionNames(std::string& text) {
    if (text.find('(') == std::string::npos) {
        return;
    }
    std::string token(1, kFunctionMarker);
    for (const FunctionMapping& row : kFunctionMappings) {
        TextRebuilder rebuilt(text);
        token.resize(1);
        token += row.token;
        for (std::size_t pos = text.find(row.programName); pos != std::string::npos;
             pos = text.find(row.programName, pos + 1)) {
            const char before = rebuilt.Before(pos);
            if (IsLetter(before) || before == kFunctionMarker) {
                continue;
            }
            rebuilt.Replace(pos, pos + row.programName.size(), token);
            pos += row.programName.size() - 1;
        }
        if (rebuilt.Replaced()) {
            text = rebuilt.Finish();
        }
    }
}

std::size_t BuiltInFunctions::FunctionTokenLength(std::string_view afterMarker) {
    for (const FunctionMapping& row : kFunctionMappings) {
        if (afterMarker.starts_with(row.token)) {
            return row.token.size();
        }
    }
    return 0;
}

double BuiltInFunctions::ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlankOrTab(text[i])) {
        ++i;
    }
    const bool hasSign =
        i < text.size() && (text[i] == '-' || text[i] == kNegationSign || text[i] == '+');
    const bool negative = hasSign && text[i] != '+';
    if (hasSign) {
        ++i;
    }
    const auto skipDigits = [&text](std::size_t from) {
        while (from < text.size() && IsDigit(text[from])) {
            ++from;
        }
        return from;
    };
    const std::size_t integerStart = i;
    const std::size_t integerEnd = skipDigits(i);
    std::size_t end = integerEnd;
    bool digits = integerEnd > integerStart;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(end + 1);
        digits = digits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!digits) {
        return 0.0;
    }
    std::size_t exponentEnd = end;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t j = end + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == kNegationSign || text[j] == '+')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            exponentEnd = skipDigits(j);
        }
    }
    // Most values are whole numbers the calculator wrote: fifteen digits are exact in a double.
    constexpr std::size_t kExactDigits = 15;
    if (end == integerEnd && exponentEnd == end && end - integerStart <= kExactDigits) {
        std::int64_t whole = 0;
        for (std::size_t k = integerStart; k < end; ++k) {
            whole = whole * 10 + (text[k] - '0');
        }
        const double value = static_cast<double>(whole);
        return negative ? -value : value;
    }
    std::string number;
    number.reserve(exponentEnd - integerStart + 2);
    if (hasSign) {
        number += negative ? '-' : '+';
    }
    number.append(text.substr(integerStart, end - integerStart));
    if (exponentEnd > end) {
        number += 'e';
        std::size_t j = end + 1;
        if (text[j] == '-' || text[j] == kNegationSign || text[j] == '+') {
            number += text[j] == '+' ? '+' : '-';
            ++j;
        }
        number.append(text.substr(j, exponentEnd - j));
    }
    return std::strtod(number.c_str(), nullptr);
}

std::string BuiltInFunctions::FormatResult(double value) {
    // + 0.0 turns -0 (ceil(-0.5), fix(-0.5)) into 0.
    return FormatDouble(kResultFormat, value + 0.0);
}

std::string BuiltInFunctions::AbsText(std::string_view valueText) {
    if (HasExponent(valueText)) {
        return FormatResult(std::fabs(ReadLeadingNumber(valueText)));
    }
    std::string text;
    for (const char c : valueText) {
        if (c != ' ' && c != '-' && c != kNegationSign) {
            text += c;
        }
    }
    return text;
}

std::string BuiltInFunctions::FixText(std::string_view valueText) {
    if (HasExponent(valueText)) {
        std::string text = FormatResult(std::trunc(ReadLeadingNumber(valueText)));
        // The text rule keeps the calculator minus; so does the numeric way.
        if (!text.empty() && text.front() == '-') {
            text.front() = kNegationSign;
        }
        return text;
    }
    return std::string(CutAt(valueText, '.'));
}

double BuiltInFunctions::Round(double x) {
    return std::floor(x + 0.5);
}

double BuiltInFunctions::Round(double x, double decimals) {
    if (decimals < 0.0) {
        // 10^d would be cut to 0; round to tens, hundreds, ... instead.
        const double step = std::pow(10.0, -decimals);
        return std::floor(x / step + 0.5) * step;
    }
    const double m = std::trunc(std::pow(10.0, decimals));
    return std::floor(x * m + 0.5) / m;
}

bool BuiltInFunctions::Gcd(double x, double y, double& result) {
    if (std::trunc(x) != x || std::trunc(y) != y) {
        return false;
    }
    double a = std::fabs(x);
    double b = std::fabs(y);
    while (b != 0.0) {
        const double r = std::fmod(a, b);
        a = b;
        b = r;
    }
    result = a;
    return true;
}

double BuiltInFunctions::Sum(std::span<const double> values) {
    double sum = 0.0;
    for (const double v : values) {
        sum += v;
    }
    return sum;
}

double BuiltInFunctions::Product(std::span<const double> values) {
    double product = 1.0;
    for (const double v : values) {
        product *= v;
    }
    return product;
}

double BuiltInFunctions::Mean(std::span<const double> values) {
    return Sum(values) / static_cast<double>(values.size());
}

double BuiltInFunctions::Median(std::span<const double> values) {
    std::vector<double> sorted(values.begin(), values.end());
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    if (n % 2 == 1) {
        return sorted[(n - 1) / 2];
    }
    return (sorted[n / 2 - 1] + sorted[n / 2]) * 0.5;
}

double BuiltInFunctions::SampleStd(std::span<const double> values) {
    // One value has no spread to estimate; it yields 0 rather than 0/0.
    if (values.size() < 2) {
        return 0.0;
    }
    return std::sqrt(SpreadNumerator(values) / static_cast<double>(values.size() - 1));
}

double BuiltInFunctions::PopulationStd(std::span<const double> values) {
    return std::sqrt(SpreadNumerator(values) / static_cast<double>(values.size()));
}

}  // namespace zyk
