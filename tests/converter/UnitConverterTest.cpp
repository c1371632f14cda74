#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "converter/ConverterPanel.h"
#include "converter/SevenDigitFormat.h"
#include "converter/UnitLookup.h"
#include "converter/UnitTable.h"

namespace zyk {
namespace {

using Lines = std::vector<std::string>;

const std::string kInvalid = "Error!  Error!   Enter a valid number ...";
const std::string kBelowZero = "Error!  Error!   The value is below the absolute zero...";
const std::string kOutOfRange = "Error!  Error!   The result is out of range...";

int PositionOf(const std::string& fromText) {
    for (int position = 0; position < kUnitPositionCount; ++position) {
        if (kUnitTable[static_cast<std::size_t>(position)].fromText == fromText) {
            return position;
        }
    }
    ADD_FAILURE() << "no position " << fromText;
    return 0;
}

// Picks the units in the panel as the user does in the two lists.
void ChooseUnits(ConverterPanel& panel, const std::string& from, const std::string& to) {
    panel.SelectFrom(PositionOf(from));
    const auto texts = panel.ToListTexts();
    const auto found = std::find(texts.begin(), texts.end(), to);
    ASSERT_NE(found, texts.end()) << from << " offers no " << to;
    panel.SelectTo(static_cast<int>(found - texts.begin()));
}

// The value as typed, the from-list text, the to-list text, the line the results list ends with.
struct ConversionCase {
    std::string value;
    std::string from;
    std::string to;
    std::string lastLine;
};

void ExpectLastLines(const std::vector<ConversionCase>& cases) {
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(c.value + " " + c.from + " -> " + c.to);
        ConverterPanel panel;
        ChooseUnits(panel, c.from, c.to);
        const bool converted = panel.Convert(c.value);
        ASSERT_EQ(panel.ResultLines().size(), 3u);
        EXPECT_EQ(panel.ResultLines().back(), c.lastLine);
        EXPECT_EQ(converted, c.lastLine.rfind("Error!", 0) != 0);
        EXPECT_EQ(panel.IsInsertEnabled(), converted);
    }
}

TEST(UnitConverterTest, DocumentedConversions) {
    ExpectLastLines({
        {"100", "Celsius", "Fahrenheit", "  100 \260C = 212. \260F"},
        {"1", "Meter", "Foot", "  1 m = 3.28084 ft"},
        {"1", "Inch", "Meter", "  1 in = 2.54e-002 m"},
        {"0", "Kelvin", "Celsius", "  0 K = -273.15 \260C"},
        {"-1", "Kelvin", "Celsius", kBelowZero},
        {"1", "Sq inches", "Sq meters", "  1 in\xB2 = 6.4e-004 m\xB2"},
    });
}

TEST(UnitConverterTest, TemperatureLimitsAreAllowedAndBelowThemRefused) {
    ExpectLastLines({
        {"-273.15", "Celsius", "Kelvin", "  -273.15 \260C = 0. K"},
        {"-273.16", "Celsius", "Kelvin", kBelowZero},
        {"-459.67", "Fahrenheit", "Celsius", "  -459.67 \260F = -273.15 \260C"},
        {"-459.68", "Fahrenheit", "Kelvin", kBelowZero},
        {"-0.001", "Kelvin", "Fahrenheit", kBelowZero},
        {"-1e999", "Kelvin", "Celsius", kBelowZero},
        {"300", "Kelvin", "Fahrenheit", "  300 K = 80.33 \260F"},
        {"-40", "Celsius", "Fahrenheit", "  -40 \260C = -40. \260F"},
        {"98.6", "Fahrenheit", "Kelvin", "  98.6 \260F = 310.15 K"},
    });
}

// atof reading: a text that reads as 0 must begin with "0"; the value is shown as typed.
TEST(UnitConverterTest, ValueTexts) {
    ExpectLastLines({
        {"abc", "Meter", "Foot", kInvalid},
        {"-0", "Meter", "Foot", kInvalid},
        {" 0", "Meter", "Foot", kInvalid},
        {".", "Meter", "Foot", kInvalid},
        {"inf", "Meter", "Foot", kInvalid},
        {"0", "Meter", "Foot", "  0 m = 0. ft"},
        {"0abc", "Meter", "Foot", "  0abc m = 0. ft"},
        {"5 apples", "Meter", "Foot", "  5 apples m = 16.4042 ft"},
        {" 2", "Meter", "Foot", "   2 m = 6.56168 ft"},
        {"1,5", "Meter", "Foot", "  1,5 m = 3.28084 ft"},
        {"1.5E3", "Meter", "Foot", "  1.5E3 m = 4921.26 ft"},
    });
}

TEST(UnitConverterTest, EveryGroup) {
    ExpectLastLines({
        {"2", "Mile", "Nautical mile", "  2 mi = 1.737952 Naut mi"},
        {"1", "Parsec", "Light years", "  1 pc = 3.261619 ly"},
        {"1", "Astronomical Unit (AU)", "Angstrom", "  1 AU = 1.495979e+021 A"},
        {"-5", "Yard", "Inch", "  -5 yd = -180. in"},
        {"60", "Miles/h", "Km/h", "  60 mi/h = 96.56064 km/h"},
        {"100", "Km/h", "Miles/h", "  100 km/h = 62.13712 mi/h"},
        {"10", "Feet/s", "Meter/s", "  10 ft/s = 3.048 m/s"},
        {"1", "Knot", "Feet/s", "  1 knots = 1.68781 ft/s"},
        {"1", "Atmosphere (atm)", "Pascal (Pa)", "  1 atm = 101325. Pa"},
        {"760", "Torr (mm Hg)", "Atmosphere (atm)", "  760 torr = 0.9999972 atm"},
        {"1", "lbf/in\xB2", "Bar", "  1 lbf/in\xB2 = 6.89476e-002 bar"},
        {"1", "Bar", "dyn/cm\xB2", "  1 bar = 1000000 dyn/cm\xB2"},
        {"1", "kWh", "Joule (J)", "  1 kWh = 3600000 J"},
        {"1", "kcal (Cal - diet kilocalorie)", "Btu", "  1 kcal = 3.968322 btu"},
        {"1", "Electronvolt (eV)", "ft lb", "  1 eV = 1.181723e-019 ft lb"},
        {"1", "Hectares", "Acres", "  1 hectares = 2.470966 acres"},
        {"1", "Sq miles", "Sq kilometers", "  1 mi\xB2 = 2.589988 km\xB2"},
        {"1", "Sq feet", "Sq centimeters", "  1 ft\xB2 = 929. cm\xB2"},
        {"1", "Years", "Days", "  1 yr = 365. day"},
        {"90", "Minutes", "Hours", "  90 min = 1.5 h"},
        {"-30", "Seconds", "Minutes", "  -30 s = -0.5 min"},
    });
}

TEST(UnitConverterTest, ResultsTooLargeForADoubleAreRefused) {
    ExpectLastLines({
        {"1e308", "Parsec", "Angstrom", kOutOfRange},
        {"1e999", "Meter", "Foot", kOutOfRange},
        {"-1e308", "Light years", "Inch", kOutOfRange},
        {"1e308", "Celsius", "Fahrenheit", kOutOfRange},
    });
}

TEST(UnitConverterTest, SevenSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.01234567, "1.234567e-002"},  // m = -2: exponent
        {0.1234567, "0.1234567"},       // m = -1: fixed, seven decimals
        {1234567.4, "1234567"},         // m = 6: no decimals, no point
        {12345678, "1.234568e+007"},    // m = 7: exponent
        {9999999.6, "1.e+007"},         // rounding lifts m from 6 to 7
        {0.099999999, "0.1"},           // rounding lifts m from -2 to -1
        {3, "3."},
        {0.5, "0.5"},
        {1e10, "1.e+010"},
        {1e-100, "1.e-100"},
        {1.5e-310, "1.5e-310"},
        {-0.0254, "-2.54e-002"},
        {-1234567.4, "-1234567"},
        {-0.0, "0."},
        {1.7976931348623157e308, "1.797693e+308"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSevenDigits(c.value), c.text) << c.value;
    }
}

