#include "converter/CUnitConverter.h"

#include <cmath>
#include <vector>

#include "converter/ConverterMessages.h"
#include "shell/LeadingNumber.h"
#include "converter/SevenDigitFormat.h"
#include "converter/UnitTable.h"

namespace zyk {
namespace {

namespace text = converter_text;

constexpr double kAbsoluteZeroCelsius = -273.15;
constexpr double kAbsoluteZeroKelvin = 0.0;
constexpr double kAbsoluteZeroFahrenheit = -459.67;
constexpr double kKelvinOffset = 273.15;
constexpr double kFahrenheitOffset = 32.0;
constexpr double kFahrenheitToCelsius = 0.5555555555555556;
constexpr double kCelsiusToFahrenheit = 1.8;

const UnitPosition& At(int position) {
    return kUnitTable[static_cast<std::size_t>(position)];
}

}  // namespace

std::string CUnitConverter::Convert(std::string_view valueText, int fromPosition,
                                    int toListPosition) {
    m_fromPosition = fromPosition;
    m_toListPosition = toListPosition;
    m_status = kStatusNormal;
    m_result = 0.0;
    m_fromMark = {};
    m_toMark = {};

    const double value = ReadLeadingNumber(valueText);
    if (value == 0.0 && (valueText.empty() || valueText.front() != '0')) {
        return std::string(text::kInvalidNumber);
    }
    const std::vector<int> toList = ToListPositions(fromPosition);
    if (toListPosition < 0 || toListPosition >= static_cast<int>(toList.size())) {
        return std::string(text::kNoUnits);
    }
    const int toPosition = toList[static_cast<std::size_t>(toListPosition)];
    const UnitPosition& from = At(fromPosition);
    const UnitPosition& to = At(toPosition);

    if (from.group == UnitGroup::Temperature) {
        m_result = ConvertTemperature(value, toPosition);
    } else {
        const double base = value * from.toBase[0] * from.toBase[1];
        m_result = base * to.fromBase[0] * to.fromBase[1];
        m_fromMark = from.mark;
        m_toMark = to.mark;
    }
    if (m_status == kStatusBelowAbsoluteZero) {
        return std::string(text::kBelowAbsoluteZero);
    }
    if (!std::isfinite(m_result)) {
        return std::string(text::kOutOfRange);
    }
    return FormatSevenDigits(m_result);
}

// Through degrees Celsius; the limits themselves are allowed.
double CUnitConverter::ConvertTemperature(double value, int toPosition) {
    double celsius = 0.0;
    switch (m_fromPosition) {
        case kCelsiusPosition:
            if (value < kAbsoluteZeroCelsius) {
                m_status = kStatusBelowAbsoluteZero;
            }
            celsius = value;
            break;
        case kKelvinPosition:
            if (value < kAbsoluteZeroKelvin) {
                m_status = kStatusBelowAbsoluteZero;
            }
            celsius = value - kKelvinOffset;
            break;
        default:
            if (value < kAbsoluteZeroFahrenheit) {
                m_status = kStatusBelowAbsoluteZero;
            }
            celsius = (value - kFahrenheitOffset) * kFahrenheitToCelsius;
            break;
    }
    if (m_status == kStatusBelowAbsoluteZero) {
        return 0.0;
    }
    m_fromMark = At(m_fromPosition).mark;
    m_toMark = At(toPosition).mark;
    switch (toPosition) {
        case kKelvinPosition:
            return celsius + kKelvinOffset;
        case kFahrenheitPosition:
            return celsius * kCelsiusToFahrenheit + kFahrenheitOffset;
        default:
            return celsius;
    }
}

}  // namespace zyk
