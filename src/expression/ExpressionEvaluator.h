#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zyk {

enum class NumberBase : std::int32_t {
    Decimal = 3001,
    Hexadecimal = 3002,
    Binary = 3003,
};

// A value stored into memory M<digit> by the text, with the printf format the stored text is
// kept in ("%g"; "%.11g" for "value=¦M1¦").
struct MemoryStoreReport {
    char digit;
    double value;
    std::string_view format;
};

// One entry of the variable, constant and memory tables: a name and its value.
struct TableEntry {
    std::string name;
    double value = 0.0;
};

// Turns one expression text (a Windows-1252 byte string, see ExpressionBytes.h) into a double or an
// error text. A recursive-descent parser that computes as it walks; it builds no tree and never
// rewrites the text. Holds the variable, constant and memory tables that names in the text read.
class ExpressionEvaluator {
public:
    ExpressionEvaluator();
    ~ExpressionEvaluator();
    ExpressionEvaluator(const ExpressionEvaluator&) = delete;
    ExpressionEvaluator& operator=(const ExpressionEvaluator&) = delete;

    // Told of every memory store the text makes, so that its owner can keep the memory.
    using MemoryStoreCallback = std::function<void(const MemoryStoreReport&)>;
    void SetMemoryStoreCallback(MemoryStoreCallback callback) {
        m_memoryStored = std::move(callback);
    }

    // True when the text evaluated without error; otherwise ErrorText() holds the message.
    bool Evaluate(std::string_view text, double& value, int startIndex = 0);

    // The syntax pre-pass alone: true when a fault was found (ErrorText() holds it).
    bool CheckSyntax(std::string_view text);

    const std::string& ErrorText() const { return m_errorText; }

    NumberBase GetNumberBase() const { return m_numberBase; }
    void SetNumberBase(NumberBase base) { m_numberBase = base; }
    bool DegreeMode() const { return m_degreeMode; }
    void SetDegreeMode(bool degrees) { m_degreeMode = degrees; }

    // Variable table: names as written between [ and ], each with its value (0 until set).
    void AddVariable(std::string_view name);
    void SetVariableValue(int index, double value);  // ignored past the end
    std::string VariableName(int index) const;       // empty past the end
    double VariableValue(int index) const;           // 0.0 past the end
    int VariableCount() const { return static_cast<int>(m_variables.size()); }
    void ClearVariables();

    // Constant table: set by name (replace the value, or append name and value).
    void SetConstant(std::string_view name, double value);
    std::optional<double> Constant(std::string_view name) const;
    int ConstantCount() const { return static_cast<int>(m_constants.size()); }

    // Memory table: an existing entry of that name is removed, then name and value appended.
    void SetMemory(std::string_view name, double value);
    std::optional<double> Memory(std::string_view name) const;

private:
    friend class ExpressionParser;

    // A group's inner text: its own syntax check and evaluation, sharing tables and ErrorText.
    bool EvaluateGroup(std::string_view text, double& value);
    // First error wins: a message is kept only while ErrorText is empty.
    void SetError(std::string_view message);
    bool HasError() const { return !m_errorText.empty(); }
    // Index of the first variable of that name.
    std::optional<int> FindVariable(std::string_view name) const;
    // Replaces the value of an existing memory in place; false when there is none.
    bool ReplaceMemory(std::string_view name, double value);
    // Tells the callback, when there is one, that memory M<digit> now holds `value`.
    void ReportMemoryStore(char digit, double value, std::string_view format) const;

    MemoryStoreCallback m_memoryStored;
    NumberBase m_numberBase = NumberBase::Decimal;
    bool m_degreeMode = true;
    std::string m_errorText;
    int m_nesting = 0;  // grammar levels entered by the evaluation in progress

    std::vector<TableEntry> m_variables;
    std::vector<TableEntry> m_constants;
    std::vector<TableEntry> m_memories;
};

}  // namespace zyk
