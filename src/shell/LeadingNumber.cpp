#include "shell/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace zyk {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// White space as the C locale's isspace knows it.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// The sign of the number's decimal order (positive: at least 1), for a number that does not fit
// a double: it tells an overflow from an underflow.
bool IsLarge(std::string_view number) {
    const std::size_t point = number.find('.');
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
            digits.remove_prefix(1);
        }
        for (const char c : digits) {
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000L);
        }
        exponent = negative ? -exponent : exponent;
    }
    const std::size_t integerDigits = point == std::string_view::npos ? mantissa.size() : point;
    const std::size_t firstNonZero = mantissa.find_first_of("123456789");
    // Places between the point and the first significant digit: positive before the point.
    const long order = firstNonZero < integerDigits
                           ? static_cast<long>(integerDigits - firstNonZero)
                           : -static_cast<long>(firstNonZero - integerDigits - 1);
    return order + exponent > 0;
}

// Where the digits of `text` begin: past the leading blanks and one sign.
struct NumberStart {
    std::size_t at = 0;
    bool negative = false;
};

NumberStart SkipBlanksAndSign(std::string_view text) {
    NumberStart start;
    while (start.at < text.size() && IsSpace(text[start.at])) {
        ++start.at;
    }
    if (start.at < text.size() && (text[start.at] == '+' || text[start.at] == '-')) {
        start.negative = text[start.at] == '-';
        ++start.at;
    }
    return start;
}

}  // namespace

double ReadLeadingNumber(std::string_view text) {
    const auto [start, negative] = SkipBlanksAndSign(text);
    const std::size_t integerEnd = SkipDigits(text, start);
    std::size_t end = integerEnd;
    bool hasDigits = integerEnd > start;
    if (end < text.size() && text[end] == '.') {
        end = SkipDigits(text, end + 1);
        hasDigits = hasDigits || end > integerEnd + 1;
    }
    if (!hasDigits) {  // "." alone, a sign alone, a word
        return 0.0;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
        }
    }
    // from_chars takes no leading '+', so the sign is applied here.
    const std::string number(text.substr(start, end - start));
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = IsLarge(number) ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

int ReadLeadingInteger(std::string_view text) {
    auto [at, negative] = SkipBlanksAndSign(text);
    // Counted in a wider type and stopped just past the range, so no digit run can overflow.
    long long value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = std::min(value * 10 + (text[at] - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    value = negative ? -value : value;
    return static_cast<int>(
        std::clamp(value, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
}

}  // namespace zyk
