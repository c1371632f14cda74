#include <cmath>
#include <vector>

#include "EvaluatorCases.h"

namespace zyk::test {
namespace {

class Memories : public CalculatorEvaluator {
protected:
    std::string Entry(char digit) const {
        return m_store.ReadText("User Constants", std::string(1, digit), "(none)");
    }
};

TEST_F(Memories, StoresWriteTheirEntryWithTheRightFormat) {
    struct StoreCase {
        std::string_view text;
        double result;  // the value of the whole text
        char digit;     // memory M<digit> and entry "<digit>" are written
        double stored;
        std::string_view entry;
    };
    const StoreCase cases[] = {
        // value = memory: M1 keeps eleven digits, every other memory six
        {"2{pi}=¦M1¦", 2 * kPi, '1', 2 * kPi, "6.2831853072"},
        {"2{pi}=¦M2¦", 2 * kPi, '2', 2 * kPi, "6.28319"},
        {"1/3=¦M0¦", 1.0 / 3, '0', 1.0 / 3, "0.333333"},
        {"123456789=¦M9¦", 123456789.0, '9', 123456789.0, "1.23457e+008"},
        {"1e20=¦M1¦", 1e20, '1', 1e20, "1e+020"},
        {"−2.5=¦M3¦", -2.5, '3', -2.5, "-2.5"},
        {"(1+2)*3=¦M4¦", 9.0, '4', 9.0, "9"},
        // memory = term: "%g" for every memory, M1 included; the store takes one term
        {"¦M1¦=1/3", 1.0 / 3, '1', 1.0 / 3, "0.333333"},
        {"¦M6¦=2+3", 5.0, '6', 2.0, "2"},
        {"1+¦M7¦=4", 5.0, '7', 4.0, "4"},
        {"¦M8¦={pi}", kPi, '8', kPi, "3.14159"},
    };
    for (const auto& c : cases) {
        double value = 0.0;
        ASSERT_TRUE(m_evaluator.Evaluate(Bytes(c.text), value)) << c.text;
        EXPECT_TRUE(Close(value, c.result)) << c.text << " gave " << value;
        const auto stored = m_evaluator.Memory(std::string{'M', c.digit});
        EXPECT_TRUE(stored && Close(*stored, c.stored)) << c.text;
        EXPECT_EQ(Entry(c.digit), c.entry) << c.text;
    }
}

TEST_F(Memories, StoredValuesAreReadBackAndStoringGoesOn) {
    // After a store the cursor moves past the memory name and the line goes on.
    ExpectValues(m_evaluator, {Is("7=¦M3¦", 7.0), Is("2¦M3¦+¦M3¦²", 63.0), Is("5=¦M3¦=¦M4¦", 5.0),
                               Is("5=¦M3¦¤1", 4.0)});
    EXPECT_EQ(Entry('4'), "5");
}

TEST_F(Memories, FaultyStoresWriteNothing) {
    ExpectErrors(m_evaluator, {{"[ ¦Mx¦ ]   Syn Error", {"5=", "5=ab"}},
                               {"[ ¦Mx¦  No valid number ]  Syn Error", {"5=¦Mx¦"}},
                               {"[ ¦Mx¦=num ]   Syn Error", {"¦Mx¦=5", "¦M12¦=5"}},
                               {"[ ¦Mx¦=n ]   Syn Error", {"¦M5¦=", "¦M5¦=·sin30", "¦M5¦=−3"}},
                               {"[ / ]   Can't divide with zero", {"¦M5¦=1/0", "1/0=¦M5¦"}},
                               {"Memory has no value!", {"¦Q1¦"}}});
    ExpectErrors(m_evaluator, {{"Ma  ERROR", {"¦M1¦A"}}}, {kHex});
    EXPECT_EQ(m_store.WriteCount(), 0u);
}

// A value that overflowed shows "Ma  ERROR" in the window; the memory keeps its old value and
// its entry is not written, so the next start does not load an infinity.
TEST_F(Memories, OverflowedValuesAreNotStored) {
    ExpectValues(m_evaluator, {Is("4=¦M1¦", 4.0), Is("¦M2¦=5", 5.0)});
    const std::size_t writes = m_store.WriteCount();
    for (const std::string_view text :
         {"¦M1¦=8e954", "1e300*1e300=¦M1¦", "¦M2¦=(1e300*1e300)", "¦M2¦=8e954+1", "−8e954=¦M2¦"}) {
        double value = 0.0;
        m_evaluator.Evaluate(Bytes(text), value);
        EXPECT_FALSE(std::isfinite(value)) << text;
    }
    EXPECT_EQ(m_evaluator.Memory("M1"), 4.0);
    EXPECT_EQ(m_evaluator.Memory("M2"), 5.0);
    EXPECT_EQ(m_store.WriteCount(), writes);
    EXPECT_EQ(Entry('1'), "4");
}

// The evaluator only reports a store; its owner decides where the memory is kept.
TEST(MemoryTable, EveryStoreIsReportedWithItsFormatAndFaultsReportNothing) {
    ExpressionEvaluator evaluator;
    std::vector<MemoryStoreReport> reports;
    evaluator.SetMemoryStoreCallback(
        [&reports](const MemoryStoreReport& report) { reports.push_back(report); });
    // A suffix store needs the memory in the table; a prefix store adds it.
    ExpectErrors(evaluator, {{"Memory not found!", {"5=¦M3¦"}},
                             {"[ / ]   Can't divide with zero", {"¦M5¦=1/0"}}});
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(evaluator.Memory("M3"), std::nullopt);

    const struct {
        std::string_view text;
        char digit;
        double value;
        std::string_view format;
    } rows[] = {
        {"¦M3¦=5", '3', 5.0, "%g"},    {"2=¦M3¦", '3', 2.0, "%g"},
        {"¦M1¦=1/4", '1', 0.25, "%g"}, {"1/8=¦M1¦", '1', 0.125, "%.11g"},
        {"1+¦M7¦=4", '7', 4.0, "%g"},  {"9=¦M7¦", '7', 9.0, "%g"},
    };
    for (const auto& row : rows) {
        reports.clear();
        double value = 0.0;
        ASSERT_TRUE(evaluator.Evaluate(Bytes(row.text), value)) << row.text;
        ASSERT_EQ(reports.size(), 1u) << row.text;
        EXPECT_EQ(reports[0].digit, row.digit) << row.text;
        EXPECT_EQ(reports[0].value, row.value) << row.text;
        EXPECT_EQ(reports[0].format, row.format) << row.text;
    }
    EXPECT_EQ(evaluator.Memory("M4"), std::nullopt);
}

TEST(VariableAndConstantTables, NamesLookUpTheirValues) {
    MemorySettingsStore store;
    ExpressionEvaluator evaluator;
    SetUpEvaluator(evaluator, store);
    evaluator.AddVariable("x");
    evaluator.AddVariable("r");
    evaluator.AddVariable("n");  // never given a value: reads 0
    evaluator.SetVariableValue(0, 3.0);
    evaluator.SetVariableValue(1, 2.0);
    evaluator.SetConstant("pi", 3.0);   // replaces
    evaluator.SetConstant("q_e", 2.0);  // appends
    EXPECT_EQ(evaluator.VariableCount(), 3);
    EXPECT_EQ(evaluator.ConstantCount(), 14);
    EXPECT_EQ(evaluator.VariableName(3), "");
    EXPECT_EQ(evaluator.VariableValue(5), 0.0);
    ExpectValues(evaluator,
                 {Is("2[x][r]", 12.0), Is("[x]^[r]", 9.0), Is("·sqrt[x][x]", 3.0), Is("[n]+1", 1.0),
                  Is("{pi}", 3.0), Is("2{q_e}", 4.0), Is("{N_A}", 6.02214199e23)});
    ExpectErrors(evaluator, {{"Varible has no value?", {"[q]", "[X]"}},  // case-sensitive
                             {"Constant has no value!", {"{xyz}", "{PI}", "{}"}}});
    ExpectErrors(evaluator, {{"Ma  ERROR", {"[x]A", "{g}B"}}}, {kHex});
    evaluator.ClearVariables();
    EXPECT_EQ(evaluator.VariableCount(), 0);
    ExpectErrors(evaluator, {{"Varible has no value?", {"[x]"}}});
}

}  // namespace
}  // namespace zyk::test
