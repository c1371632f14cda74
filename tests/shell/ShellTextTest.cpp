#include <gtest/gtest.h>

#include <string>

#include "shell/DialogUnits.h"
#include "shell/HelpTopics.h"
#include "shell/LinkTarget.h"
#include "shell/ShellMessages.h"

namespace zyk {
namespace {

struct ReasonRow {
    int code;
    std::string text;
};

class OpenFailureReasonTable : public ::testing::TestWithParam<ReasonRow> {};

TEST_P(OpenFailureReasonTable, CodeGivesItsText) {
    EXPECT_EQ(shell_text::OpenFailureReason(GetParam().code), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, OpenFailureReasonTable, ::testing::Values(
    ReasonRow{0,  "The operating system is out\nof memory or resources."},
    ReasonRow{26, "A sharing violation occurred. "},
    ReasonRow{32, "The specified dynamic-link library was not found."},
    ReasonRow{1,  "Unknown Error (1) occurred."},
    ReasonRow{-7, "Unknown Error (-7) occurred."}));
// clang-format on

struct TopicRow {
    std::string topic;
    std::string page;
};

class HelpTopicTable : public ::testing::TestWithParam<TopicRow> {};

TEST_P(HelpTopicTable, TopicNamesAPageInTheHelpFolder) {
    EXPECT_EQ(HelpPageForTopic(GetParam().topic), GetParam().page);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Topics, HelpTopicTable, ::testing::Values(
    TopicRow{"ZykCalc.chm::/Introduction.htm", "Introduction.htm"},
    TopicRow{"ZykCalc.chm::/Missing.htm",      "Missing.htm"},
    TopicRow{"Other.chm::/Options.htm",        ""},
    TopicRow{"ZykCalc.chm::/",                 ""},
    TopicRow{"ZykCalc.chm::/.htm",             ""},
    TopicRow{"ZykCalc.chm::/Options.html",     ""},
    TopicRow{"ZykCalc.chm::/../secret.htm",    ""},
    TopicRow{"ZykCalc.chm::/sub/Options.htm",  ""},
    TopicRow{"ZykCalc.chm::/C:x.htm",          ""}));
// clang-format on

struct LinkRow {
    std::string text;
    std::string target;
};

class LinkTargetTable : public ::testing::TestWithParam<LinkRow> {};

TEST_P(LinkTargetTable, TextBecomesAnOpenableLink) {
    EXPECT_EQ(LinkTargetForText(GetParam().text), GetParam().target);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, LinkTargetTable, ::testing::Values(
    LinkRow{"https://example.org/zykcalc/", "https://example.org/zykcalc/"},
    LinkRow{"mailto:me@example.org",        "mailto:me@example.org"},
    LinkRow{"  zykcalc@example.org ",       "mailto:zykcalc@example.org"},
    LinkRow{"www.example.org:8080/x",       "http://www.example.org:8080/x"},
    LinkRow{"example.org/a@b",              "http://example.org/a@b"},
    LinkRow{"   ",                          ""}));
// clang-format on

struct UnitRow {
    UnitRect dialog;
    DialogBaseUnits units;
    UnitRect pixels;
};

class DialogUnitTable : public ::testing::TestWithParam<UnitRow> {};

TEST_P(DialogUnitTable, EdgesScaleWithTheFont) {
    EXPECT_EQ(DialogRectToPixels(GetParam().dialog, GetParam().units), GetParam().pixels);
}

// The classic 6 x 13 system font: 4 units are 6 pixels across, 8 units 13 pixels down.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rects, DialogUnitTable, ::testing::Values(
    UnitRow{{0, 0, 4, 8},          {6, 13}, {0, 0, 6, 13}},
    UnitRow{{10, 20, 207, 114},    {6, 13}, {15, 33, 311, 185}},   // right edge 325.5 -> 326
    UnitRow{{1, 1, 1, 1},          {6, 13}, {2, 2, 1, 1}},         // each edge rounded alone
    UnitRow{{176, 167, 41, 14},    {8, 16}, {352, 334, 82, 28}}));
// clang-format on

TEST(DialogUnits, AverageWidthRoundsTheLetterWidth) {
    EXPECT_EQ(AverageCharWidth(26 * 6 * 2), 6);  // 312 / 26 = 12 half-widths -> 6
    EXPECT_EQ(AverageCharWidth(338), 7);         // 13 half-widths round up
    EXPECT_EQ(AverageCharWidth(0), 0);
}

}  // namespace
}  // namespace zyk
