#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/Calculator.h"
#include "calculator/KeyScript.h"
#include "calculator/ScriptMessages.h"
#include "charset/Windows1252.h"
#include "shell/MemorySettingsStore.h"
#include "statistics/Regression.h"
#include "statistics/RegressionPage.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

namespace zyk {
namespace {

using Lines = std::vector<std::string>;

// "9.5" as the keys that type it: "9 . 5".
std::string KeysFor(std::string_view number) {
    std::string keys;
    for (const char c : number) {
        keys += std::string(keys.empty() ? "" : " ") + c;
    }
    return keys;
}

Lines Utf8Lines(const Lines& bytes) {
    Lines lines;
    for (const std::string& line : bytes) {
        lines.push_back(windows1252::ToUtf8(line));
    }
    return lines;
}

TEST(Regression, DocumentedFitsPrintWithTwelveDigits) {
    const struct {
        RegressionType type;
        Lines pairs;
        Lines lines;
    } rows[] = {
        {RegressionType::Linear,
         {"1;2", "2;3", "3;5", "4;4"},
         {"Number of Data Pairs : 4", "Constant Term a : 1.5", "Constant Term b : 0.8",
          "Correlation Coefficient r : 0.8", "Formula y(x) : y = a + bx",
          "Formula x(y) : x = (y - a) / b"}},
        {RegressionType::Linear,
         {"1;2", "2;4", "3;6"},
         {"Number of Data Pairs : 3", "Constant Term a : 0", "Constant Term b : 2",
          "Correlation Coefficient r : 1", "Formula y(x) : y = a + bx",
          "Formula x(y) : x = (y - a) / b"}},
        {RegressionType::Power,
         {"1;3", "2;12", "4;48"},
         {"Number of Data Pairs : 3", "Constant Term a : 3", "Constant Term b : 2",
          "Correlation Coefficient r : 1", "Formula y(x) : y = ax^b",
          "Formula x(y) : x = ·e^((ln y - ln a) / b)"}},
        {RegressionType::Exponential,
         {"0;1", "1;2", "2;4"},
         {"Number of Data Pairs : 3", "Constant Term a : 1", "Constant Term b : 0.69314718056",
          "Correlation Coefficient r : 1", "Formula y(x) : y = a·e^bx",
          "Formula x(y) : x = (ln y - ln a) / b"}},
        // The x of a pair ends at the first ';': 1;2;9 is x 1, y 2.
        {RegressionType::Logarithmic,
         {"1;1", "1;2;9", "1;3"},
         {"Number of Data Pairs : 3", "Constant Term a : nan", "Constant Term b : nan",
          "Correlation Coefficient r : nan", "Formula y(x) : y = a + b·lnx",
          "Formula x(y) : x = ·e^((y-a)/b)"}},
        // ln of 0 and of a negative y are not trapped.
        {RegressionType::Exponential,
         {"1;0", "2;-1"},
         {"Number of Data Pairs : 2", "Constant Term a : nan", "Constant Term b : nan",
          "Correlation Coefficient r : nan", "Formula y(x) : y = a·e^bx",
          "Formula x(y) : x = (ln y - ln a) / b"}},
        // Constant y: r divides by zero.
        {RegressionType::Linear,
         {"1;5", "2;5", "3;5"},
         {"Number of Data Pairs : 3", "Constant Term a : 5", "Constant Term b : 0",
          "Correlation Coefficient r : nan", "Formula y(x) : y = a + bx",
          "Formula x(y) : x = (y - a) / b"}},
    };
    for (const auto& row : rows) {
        const auto result = CalculateRegression(row.pairs, row.type);
        ASSERT_TRUE(result.has_value()) << row.pairs.front();
        EXPECT_EQ(Utf8Lines(RegressionLines(*result, row.type)), row.lines) << row.pairs.front();
    }
}

TEST(Regression, PairWithoutSemicolonStopsTheCalculation) {
    for (const Lines& pairs : {Lines{"1;2", "3", "4;5"}, Lines{"1;2", "", "2;3"}}) {
        EXPECT_FALSE(CalculateRegression(pairs, RegressionType::Linear).has_value());
    }
}

TEST(Regression, InformationLinesNameTheModel) {
    const std::pair<RegressionType, const char*> rows[] = {
        {RegressionType::Linear, "Formula Used : y = a + bx"},
        {RegressionType::Logarithmic, "Formula Used : y = a + b·ln x"},
        {RegressionType::Exponential, "Formula Used : y = a·e^bx"},
        {RegressionType::Power, "Formula Used : y = ax^b"},
    };
    for (const auto& [type, modelLine] : rows) {
        EXPECT_EQ(Utf8Lines(InformationLines(7, type)),
                  (Lines{"Number of Data Pairs : 7", " ", modelLine}));
    }
    EXPECT_EQ(TypeNamed("POWER"), RegressionType::Power);
    EXPECT_EQ(TypeNamed("linea"), std::nullopt);
    EXPECT_EQ(TypeOfItem(1), RegressionType::Logarithmic);
    EXPECT_EQ(TypeOfItem(4), std::nullopt);
}

// Each model's two formulas, handed to a calculator with the fitted a and b: EXE asks for the
// variable, and the answer is the fitted curve's value.
TEST(Regression, EveryTemplateComputesTheFittedCurveInTheCalculator) {
    const struct {
        RegressionType type;
        Lines pairs;
        const char* x;
        const char* yLine;
        const char* y;
        const char* xLine;
    } rows[] = {
        {RegressionType::Linear, {"1;2", "2;3", "3;5", "4;4"}, "10", "y=9.5", "9.5", "x=10"},
        // clang-format off
        {RegressionType::Logarithmic, {"1;1", "2.718281828459045;3", "7.38905609893065;5"}, "1", "y=1", "3", "x=2.7182818285"},
        // clang-format on
        {RegressionType::Exponential, {"0;1", "1;2", "2;4"}, "3", "y=8", "16", "x=4"},
        {RegressionType::Power, {"1;3", "2;12", "4;48"}, "5", "y=75", "27", "x=3"},
    };
    test::TempFolder folder;
    for (const auto& row : rows) {
        RegressionPage page;
        page.SetType(row.type);
        for (const std::string& pair : row.pairs) {
            page.SetField(pair);
            ASSERT_TRUE(page.Add()) << pair;
        }
        ASSERT_TRUE(page.Calculate());
        for (const auto& [line, value, expected] :
             {std::tuple{kYOfXLine, row.x, row.yLine}, std::tuple{kXOfYLine, row.y, row.xLine}}) {
            MemorySettingsStore store;
            test::RecordingMessages recorded;
            ScriptMessages messages(recorded);
            Calculator calculator(store, messages, folder.Path());
            page.SelectResult(line);
            const auto insert = page.InsertFormula();
            ASSERT_TRUE(insert.has_value());
            calculator.InsertFormulaWithValues(insert->formula, insert->a, insert->b);
            const ParsedKeyScript keys = ParseKeyScript("EXE " + KeysFor(value) + " EXE");
            ASSERT_TRUE(keys.error.empty()) << keys.error;
            RunKeyScript(calculator, keys.keys, messages);
            EXPECT_EQ(windows1252::ToUtf8(calculator.ResultText()), expected)
                << windows1252::ToUtf8(insert->formula);
        }
    }
}

}  // namespace
}  // namespace zyk
