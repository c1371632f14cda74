#include "expression/ExpressionEvaluator.h"

#include <algorithm>

#include "expression/ExpressionMessages.h"
#include "expression/ExpressionParser.h"
#include "expression/SyntaxChecker.h"

namespace zyk {
namespace {

// The first entry of that name.
template <typename Entries>
auto Find(Entries& entries, std::string_view name) {
    return std::find_if(entries.begin(), entries.end(),
                        [name](const TableEntry& entry) { return entry.name == name; });
}

}  // namespace

ExpressionEvaluator::ExpressionEvaluator() = default;

ExpressionEvaluator::~ExpressionEvaluator() = default;

bool ExpressionEvaluator::Evaluate(std::string_view text, double& value, int startIndex) {
    m_nesting = 0;
    if (text.empty()) {
        m_errorText = expression_messages::kNoExpression;
        return false;
    }
    if (CheckSyntax(text)) {
        return false;
    }
    ExpressionParser parser(*this, text);
    value = parser.Run(startIndex < 0 ? 0 : static_cast<std::size_t>(startIndex));
    return m_errorText.empty();
}

bool ExpressionEvaluator::EvaluateGroup(std::string_view text, double& value) {
    if (text.empty()) {
        SetError(expression_messages::kNoExpression);
        return false;
    }
    if (const auto fault = SyntaxChecker::Check(text, m_numberBase); !fault.empty()) {
        SetError(fault);
        return false;
    }
    ExpressionParser parser(*this, text);
    value = parser.Run(0);
    return !HasError();
}

bool ExpressionEvaluator::CheckSyntax(std::string_view text) {
    const auto fault = SyntaxChecker::Check(text, m_numberBase);
    m_errorText = fault;
    return !fault.empty();
}

void ExpressionEvaluator::SetError(std::string_view message) {
    if (m_errorText.empty()) {
        m_errorText = message;
    }
}

void ExpressionEvaluator::AddVariable(std::string_view name) {
    m_variables.push_back(TableEntry{std::string(name), 0.0});
}

void ExpressionEvaluator::SetVariableValue(int index, double value) {
    if (index >= 0 && index < VariableCount()) {
        m_variables[static_cast<std::size_t>(index)].value = value;
    }
}

std::string ExpressionEvaluator::VariableName(int index) const {
    if (index < 0 || index >= VariableCount()) {
        return {};
    }
    return m_variables[static_cast<std::size_t>(index)].name;
}

double ExpressionEvaluator::VariableValue(int index) const {
    if (index < 0 || index >= VariableCount()) {
        return 0.0;
    }
    return m_variables[static_cast<std::size_t>(index)].value;
}

void ExpressionEvaluator::ClearVariables() {
    m_variables.clear();
}

std::optional<int> ExpressionEvaluator::FindVariable(std::string_view name) const {
    const auto found = Find(m_variables, name);
    if (found == m_variables.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - m_variables.begin());
}

void ExpressionEvaluator::SetConstant(std::string_view name, double value) {
    if (const auto found = Find(m_constants, name); found != m_constants.end()) {
        found->value = value;
        return;
    }
    m_constants.push_back(TableEntry{std::string(name), value});
}

std::optional<double> ExpressionEvaluator::Constant(std::string_view name) const {
    const auto found = Find(m_constants, name);
    return found == m_constants.end() ? std::nullopt : std::optional(found->value);
}

void ExpressionEvaluator::SetMemory(std::string_view name, double value) {
    if (const auto found = Find(m_memories, name); found != m_memories.end()) {
        m_memories.erase(found);
    }
    m_memories.push_back(TableEntry{std::string(name), value});
}

std::optional<double> ExpressionEvaluator::Memory(std::string_view name) const {
    const auto found = Find(m_memories, name);
    return found == m_memories.end() ? std::nullopt : std::optional(found->value);
}

bool ExpressionEvaluator::ReplaceMemory(std::string_view name, double value) {
    const auto found = Find(m_memories, name);
    if (found == m_memories.end()) {
        return false;
    }
    found->value = value;
    return true;
}

void ExpressionEvaluator::ReportMemoryStore(char digit, double value,
                                            std::string_view format) const {
    if (m_memoryStored) {
        m_memoryStored(MemoryStoreReport{digit, value, format});
    }
}

}  // namespace zyk
