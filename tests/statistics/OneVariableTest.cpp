#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "statistics/EntryAcceptance.h"
#include "statistics/OneVariableStatistics.h"
#include "statistics/StatisticFormat.h"
#include "statistics/ValueList.h"

namespace zyk {
namespace {

using Lines = std::vector<std::string>;

ValueList ListOf(const Lines& texts) {
    ValueList list;
    for (const std::string& text : texts) {
        list.Insert(text);
    }
    return list;
}

Lines TextsOf(const ValueList& list) {
    Lines texts;
    for (const ValueList::Entry& entry : list.Entries()) {
        texts.push_back(entry.text);
    }
    return texts;
}

TEST(EntryAcceptance, ValueAndPairTexts) {
    const struct {
        const char* text;
        bool value;
        bool pair;
    } rows[] = {
        {"", false, false},      {"0", true, false},      {"0.0", true, false},
        {"0.00", false, false},  {"-0", false, false},    {"+0", false, false},
        {"abc", false, false},   {"1.5", true, false},    {"1,5", true, false},
        {"-2e3", true, false},   {"10.2;30", true, true}, {"5;", true, false},
        {";5", false, false},    {"0;0.0", false, true},  {"0.00;1", false, false},
        {"1;0.00", true, false}, {"1;2;3", true, true},   {"x;1", false, false},
        {" 3;-4", true, true},   {"1;abc", true, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsAcceptedValueText(row.text), row.value) << row.text;
        EXPECT_EQ(IsAcceptedPairText(row.text), row.pair) << row.text;
    }
}

TEST(ValueList, InsertionKeepsOrderAndPutsEqualValuesFirst) {
    const struct {
        Lines inserted;
        Lines order;
    } rows[] = {
        {{"3", "1", "2"}, {"1", "2", "3"}},
        {{"5", "5.0", "5e0"}, {"5e0", "5.0", "5"}},  // each equal value before the earlier ones
        {{"5", "1,5"}, {"1,5", "5"}},                // a pasted 1,5 counts as 1
        {{"2", "abc", "-1"}, {"-1", "abc", "2"}},    // no number reads as 0
        {{"1e999", "7", "-1e999"}, {"-1e999", "7", "1e999"}},
        {{"0.5", ".5", "5e-1"}, {"5e-1", ".5", "0.5"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TextsOf(ListOf(row.inserted)), row.order) << row.inserted.front();
    }
    ValueList list = ListOf({"1", "3"});
    EXPECT_EQ(list.Insert("2", 3), 1u);
    EXPECT_EQ(list.Insert("9", 0), 5u);
    EXPECT_EQ(TextsOf(list), (Lines{"1", "2", "2", "2", "3"}));
    list.Remove(4);
    list.Remove(99);
    EXPECT_EQ(TextsOf(list), (Lines{"1", "2", "2", "2"}));
}

// Loading a file in one go must give exactly what inserting each line in turn gives.
TEST(ValueList, InsertingAllAtOnceMatchesOneByOne) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pick(0, 9);
    for (int round = 0; round < 50; ++round) {
        Lines existing;
        Lines arriving;
        for (int i = 0; i < 20; ++i) {
            // Few distinct values with several spellings, so ties are everywhere.
            const int digit = pick(random);
            const std::string spelling = (i % 3 == 0)   ? std::to_string(digit)
                                         : (i % 3 == 1) ? std::to_string(digit) + ".0"
                                                        : std::to_string(digit) + "e0";
            (pick(random) < 4 ? existing : arriving).push_back(spelling + "#" + std::to_string(i));
        }
        ValueList oneByOne = ListOf(existing);
        for (const std::string& text : arriving) {
            oneByOne.Insert(text);
        }
        ValueList atOnce = ListOf(existing);
        atOnce.InsertAll(arriving);
        ASSERT_EQ(TextsOf(atOnce), TextsOf(oneByOne)) << "round " << round;
    }
}

TEST(OneVariable, MedianTakesTheMiddleOrTheMeanOfTheTwoMiddleEntries) {
    const struct {
        Lines values;
        double median;
    } rows[] = {
        {{}, 0.0},
        {{"7"}, 7.0},
        {{"4", "1", "9"}, 4.0},
        {{"4", "1", "9", "2"}, 3.0},
        {{"1", "1", "1", "100"}, 1.0},
        {{"-3", "-1"}, -2.0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Median(ListOf(row.values)), row.median) << row.values.size();
    }
}

TEST(OneVariable, ResultLinesOfTheDocumentedCasesAndEdges) {
    const struct {
        Lines values;
        Lines lines;
    } rows[] = {
        {{"1", "2", "3", "4"},
         {"Number of Values : 4", "Sum : 10", "Square Sum : 30", "Mean Value : 2.5", "Median : 2.5",
          "Population Std Deviation : 1.118033989", "Sample Std Deviation : 1.290994449"}},
        // One value: the sample deviation divides by zero.
        {{"5"},
         {"Number of Values : 1", "Sum : 5", "Square Sum : 25", "Mean Value : 5", "Median : 5",
          "Population Std Deviation : 0", "Sample Std Deviation : nan"}},
        // An emptied list (Open, then cancel) still calculates.
        {{},
         {"Number of Values : 0", "Sum : 0", "Square Sum : 0", "Mean Value : nan", "Median : 0",
          "Population Std Deviation : nan", "Sample Std Deviation : nan"}},
        {{"1e200", "1e200"},
         {"Number of Values : 2", "Sum : 2e+200", "Square Sum : inf", "Mean Value : 1e+200",
          "Median : 1e+200", "Population Std Deviation : nan", "Sample Std Deviation : nan"}},
        {{"1e999", "1"},
         {"Number of Values : 2", "Sum : inf", "Square Sum : inf", "Mean Value : inf",
          "Median : inf", "Population Std Deviation : nan", "Sample Std Deviation : nan"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(OneVariableLines(CalculateOneVariable(ListOf(row.values))), row.lines)
            << row.values.size();
    }
}

// D slightly below zero is not clamped: the deviations are then not a number.
TEST(OneVariable, NegativeRoundingIsNotClamped) {
    const ValueList list = ListOf({"0.1", "0.1", "0.1"});
    const OneVariableResults results = CalculateOneVariable(list);
    const double d = results.squareSum - std::pow(results.sum, 2.0) / 3.0;
    ASSERT_LT(d, 0.0) << "this data must round below zero for the test to mean something";
    EXPECT_TRUE(std::isnan(results.populationDeviation));
}

TEST(StatisticFormat, NonFiniteValuesPrintTheSameEverywhere) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int digits;
        const char* text;
    } rows[] = {
        {nan, 10, "nan"},
        {-nan, 12, "nan"},
        {inf, 10, "inf"},
        {-inf, 12, "-inf"},
        {0.0, 10, "0"},
        {1e-5, 10, "1e-005"},
        {12345678901.0, 10, "1.23456789e+010"},
        {0.69314718056, 12, "0.69314718056"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FormatStatistic(row.value, row.digits), row.text) << row.text;
    }
}

}  // namespace
}  // namespace zyk
