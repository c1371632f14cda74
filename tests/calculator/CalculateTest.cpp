#include "CalculatorTestSupport.h"
#include "calculator/CalculatorSettings.h"

namespace zyk::test {
namespace {

class Calculate : public CalculatorTest {};

TEST_F(Calculate, AnswersInEveryFormatAndBase) {
    ExpectKeyCases({
        {"1 / 3 EXE", "", "= 0.33333333333"},
        {"mode:Scientific 1 5 0 0 EXE", "", "= 1.5e+003"},
        {"mode:Engineering 1 / 1 0 0 EXE", "", "= 10.e-003"},
        {"mode:Engineering . 0 1 EXE", "", "= 0.01"},  // read digit by digit: just above 0.01
        {"HEX (-) 1 EXE", "", "= FFFFFFFF"},
        {"BIN 1 0 0 0 0 EXE", "", "= 00010000"},
        {"sin 3 0 EXE", "", "= 0.5"},
        {"SHIFT Deg sin ( SHIFT X² / 2 ) EXE", "", "= 1"},
    });
}

TEST_F(Calculate, ErrorsKeepTheExpressionForCorrection) {
    ExpectKeyCases({
        {"1 / 0 EXE", "1/0", "[ / ]   Can't divide with zero"},
        {"( 2 + 3 EXE", "(2+3", "[ )  Missing ]   Syn ERROR"},
        {"( (-) 8 ) X^Y ( 1 / 3 ) EXE", "(−8)^(1/3)", "Ma  ERROR"},  // not a number
        {"1 / 0 EXE <", "1/0", "[ / ]   Can't divide with zero"},
        {"1 / 0 EXE < <Del 2", "120", ""},
    });
    Restart();
    Press("1 / 0 EXE");
    EXPECT_TRUE(Calc().ResultIsError());
    EXPECT_EQ(Calc().LastAnswer(), "");
    Press("<Del 4 EXE");
    EXPECT_FALSE(Calc().ResultIsError());
    EXPECT_EQ(Result(), "= 0.25");
}

TEST_F(Calculate, TheNextKeyStartsANewExpressionAndTheOldOneComesBack) {
    ExpectKeyCases({
        {"2 + 3 EXE * 2", "*2", ""},
        {"2 + 3 EXE <", "2+3", ""},
        {"2 + 3 EXE >", "2+3", ""},
        {"2 + 3 EXE Del>", "2+3", ""},
        {"2 + 3 EXE <Del <Del", "2+", ""},
        {"2 + 3 EXE 7 EXE <", "7", ""},
        {"2 + 3 EXE SHIFT EXE * 2 EXE", "", "= 10"},
        {"(-) 1 EXE SHIFT EXE SHIFT EXE", "-1-1", ""},  // the answer text as shown
        {"EXE <", "", "Result"},
        {"1 + 2 AC", "", ""},
        {"1 + 2 EXE SHIFT AC", "", ""},
        {"1 + 2 Esc", "", ""},
    });
}

TEST_F(Calculate, FormatAndDecimalsApplyFromTheNextCalculation) {
    Calc().SetMaxDecimals(3);
    Press("2 / 3 EXE");
    EXPECT_EQ(Result(), "= 0.6667");
    Calc().SetAnswerFormat(AnswerFormat::Scientific);
    Press("1 2 3 4 EXE");
    EXPECT_EQ(Result(), "= 1.234e+003");
    Calc().SetMaxDecimals(99);
    EXPECT_EQ(Calc().MaxDecimals(), 10);
}

TEST_F(Calculate, CopyAndPasteUseTheCalculatorsOwnBuffer) {
    ExpectKeyCases({
        {"4 2 EXE CopyResult Paste", "42", ""},
        {"1 + 2 CopyExpression AC Paste Paste", "1+21+2", ""},
        {"1 CopyResult Paste", "1", ""},  // an empty result line copies nothing
        {"(-) 5 EXE CopyResult 1 + Paste", "1+-5", ""},
        {"9 EXE CopyResult 1 EXE Paste", "9", ""},
    });
    Restart();
    Press("1 2 3 4 CopyExpression");
    Calc().SetSelection(1, 3);
    Press("Paste");
    EXPECT_EQ(Expression(), "112344");
    EXPECT_EQ(Calc().Caret(), 5u);
}

TEST(CalculatorSettings, AFirstStartUsesTheDefaultsAndWritesTheFolders) {
    MemorySettingsStore empty;
    const auto s = CalculatorSettings::Read(empty, "/data/zyk");
    EXPECT_EQ(s.format, AnswerFormat::Normal);
    EXPECT_EQ(s.maxDecimals, 10);
    EXPECT_EQ(s.displayFont + s.viewFont, "ArialArial");
    EXPECT_EQ(s.viewFontSize, 9);
    EXPECT_EQ(s.fontOffset, 1);
    EXPECT_EQ(empty.ReadText("Folders", "Programs", ""), "/data/zyk/Programs");
    EXPECT_EQ(empty.ReadText("Folders", "Statistical", ""), "/data/zyk/Statistical");
    EXPECT_EQ(s.statisticalFolder, "/data/zyk/Statistical");
    EXPECT_EQ(empty.WriteCount(), 2u);  // nothing else is written
}

TEST(CalculatorSettings, StoredValuesAreReadAndFoldersKept) {
    MemorySettingsStore store;
    store.WriteInt("Display", "Format", 503);
    store.WriteText("View", "FontSize", "12pt");
    store.WriteInt("Settings", "Top", -20);
    store.WriteText("Folders", "Programs", "/home/me/basic");
    const auto s = CalculatorSettings::Read(store, "/data/zyk");
    EXPECT_EQ(s.format, AnswerFormat::Engineering);
    EXPECT_EQ(s.viewFontSize, 12);
    EXPECT_EQ(s.top, -20);
    EXPECT_EQ(s.programsFolder, "/home/me/basic");
    EXPECT_EQ(store.ReadText("Folders", "Programs", ""), "/home/me/basic");
}

TEST(CalculatorSettings, HandEditedValuesOutOfRangeFallBackToTheDefaults) {
    const std::tuple<int, int, AnswerFormat, int> cases[] = {
        {501, 0, AnswerFormat::Normal, 0},      {502, 15, AnswerFormat::Scientific, 15},
        {503, 7, AnswerFormat::Engineering, 7}, {500, -1, AnswerFormat::Normal, 10},
        {504, 16, AnswerFormat::Normal, 10},    {-502, -2147483647, AnswerFormat::Normal, 10},
    };
    for (const auto& [format, decimals, expectedFormat, expectedDecimals] : cases) {
        MemorySettingsStore store;
        store.WriteInt("Display", "Format", format);
        store.WriteInt("Display", "Decimals", decimals);
        const auto s = CalculatorSettings::Read(store, "/tmp");
        EXPECT_EQ(s.format, expectedFormat) << format;
        EXPECT_EQ(s.maxDecimals, expectedDecimals) << decimals;
    }
}

class Settings : public CalculatorTest {};

TEST_F(Settings, TheCalculatorAnswersWithTheStoredFormatAndDecimals) {
    m_store.WriteInt("Display", "Format", 502);
    m_store.WriteInt("Display", "Decimals", 3);
    Restart();
    Press("2 / 3 EXE");
    EXPECT_EQ(Result(), "= 6.6667e-001");
    m_store.WriteInt("Display", "Format", 777);
    m_store.WriteInt("Display", "Decimals", 40);
    Restart();
    Press("2 / 3 EXE");
    EXPECT_EQ(Result(), "= 0.66666666667");
}

TEST_F(Settings, MemoriesLoadFromTheirEntriesWithAtofRules) {
    const std::pair<const char*, const char*> stored[] = {
        {"0", "1.5"}, {"3", "2.5"},   {"7", "1e3"}, {"9", "-4"},
        {"1", "abc"}, {"2", "12xyz"}, {"5", " 6"},  // "4", "6" and "8" are absent
    };
    for (const auto& [entry, text] : stored) {
        m_store.WriteText("User Constants", entry, text);
    }
    Restart();
    const char* expected[] = {"1.5", "0", "12", "2.5", "0", "6", "0", "1000", "0", "-4"};
    for (int digit = 0; digit <= 9; ++digit) {
        Press("AC mem:" + std::to_string(digit) + " EXE");
        EXPECT_EQ(Result(), "= " + std::string(expected[digit])) << "M" << digit;
    }
}

}  // namespace
}  // namespace zyk::test
