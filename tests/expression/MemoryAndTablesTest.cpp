#include <gtest/gtest.h>

#include <string>

#include "EvaluatorCases.h"
#include "shell/MemorySettingsStore.h"

namespace zyk::test {
namespace {

constexpr std::string_view kSection = "User Constants";

class Memories : public ::testing::Test {
protected:
    void SetUp() override {
        m_evaluator.SetSettingsStore(&m_store);
        LoadCalculatorTables(m_evaluator);
    }

    std::optional<std::string> Entry(std::string_view digit) const {
        const auto value = m_store.Find(kSection, digit);
        if (!value || !std::holds_alternative<std::string>(*value)) {
            return std::nullopt;
        }
        return std::get<std::string>(*value);
    }

    MemorySettingsStore m_store;
    ExpressionEvaluator m_evaluator;
};

struct StoreCase {
    std::string_view text;     // UTF-8, see EvaluatorCases.h
    double result;             // the value of the whole text
    std::string_view memory;   // the memory written
    double stored;             // its new value
    std::string_view entry;    // the settings entry written
    std::string_view written;  // and its text
};

TEST_F(Memories, StoresWriteTheirEntryWithTheRightFormat) {
    const StoreCase cases[] = {
        // a value followed by = and a memory: M1 keeps eleven digits, the others six
        {"2{pi}=¦M1¦", 2 * kPi, "M1", 2 * kPi, "1", "6.2831853072"},
        {"2{pi}=¦M2¦", 2 * kPi, "M2", 2 * kPi, "2", "6.28319"},
        {"1/3=¦M0¦", 1.0 / 3, "M0", 1.0 / 3, "0", "0.333333"},
        {"123456789=¦M9¦", 123456789.0, "M9", 123456789.0, "9", "1.23457e+008"},
        {"1e20=¦M1¦", 1e20, "M1", 1e20, "1", "1e+020"},
        {"−2.5=¦M3¦", -2.5, "M3", -2.5, "3", "-2.5"},
        {"(1+2)*3=¦M4¦", 9.0, "M4", 9.0, "4", "9"},
        // a memory followed by = and a term: "%g" for every memory, M1 included
        {"¦M1¦=1/3", 1.0 / 3, "M1", 1.0 / 3, "1", "0.333333"},
        {"¦M5¦=2*3", 6.0, "M5", 6.0, "5", "6"},
        {"¦M6¦=2+3", 5.0, "M6", 2.0, "6", "2"},  // the store takes one term
        {"1+¦M7¦=4", 5.0, "M7", 4.0, "7", "4"},
        {"¦M8¦={pi}", kPi, "M8", kPi, "8", "3.14159"},
        {"¦M2¦=.5", 0.5, "M2", 0.5, "2", "0.5"},
    };
    for (const auto& c : cases) {
        double value = 0.0;
        ASSERT_TRUE(m_evaluator.Evaluate(Bytes(c.text), value))
            << c.text << ": " << m_evaluator.ErrorText();
        EXPECT_TRUE(Close(value, c.result)) << c.text << " gave " << value;
        EXPECT_TRUE(Close(m_evaluator.Memory(c.memory).value_or(-1.0), c.stored)) << c.text;
        EXPECT_EQ(Entry(c.entry), std::string(c.written)) << c.text;
    }
}

TEST_F(Memories, StoredValuesAreReadBack) {
    double value = 0.0;
    ASSERT_TRUE(m_evaluator.Evaluate(Bytes("7=¦M3¦"), value));
    ASSERT_TRUE(m_evaluator.Evaluate(Bytes("2¦M3¦+¦M3¦²"), value));
    EXPECT_DOUBLE_EQ(value, 63.0);
}

TEST_F(Memories, StoringGoesOnAfterTheMemoryName) {
    double value = 0.0;
    ASSERT_TRUE(m_evaluator.Evaluate(Bytes("5=¦M3¦=¦M4¦"), value));
    EXPECT_EQ(Entry("3"), "5");
    EXPECT_EQ(Entry("4"), "5");
    ASSERT_TRUE(m_evaluator.Evaluate(Bytes("5=¦M3¦¤1"), value));
    EXPECT_DOUBLE_EQ(value, 4.0);
}

TEST_F(Memories, FaultyStoresWriteNothing) {
    const Case cases[] = {
        Err("5=", "[ ¦Mx¦ ]   Syn Error"),
        Err("5=ab", "[ ¦Mx¦ ]   Syn Error"),
        Err("5=¦Mx¦", "[ ¦Mx¦  No valid number ]  Syn Error"),
        Err("¦Mx¦=5", "[ ¦Mx¦=num ]   Syn Error"),
        Err("¦M12¦=5", "[ ¦Mx¦=num ]   Syn Error"),
        Err("¦M5¦=", "[ ¦Mx¦=n ]   Syn Error"),
        Err("¦M5¦=·sin30", "[ ¦Mx¦=n ]   Syn Error"),
        Err("¦M5¦=−3", "[ ¦Mx¦=n ]   Syn Error"),
        Err("¦M5¦=1/0", "[ / ]   Can't divide with zero"),
        Err("1/0=¦M5¦", "[ / ]   Can't divide with zero"),
        Err("¦Q1¦", "Memory has no value!"),
        Err("¦M1¦A", "Ma  ERROR", kHex),
    };
    ExpectCases(m_evaluator, cases);
    EXPECT_EQ(m_store.WriteCount(), 0u);
    EXPECT_EQ(m_evaluator.Memory("M5"), 0.0);
}

TEST(MemoryTable, SuffixStoreNeedsAnExistingMemoryPrefixStoreAddsOne) {
    MemorySettingsStore store;
    ExpressionEvaluator evaluator(&store);
    double value = 0.0;
    EXPECT_FALSE(evaluator.Evaluate(Bytes("5=¦M3¦"), value));
    EXPECT_EQ(evaluator.ErrorText(), "Memory not found!");
    EXPECT_EQ(store.WriteCount(), 0u);

    EXPECT_TRUE(evaluator.Evaluate(Bytes("¦M3¦=5"), value));
    EXPECT_EQ(evaluator.Memory("M3"), 5.0);
    EXPECT_TRUE(evaluator.Evaluate(Bytes("2=¦M3¦"), value));
    EXPECT_EQ(evaluator.Memory("M3"), 2.0);
}

TEST(MemoryTable, WithoutAStoreMemoriesStillChange) {
    ExpressionEvaluator evaluator;
    evaluator.SetMemory("M0", 1.0);
    double value = 0.0;
    ASSERT_TRUE(evaluator.Evaluate(Bytes("9=¦M0¦"), value));
    EXPECT_EQ(evaluator.Memory("M0"), 9.0);
}

TEST(MemoryTable, SettingAMemoryReplacesItsValue) {
    ExpressionEvaluator evaluator;
    evaluator.SetMemory("M1", 1.0);
    evaluator.SetMemory("M2", 2.0);
    evaluator.SetMemory("M1", 3.0);
    EXPECT_EQ(evaluator.Memory("M1"), 3.0);
    EXPECT_EQ(evaluator.Memory("M2"), 2.0);
    EXPECT_EQ(evaluator.Memory("M3"), std::nullopt);
}

TEST(VariableTable, NamesAndValuesAreIndexAligned) {
    ExpressionEvaluator evaluator;
    evaluator.AddVariable("x");
    evaluator.AddVariable("r");
    evaluator.SetVariableValue(0, 3.0);
    evaluator.SetVariableValue(1, 2.0);
    EXPECT_EQ(evaluator.VariableCount(), 2);
    EXPECT_EQ(evaluator.VariableName(1), "r");
    EXPECT_EQ(evaluator.VariableName(2), "");
    EXPECT_EQ(evaluator.VariableValue(5), 0.0);
    EXPECT_EQ(evaluator.VariableName(-1), "");

    const Case cases[] = {
        Ok("[x]", 3.0),
        Ok("2[x][r]", 12.0),
        Ok("[x]^[r]", 9.0),
        Ok("·sqrt[x][x]", 3.0),
        Err("[q]", "Varible has no value?"),
        Err("[X]", "Varible has no value?"),  // names are case-sensitive
        Err("[x]A", "Ma  ERROR", kHex),
    };
    ExpectCases(evaluator, cases);

    evaluator.ClearVariables();
    EXPECT_EQ(evaluator.VariableCount(), 0);
    ExpectCase(evaluator, Err("[x]", "Varible has no value?"));
}

TEST(VariableTable, ANameWithoutAValueReadsZero) {
    ExpressionEvaluator evaluator;
    evaluator.AddVariable("a");
    evaluator.AddVariable("b");
    evaluator.SetVariableValue(0, 4.0);
    ExpectCase(evaluator, Ok("[a]+[b]", 4.0));
    evaluator.SetVariableValue(3, 1.0);  // grows the value array
    EXPECT_EQ(evaluator.VariableValue(3), 1.0);
    EXPECT_EQ(evaluator.VariableValue(2), 0.0);
}

TEST(ConstantTable, SetByNameReplacesOrAppends) {
    ExpressionEvaluator evaluator;
    LoadCalculatorTables(evaluator);
    EXPECT_EQ(evaluator.ConstantCount(), 13);
    evaluator.SetConstant("pi", 3.0);
    EXPECT_EQ(evaluator.ConstantCount(), 13);
    evaluator.SetConstant("q_e", 2.0);
    EXPECT_EQ(evaluator.ConstantCount(), 14);

    const Case cases[] = {
        Ok("{pi}", 3.0),
        Ok("2{q_e}", 4.0),
        Ok("{e_0}", 8.85418781762039e-12),
        Ok("{N_A}", 6.02214199e23),
        Err("{xyz}", "Constant has no value!"),
        Err("{PI}", "Constant has no value!"),
        Err("{}", "Constant has no value!"),
        Err("{g}A", "Ma  ERROR", kHex),
    };
    ExpectCases(evaluator, cases);
}

}  // namespace
}  // namespace zyk::test
