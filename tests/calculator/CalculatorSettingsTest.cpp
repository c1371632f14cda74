#include "CalculatorTestSupport.h"
#include "calculator/CalculatorSettings.h"

namespace zyk::calculator_testing {
namespace {

class Settings : public CalculatorTest {};

TEST_F(Settings, AFirstStartUsesTheDefaultsAndWritesTheFolders) {
    MemorySettingsStore empty;
    const auto settings = CalculatorSettings::Read(empty, "/data/zyk");
    EXPECT_EQ(settings.format, AnswerFormat::Normal);
    EXPECT_EQ(settings.maxDecimals, 10);
    EXPECT_EQ(settings.displayFont, "Arial");
    EXPECT_EQ(settings.viewFont, "Arial");
    EXPECT_EQ(settings.viewFontSize, 9);
    EXPECT_EQ(settings.fontOffset, 1);
    EXPECT_EQ(settings.left, 150);
    EXPECT_EQ(settings.top, 100);
    EXPECT_EQ(settings.programsFolder, "/data/zyk/Programs");
    EXPECT_EQ(settings.statisticalFolder, "/data/zyk/Statistical");
    EXPECT_EQ(empty.ReadText("Folders", "Programs", ""), "/data/zyk/Programs");
    EXPECT_EQ(empty.ReadText("Folders", "Statistical", ""), "/data/zyk/Statistical");
    EXPECT_EQ(empty.WriteCount(), 2u);  // nothing else is written
}

TEST_F(Settings, StoredValuesAreReadAndFoldersKept) {
    MemorySettingsStore store;
    store.WriteInt("Display", "Format", 503);
    store.WriteInt("Display", "Decimals", 4);
    store.WriteText("Display", "Font", "Courier");
    store.WriteText("View", "Font", "Tahoma");
    store.WriteText("View", "FontSize", "12pt");
    store.WriteInt("View", "Font Offset", 3);
    store.WriteInt("Settings", "Left", 7);
    store.WriteInt("Settings", "Top", -20);
    store.WriteText("Folders", "Programs", "/home/me/basic");
    store.WriteText("Folders", "Statistical", "/home/me/stats");
    const std::size_t writes = store.WriteCount();
    const auto settings = CalculatorSettings::Read(store, "/data/zyk");
    EXPECT_EQ(settings.format, AnswerFormat::Engineering);
    EXPECT_EQ(settings.maxDecimals, 4);
    EXPECT_EQ(settings.displayFont, "Courier");
    EXPECT_EQ(settings.viewFont, "Tahoma");
    EXPECT_EQ(settings.viewFontSize, 12);
    EXPECT_EQ(settings.fontOffset, 3);
    EXPECT_EQ(settings.left, 7);
    EXPECT_EQ(settings.top, -20);
    EXPECT_EQ(settings.programsFolder, "/home/me/basic");
    EXPECT_EQ(settings.statisticalFolder, "/home/me/stats");
    EXPECT_EQ(store.WriteCount(), writes);
}

struct RangeCase {
    int format;
    int decimals;
    AnswerFormat expectedFormat;
    int expectedDecimals;
};

TEST_F(Settings, HandEditedValuesOutOfRangeFallBackToTheDefaults) {
    const RangeCase cases[] = {
        {501, 0, AnswerFormat::Normal, 0},
        {502, 15, AnswerFormat::Scientific, 15},
        {503, 7, AnswerFormat::Engineering, 7},
        {500, -1, AnswerFormat::Normal, 10},
        {504, 16, AnswerFormat::Normal, 10},
        {0, 1000, AnswerFormat::Normal, 10},
        {-502, -2147483647, AnswerFormat::Normal, 10},
    };
    for (const auto& row : cases) {
        MemorySettingsStore store;
        store.WriteInt("Display", "Format", row.format);
        store.WriteInt("Display", "Decimals", row.decimals);
        const auto settings = CalculatorSettings::Read(store, "/tmp");
        EXPECT_EQ(settings.format, row.expectedFormat) << row.format;
        EXPECT_EQ(settings.maxDecimals, row.expectedDecimals) << row.decimals;
    }
}

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

struct MemoryCase {
    const char* entry;
    const char* stored;  // nullptr: no entry
    const char* keys;
    const char* result;
};

TEST_F(Settings, MemoriesLoadFromTheirEntriesWithAtofRules) {
    const MemoryCase cases[] = {
        {"0", "1.5", "mem:0 EXE", "= 1.5"},  {"3", "2.5", "mem:3 * 2 EXE", "= 5"},
        {"7", "1e3", "mem:7 EXE", "= 1000"}, {"9", "-4", "mem:9 EXE", "= -4"},
        {"1", "abc", "mem:1 EXE", "= 0"},    {"2", "12xyz", "mem:2 EXE", "= 12"},
        {"5", " 6", "mem:5 EXE", "= 6"},     {"4", nullptr, "mem:4 EXE", "= 0"},
    };
    for (const auto& row : cases) {
        MemorySettingsStore store;
        if (row.stored != nullptr) {
            store.WriteText("User Constants", row.entry, row.stored);
        }
        Calculator calculator(store, m_script, m_folder);
        const ParsedKeyScript parsed = ParseKeyScript(row.keys);
        RunKeyScript(calculator, parsed.keys, m_script);
        EXPECT_EQ(Utf8(calculator.ResultText()), row.result) << row.entry << " = " << row.stored;
    }
}

TEST_F(Settings, TheWindowReadsWhatTheCalculatorRead) {
    m_store.WriteText("View", "FontSize", "14");
    Restart();
    EXPECT_EQ(Calc().Settings().viewFontSize, 14);
    EXPECT_EQ(Calc().Settings().programsFolder, (m_folder / "Programs").string());
    EXPECT_EQ(Calc().ProgramFolder(), m_folder);
}

}  // namespace
}  // namespace zyk::calculator_testing
