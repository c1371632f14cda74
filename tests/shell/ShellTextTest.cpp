#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "shell/DialogUnits.h"
#include "shell/HelpTopics.h"
#include "shell/LeadingNumber.h"
#include "shell/LinkTarget.h"
#include "shell/NumEditFilter.h"
#include "shell/ShellMessages.h"

namespace zyk {
namespace {

TEST(OpenFailureReason, CodeGivesItsText) {
    const std::pair<int, std::string> rows[] = {
        {0, "The operating system is out\nof memory or resources."},
        {26, "A sharing violation occurred. "},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {-7, "Unknown Error (-7) occurred."},
    };
    for (const auto& [code, text] : rows) {
        EXPECT_EQ(shell_text::OpenFailureReason(code), text) << code;
    }
}

TEST(HelpTopics, TopicNamesAPageInTheHelpFolder) {
    const std::pair<std::string, std::string> rows[] = {
        {"ZykCalc.chm::/Introduction.htm", "Introduction.htm"},
        {"ZykCalc.chm::/Missing.htm", "Missing.htm"},
        {"Other.chm::/Options.htm", ""},
        {"ZykCalc.chm::/", ""},
        {"ZykCalc.chm::/.htm", ""},
        {"ZykCalc.chm::/Options.html", ""},
        {"ZykCalc.chm::/../secret.htm", ""},
        {"ZykCalc.chm::/sub/Options.htm", ""},
        {"ZykCalc.chm::/C:x.htm", ""},
    };
    for (const auto& [topic, page] : rows) {
        EXPECT_EQ(HelpPageForTopic(topic), page) << topic;
    }
}

TEST(LinkTarget, TextBecomesAnOpenableLink) {
    const std::pair<std::string, std::string> rows[] = {
        {"https://example.org/zykcalc/", "https://example.org/zykcalc/"},
        {"mailto:me@example.org", "mailto:me@example.org"},
        {"  zykcalc@example.org ", "mailto:zykcalc@example.org"},
        {"www.example.org:8080/x", "http://www.example.org:8080/x"},
        {"example.org/a@b", "http://example.org/a@b"},
        {"   ", ""},
    };
    for (const auto& [text, target] : rows) {
        EXPECT_EQ(LinkTargetForText(text), target) << text;
    }
}

// The classic 6 x 13 system font: 4 units are 6 pixels across, 8 units 13 pixels down.
TEST(DialogUnits, EdgesScaleWithTheFont) {
    const struct {
        UnitRect dialog;
        DialogBaseUnits units;
        UnitRect pixels;
    } rows[] = {
        {{0, 0, 4, 8}, {6, 13}, {0, 0, 6, 13}},
        {{10, 20, 207, 114}, {6, 13}, {15, 33, 311, 185}},  // right edge 325.5 -> 326
        {{1, 1, 1, 1}, {6, 13}, {2, 2, 1, 1}},              // each edge rounded alone
        {{176, 167, 41, 14}, {8, 16}, {352, 334, 82, 28}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DialogRectToPixels(row.dialog, row.units), row.pixels) << row.dialog.x;
    }
}

TEST(DialogUnits, AverageWidthRoundsTheLetterWidth) {
    EXPECT_EQ(AverageCharWidth(26 * 6 * 2), 6);  // 312 / 26 = 12 half-widths -> 6
    EXPECT_EQ(AverageCharWidth(338), 7);         // 13 half-widths round up
    EXPECT_EQ(AverageCharWidth(0), 0);
}

TEST(NumEditFilterTest, TypedCharacters) {
    const std::pair<char, std::optional<char>> cases[] = {
        {'7', '7'},          {'e', 'e'},
        {'-', '-'},          {'.', '.'},
        {';', ';'},          {',', '.'},
        {'E', std::nullopt}, {'+', std::nullopt},
        {' ', std::nullopt}, {'\xB7', std::nullopt},
    };
    for (const auto& [typed, inserted] : cases) {
        EXPECT_EQ(FilterNumEditCharacter(typed), inserted) << typed;
    }
}

TEST(LeadingNumber, ReadsAsAtofDoesInEveryLocale) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {" \t12", 12},  {"+3", 3},     {"-4.5e2", -450},   {"1e", 1}, {"1e+", 1},
        {"2E-1x", 0.2}, {".5", 0.5},   {"5.", 5},          {"-", 0},  {"0x1A", 0},
        {"nan", 0},     {"1e-999", 0}, {"1e-310", 1e-310},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLeadingNumber(c.text), c.value) << c.text;
    }
    EXPECT_EQ(ReadLeadingNumber("1e999"), HUGE_VAL);
    EXPECT_EQ(ReadLeadingNumber("-123456789e400"), -HUGE_VAL);
    EXPECT_EQ(ReadLeadingNumber("0.000000000000000000001e330"), HUGE_VAL);
    EXPECT_EQ(ReadLeadingNumber("0.00001e-400"), 0.0);
}

TEST(LeadingNumber, IntegerReadsAsAtoiAndStaysInRange) {
    const std::pair<const char*, int> cases[] = {
        {"50", 50},
        {" -7x", -7},
        {"2.9", 2},
        {"abc", 0},
        {"+", 0},
        {"", 0},
        {"\t+12e3", 12},
        {"2147483647", INT_MAX},
        {"99999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadLeadingInteger(text), value) << text;
    }
}

}  // namespace
}  // namespace zyk
