#include "EvaluatorCases.h"
#include "shell/MemorySettingsStore.h"

namespace zyk::test {
namespace {

class Memories : public ::testing::Test {
protected:
    void SetUp() override {
        m_evaluator.SetSettingsStore(&m_store);
        LoadCalculatorTables(m_evaluator);
    }
    std::string Entry(char digit) const {
        return m_store.ReadText("User Constants", std::string(1, digit), "(none)");
    }
    MemorySettingsStore m_store;
    ExpressionEvaluator m_evaluator;
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

TEST(MemoryTable, SuffixStoreNeedsTheMemoryPrefixStoreAddsIt) {
    MemorySettingsStore store;
    ExpressionEvaluator evaluator(&store);
    ExpectErrors(evaluator, {{"Memory not found!", {"5=¦M3¦"}}});
    EXPECT_EQ(store.WriteCount(), 0u);
    ExpectValues(evaluator, {Is("¦M3¦=5", 5.0), Is("2=¦M3¦", 2.0), Is("¦M3¦", 2.0)});
    EXPECT_EQ(evaluator.Memory("M4"), std::nullopt);
}

TEST(VariableAndConstantTables, NamesLookUpTheirValues) {
    ExpressionEvaluator evaluator;
    LoadCalculatorTables(evaluator);
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