TEST(UnitConverterTest, ToListsHoldTheOtherUnitsOfTheGroup) {
    ConverterPanel panel;
    panel.SelectFrom(PositionOf("Nautical Mile"));
    EXPECT_EQ(panel.ToListTexts(), (std::vector<std::string_view>{
                                       "Meter", "Foot", "Inch", "Mile", "Astronomical unit (AU)",
                                       "Light years", "Parsec", "Yard", "Angstrom"}));
    panel.SelectFrom(PositionOf("Kelvin"));
    EXPECT_EQ(panel.ToListTexts(), (std::vector<std::string_view>{"Celsius", "Fahrenheit"}));
    for (const char* notAUnit :
         {"None", " -------- Tempeture --------", " ------------ Time ------------"}) {
        panel.SelectFrom(PositionOf(notAUnit));
        EXPECT_TRUE(panel.ToList().empty()) << notAUnit;
        EXPECT_FALSE(panel.IsConvertEnabled()) << notAUnit;
    }
}

// Every unit's two stored factors undo each other; a mistyped digit in either breaks this.
TEST(UnitConverterTest, FactorsOfEachUnitAreReciprocal) {
    for (const UnitPosition& unit : kUnitTable) {
        if (unit.kind != UnitPositionKind::Unit || unit.group == UnitGroup::Temperature) {
            continue;
        }
        const double roundTrip =
            unit.toBase[0] * unit.toBase[1] * unit.fromBase[0] * unit.fromBase[1];
        EXPECT_NEAR(roundTrip, 1.0, 1e-7) << unit.fromText;
        // The to-list text differs in capitals at most.
        EXPECT_TRUE(std::equal(unit.toText.begin(), unit.toText.end(), unit.fromText.begin(),
                               unit.fromText.end(),
                               [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
            << unit.fromText;
    }
}

TEST(UnitConverterTest, PanelFollowsTheLists) {
    ConverterPanel panel;
    EXPECT_EQ(panel.ResultLines(), Lines{"Enter a value and units to and from:"});
    EXPECT_FALSE(panel.IsConvertEnabled());
    EXPECT_FALSE(panel.IsInsertEnabled());
    // Convert asked before the units are chosen (the window never does) refuses, no more.
    EXPECT_FALSE(panel.Convert("5"));
    EXPECT_EQ(panel.ResultLines().back(), "Error!  Error!   Choose the units to convert...");

    ChooseUnits(panel, "Celsius", "Fahrenheit");
    EXPECT_TRUE(panel.IsConvertEnabled());
    ASSERT_TRUE(panel.Convert("100"));
    EXPECT_EQ(panel.ResultLines(),
              (Lines{"Celsius  >>  Fahrenheit:", "", "  100 \260C = 212. \260F"}));
    EXPECT_EQ(panel.LastResult(), "212.");

    // A change of units asks again but keeps the last result for Insert.
    panel.SelectFrom(PositionOf("Meter"));
    EXPECT_EQ(panel.ResultLines(), Lines{"Enter a value and units to and from:"});
    EXPECT_EQ(panel.ToListPosition(), -1);
    EXPECT_FALSE(panel.IsConvertEnabled());
    EXPECT_TRUE(panel.IsInsertEnabled());
    EXPECT_EQ(panel.LastResult(), "212.");

    panel.SelectTo(0);
    EXPECT_FALSE(panel.Convert(""));
    EXPECT_EQ(panel.ResultLines(),
              (Lines{"Conversion failed!", "", "ERROR!   No value to convert!"}));
    EXPECT_FALSE(panel.IsInsertEnabled());

    // The last result of a failure has lost its "#".
    EXPECT_FALSE(panel.Convert("x"));
    EXPECT_EQ(panel.LastResult(), "Error!   Enter a valid number ...");
}

TEST(UnitConverterTest, UnitNamesForTheConsole) {
    const struct {
        const char* typed;
        std::optional<int> position;
    } cases[] = {
        {"Nautical Mile", 10},
        {"nautical mile", 10},
        {" Foot ", 7},
        {"ft", 7},
        {"FT", 7},
        {"\260C", 2},
        {"K", 3},
        {"ft lb", 33},
        {"lbf/ft\xB2", 27},
        {"ASTRONOMICAL UNIT (au)", 11},
        {"ft/s", 20},
        {"None", std::nullopt},
        {"-------- Tempeture --------", std::nullopt},
        {"", std::nullopt},
        {"Feet", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindUnitPosition(c.typed), c.position) << c.typed;
    }
}

}  // namespace
}  // namespace zyk
