#include "expression/NumberFormat.h"

#include <cctype>
#include <cstdio>

namespace zyk {

std::string WidenExponent(std::string text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if ((text[i] != 'e' && text[i] != 'E') || (text[i + 1] != '+' && text[i + 1] != '-')) {
            continue;
        }
        // Only an exponent that follows a digit or a point of the mantissa.
        if (i == 0 ||
            !(std::isdigit(static_cast<unsigned char>(text[i - 1])) || text[i - 1] == '.')) {
            continue;
        }
        std::size_t digitsStart = i + 2;
        std::size_t digitsEnd = digitsStart;
        while (digitsEnd < text.size() &&
               std::isdigit(static_cast<unsigned char>(text[digitsEnd]))) {
            ++digitsEnd;
        }
        const std::size_t count = digitsEnd - digitsStart;
        if (count > 0 && count < 3) {
            text.insert(digitsStart, 3 - count, '0');
        }
        i = digitsStart;
    }
    return text;
}

std::string FormatDouble(std::string_view format, double value) {
    const std::string fmt(format);
    char buffer[512];
    const int written = std::snprintf(buffer, sizeof buffer, fmt.c_str(), value);
    if (written < 0) {
        return {};
    }
    if (static_cast<std::size_t>(written) < sizeof buffer) {
        return WidenExponent(std::string(buffer, static_cast<std::size_t>(written)));
    }
    std::string big(static_cast<std::size_t>(written) + 1, '\0');
    std::snprintf(big.data(), big.size(), fmt.c_str(), value);
    big.resize(static_cast<std::size_t>(written));
    return WidenExponent(std::move(big));
}

std::string FormatGeneral(double value, int precision) {
    return FormatDouble("%." + std::to_string(precision) + "g", value);
}

std::string FormatExponent(double value, int precision) {
    return FormatDouble("%." + std::to_string(precision) + "e", value);
}

}  // namespace zyk
