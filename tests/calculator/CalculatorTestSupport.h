#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "calculator/Calculator.h"
#include "calculator/KeyScript.h"
#include "calculator/ScriptMessages.h"
#include "charset/Windows1252.h"
#include "program/ProgramHost.h"
#include "shell/MemorySettingsStore.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

namespace zyk::test {

// Test texts are UTF-8 with the calculator's own characters ("·sin", "−5" for the negation
// sign, "X²", "¦M3¦", "ƒ=2x+1"); the core works on their Windows-1252 bytes.
inline std::string Bytes(std::string_view utf8) {
    auto bytes = windows1252::FromUtf8(utf8);
    EXPECT_TRUE(bytes.has_value()) << utf8;
    return bytes.value_or(std::string());
}

inline std::string Utf8(std::string_view bytes) {
    return windows1252::ToUtf8(bytes);
}

// Counts what the calculator hands to the interpreter.
class FakeHost : public ProgramHost {
public:
    void Run() override { ++runs; }
    bool IsWaiting() const override { return waiting; }
    bool HasEnded() const override { return ended; }
    void Reset() override { ++resets; }
    bool IsComputing() const override { return computing; }
    void Break() override {
        ++breaks;
        computing = false;
    }

    int runs = 0;
    int resets = 0;
    int breaks = 0;
    bool waiting = false;
    bool ended = false;
    bool computing = false;
};

// A calculator over an in-memory store and a temporary data folder, pressed with the key names
// of zykcalc --keys.
class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override { Restart(); }

    // A new calculator over the same store and folder, as after a restart.
    void Restart() {
        m_calculator.reset();
        m_calculator = std::make_unique<Calculator>(m_store, m_script, m_folder);
    }

    Calculator& Calc() { return *m_calculator; }

    void Press(std::string_view keys) {
        const ParsedKeyScript parsed = ParseKeyScript(Bytes(keys));
        ASSERT_EQ(parsed.error, "") << keys;
        EXPECT_EQ(RunKeyScript(*m_calculator, parsed.keys, m_script), "") << keys;
    }

    std::string Expression() const { return Utf8(m_calculator->ExpressionText()); }
    std::string Result() const { return Utf8(m_calculator->ResultText()); }

    // One row: keys pressed on a fresh calculator, then both display lines.
    struct KeyCase {
        const char* keys;
        const char* expression;
        const char* result;
    };

    void ExpectKeyCases(std::initializer_list<KeyCase> cases) {
        for (const auto& row : cases) {
            Restart();
            Press(row.keys);
            EXPECT_EQ(Expression(), row.expression) << "keys: " << row.keys;
            EXPECT_EQ(Result(), row.result) << "keys: " << row.keys;
        }
    }

    TempFolder m_temp;
    const std::filesystem::path m_folder = m_temp.Path();
    MemorySettingsStore m_store;
    RecordingMessages m_messages;
    ScriptMessages m_script{m_messages};
    std::unique_ptr<Calculator> m_calculator;
};

}  // namespace zyk::test
