#include "expression/LiteralReader.h"

#include <cstdint>

#include "expression/ExpressionCharacters.h"
#include "expression/ExpressionMessages.h"

namespace zyk {
namespace {

namespace msg = expression_messages;
using characters::IsDigit;
using characters::IsHexDigit;
using characters::IsHexLetter;

constexpr std::size_t kMaxHexDigits = 8;
constexpr std::size_t kMaxBinaryDigits = 32;

double AsSigned32(std::uint32_t pattern) {
    return static_cast<double>(static_cast<std::int32_t>(pattern));
}

char At(std::string_view text, std::size_t index) {
    return index < text.size() ? text[index] : '\0';
}

}  // namespace

LiteralResult LiteralReader::ReadDecimal(std::string_view text, std::size_t start) {
    LiteralResult result;
    std::size_t i = start;
    double value = 0.0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10.0 + (text[i] - '0');
    }
    if (IsHexLetter(At(text, i))) {
        result.error = msg::kDecimalHexMisplaced;
        result.end = i;
        return result;
    }
    if (At(text, i) == '.') {
        ++i;
        double scale = 1.0;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            scale *= 0.1;
            value += (text[i] - '0') * scale;
        }
    }
    result.value = value;
    result.end = i;
    return result;
}

LiteralResult LiteralReader::ReadDecimalInteger(std::string_view text, std::size_t start,
                                                bool decimalBase) {
    LiteralResult result;
    std::size_t i = start;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        result.value = result.value * 10.0 + (text[i] - '0');
    }
    result.end = i;
    if (!decimalBase && At(text, i) == '.') {
        result.error = msg::kPointNotDecimal;
    }
    return result;
}

LiteralResult LiteralReader::ReadHexadecimal(std::string_view text, std::size_t start) {
    LiteralResult result;
    std::size_t i = start;
    std::uint32_t pattern = 0;
    for (; i < text.size() && IsHexDigit(text[i]); ++i) {
        const char c = text[i];
        const std::uint32_t digit = IsDigit(c) ? c - '0' : c - 'A' + 10;
        pattern = (pattern << 4) | digit;  // only the last eight digits count; more is refused
    }
    result.end = i;
    const std::size_t count = i - start;
    if (count == 0) {
        result.error = msg::kNoHex;
    } else if (count > kMaxHexDigits) {
        result.error = msg::kHexTooBig;
    } else if (At(text, i) == '.') {
        result.error = msg::kPointAfterLiteral;
    } else {
        result.value = AsSigned32(pattern);
    }
    return result;
}

LiteralResult LiteralReader::ReadBinary(std::string_view text, std::size_t start) {
    LiteralResult result;
    std::size_t i = start;
    std::uint32_t pattern = 0;
    for (; i < text.size() && (text[i] == '0' || text[i] == '1'); ++i) {
        pattern = (pattern << 1) | static_cast<std::uint32_t>(text[i] - '0');
    }
    result.end = i;
    const std::size_t count = i - start;
    if (count == 0) {
        result.error = msg::kNoBin;
    } else if (count > kMaxBinaryDigits) {
        result.error = msg::kBinTooBig;
    } else if (At(text, i) == '.') {
        result.error = msg::kPointAfterLiteral;
    } else {
        result.value = AsSigned32(pattern);
    }
    return result;
}

}  // namespace zyk
