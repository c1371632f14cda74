#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

// The converter's unit table: the 54 positions of the from list in their order (units, group
// headers and "None"), with the to-list texts, the unit marks shown after a number and the two
// stored factors of each unit. The converter, its window and the console all read this one table.
// Texts are Windows-1252 bytes: 0xB2 is the square sign and 0xB0 the degree sign, written in octal
// (\260) where a letter follows, since a hex escape would swallow the letter.
namespace zyk {

enum class UnitGroup { Temperature, Length, Velocity, Pressure, Energy, Area, Time };

inline constexpr std::array<std::string_view, 7> kUnitGroupNames = {
    "Temperature", "Length", "Velocity", "Pressure", "Energy", "Area", "Time",
};

constexpr std::string_view UnitGroupName(UnitGroup group) {
    return kUnitGroupNames[static_cast<std::size_t>(group)];
}

enum class UnitPositionKind { None, Header, Unit };

struct UnitPosition {
    std::string_view fromText;
    UnitPositionKind kind;
    UnitGroup group;  // of a unit, or the group a header heads
    std::string_view toText;
    std::string_view mark;
    // A value in this unit times toBase[0], then times toBase[1], is a value in the group's base
    // unit; a base value times fromBase[0], then fromBase[1], is a value in this unit. Only
    // Miles/h has a second factor other than 1.
    std::array<double, 2> toBase;
    std::array<double, 2> fromBase;
};

namespace unit_table_detail {

constexpr UnitPosition None(std::string_view text) {
    return {text, UnitPositionKind::None, UnitGroup::Temperature, {}, {}, {1.0, 1.0}, {1.0, 1.0}};
}
constexpr UnitPosition Header(std::string_view text, UnitGroup group) {
    return {text, UnitPositionKind::Header, group, {}, {}, {1.0, 1.0}, {1.0, 1.0}};
}
constexpr UnitPosition Unit(std::string_view text, UnitGroup group, std::string_view toText,
                            std::string_view mark, double toBase, double fromBase) {
    return {text, UnitPositionKind::Unit, group, toText, mark, {toBase, 1.0}, {fromBase, 1.0}};
}
constexpr UnitPosition TwoStepUnit(std::string_view text, UnitGroup group, std::string_view mark,
                                   std::array<double, 2> toBase, std::array<double, 2> fromBase) {
    return {text, UnitPositionKind::Unit, group, text, mark, toBase, fromBase};
}

}  // namespace unit_table_detail

// Temperatures have no factors: they go through degrees Celsius (CUnitConverter).
inline constexpr int kCelsiusPosition = 2;
inline constexpr int kKelvinPosition = 3;
inline constexpr int kFahrenheitPosition = 4;

inline constexpr std::array<UnitPosition, 54> kUnitTable = [] {
    using namespace unit_table_detail;
    using G = UnitGroup;
    return std::array<UnitPosition, 54>{{
        None("None"),
        Header(" -------- Tempeture --------", G::Temperature),
        Unit("Celsius", G::Temperature, "Celsius", " \260C", 1.0, 1.0),
        Unit("Kelvin", G::Temperature, "Kelvin", " K", 1.0, 1.0),
        Unit("Fahrenheit", G::Temperature, "Fahrenheit", " \260F", 1.0, 1.0),
        Header(" -------- Lenght units --------", G::Length),
        Unit("Meter", G::Length, "Meter", " m", 1.0, 1.0),
        Unit("Foot", G::Length, "Foot", " ft", 0.3048, 3.280839895013123),
        Unit("Inch", G::Length, "Inch", " in", 0.0254, 39.37007874015748),
        Unit("Mile", G::Length, "Mile", " mi", 1609.344, 0.0006213711922373339),
        Unit("Nautical Mile", G::Length, "Nautical mile", " Naut mi", 1852.0,
             0.0005399568034557236),
        Unit("Astronomical Unit (AU)", G::Length, "Astronomical unit (AU)", " AU", 1.4959787e11,
             6.684587153547039e-12),
        Unit("Light years", G::Length, "Light years", " ly", 9.4607e15, 1.0570042385869968e-16),
        Unit("Parsec", G::Length, "Parsec", " pc", 3.08572e16, 3.2407347393801125e-17),
        Unit("Yard", G::Length, "Yard", " yd", 0.9144, 1.0936132983377078),
        Unit("Angstrom", G::Length, "Angstrom", " A", 1e-10, 1e10),
        Header(" --------- Velocity ---------", G::Velocity),
        Unit("Meter/s", G::Velocity, "Meter/s", " m/s", 1.0, 1.0),
        Unit("Km/h", G::Velocity, "Km/h", " km/h", 0.2777777777777778, 3.6),
        TwoStepUnit("Miles/h", G::Velocity, " mi/h", {0.0002777777777777778, 1609.344},
                    {0.0006213711922373339, 3600.0}),
        // The mark of feet per second is ours to choose: the one the other marks suggest.
        Unit("Feet/s", G::Velocity, "Feet/s", " ft/s", 0.3047999902464003, 3.28084),
        Unit("Knot", G::Velocity, "Knot", " knots", 0.51444444, 1.943844509234078),
        Header(" --------- Pressure ---------", G::Pressure),
        Unit("Pascal (Pa)", G::Pressure, "Pascal (Pa)", " Pa", 1.0, 1.0),
        Unit("Atmosphere (atm)", G::Pressure, "Atmosphere (atm)", " atm", 101325.0,
             9.869232667160129e-06),
        Unit("Bar", G::Pressure, "Bar", " bar", 100000.0, 1e-05),
        Unit("Torr (mm Hg)", G::Pressure, "Torr (mm Hg)", " torr", 133.322, 0.007500637554192106),
        Unit("lbf/ft\xB2", G::Pressure, "lbf/ft\xB2", " lbf/ft\xB2", 47.8803, 0.020885416340332037),
        Unit("lbf/in\xB2", G::Pressure, "lbf/in\xB2", " lbf/in\xB2", 6894.76,
             0.0001450376807894691),
        Unit("dyn/cm\xB2", G::Pressure, "dyn/cm\xB2", " dyn/cm\xB2", 0.1, 10.0),
        Header(" ---------- Energy ----------", G::Energy),
        Unit("Joule (J)", G::Energy, "Joule (J)", " J", 1.0, 1.0),
        Unit("Btu", G::Energy, "Btu", " btu", 1054.35, 0.0009484516526770049),
        Unit("ft lb", G::Energy, "ft lb", " ft lb", 1.3558, 0.737571913261543),
        Unit("kcal (Cal - diet kilocalorie)", G::Energy, "kcal (Cal - diet kilocalorie)", " kcal",
             4184.0, 0.0002390057361376673),
        Unit("Electronvolt (eV)", G::Energy, "Electronvolt (eV)", " eV", 1.60218e-19,
             6.241495961752113e+18),
        Unit("kWh", G::Energy, "kWh", " kWh", 3600000.0, 2.7777777777777776e-07),
        Header(" ------------ Area ------------", G::Area),
        Unit("Sq meters", G::Area, "Sq meters", " m\xB2", 1.0, 1.0),
        Unit("Sq centimeters", G::Area, "Sq centimeters", " cm\xB2", 0.0001, 10000.0),
        Unit("Sq millimeters", G::Area, "Sq millimeters", " mm\xB2", 1e-06, 1000000.0),
        Unit("Sq kilometers", G::Area, "Sq kilometers", " km\xB2", 1000000.0, 1e-06),
        Unit("Sq inches", G::Area, "Sq inches", " in\xB2", 0.00064, 1562.4999999999998),
        Unit("Sq feet", G::Area, "Sq feet", " ft\xB2", 0.0929, 10.764262648008613),
        Unit("Sq yards", G::Area, "Sq yards", " yd\xB2", 0.8361, 1.196029183112068),
        Unit("Hectares", G::Area, "Hectares", " hectares", 10000.0, 0.0001),
        Unit("Acres", G::Area, "Acres", " acres", 4047.0, 0.00024709661477637757),
        Unit("Sq miles", G::Area, "Sq miles", " mi\xB2", 2589988.0, 3.8610217499077216e-07),
        Header(" ------------ Time ------------", G::Time),
        Unit("Seconds", G::Time, "Seconds", " s", 1.0, 1.0),
        Unit("Minutes", G::Time, "Minutes", " min", 60.0, 0.016666666666666666),
        Unit("Hours", G::Time, "Hours", " h", 3600.0, 0.0002777777777777778),
        Unit("Days", G::Time, "Days", " day", 86400.0, 1.1574074074074073e-05),
        Unit("Years", G::Time, "Years", " yr", 31536000.0, 3.1709791983764586e-08),
    }};
}();

inline constexpr int kUnitPositionCount = static_cast<int>(kUnitTable.size());

// Whether `position` is a unit of the table (not "None", not a header, not outside it).
bool IsUnitPosition(int position);

// The to list of a from-list position: the other units of its group in table order (positions of
// the table); empty for "None", a header or a position outside the table.
std::vector<int> ToListPositions(int fromPosition);

}  // namespace zyk
