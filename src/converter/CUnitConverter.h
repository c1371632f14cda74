#pragma once

#include <string>
#include <string_view>

namespace zyk {

// Converts a typed value from one unit of the table to another of the same group.
class CUnitConverter {
public:
    static constexpr int kStatusNormal = 0;
    static constexpr int kStatusBelowAbsoluteZero = 2;

    // Reads `valueText` as atof does (a text that reads as 0 without beginning with "0" is not a
    // valid number), converts it from the unit at table position `fromPosition` to the unit at
    // position `toListPosition` of that unit's to list, and returns the result with seven
    // significant digits, or an error text beginning with "#".
    std::string Convert(std::string_view valueText, int fromPosition, int toListPosition);

    // Of the last conversion: its positions, status, result and the unit marks (the marks are
    // those of a conversion that went through; empty before one did).
    int FromPosition() const { return m_fromPosition; }
    int ToListPosition() const { return m_toListPosition; }
    int Status() const { return m_status; }
    double Result() const { return m_result; }
    std::string_view FromMark() const { return m_fromMark; }
    std::string_view ToMark() const { return m_toMark; }

private:
    double ConvertTemperature(double value, int toPosition);

    int m_fromPosition = -1;
    int m_toListPosition = -1;
    int m_status = kStatusNormal;
    double m_result = 0.0;
    std::string_view m_fromMark;
    std::string_view m_toMark;
};

}  // namespace zyk
