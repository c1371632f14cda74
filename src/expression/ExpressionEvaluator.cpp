#include "expression/ExpressionEvaluator.h"

#include <algorithm>

#include "expression/ExpressionMessages.h"
#include "expression/ExpressionParser.h"
#include "expression/SyntaxChecker.h"

namespace zyk {
namespace {

template <typename Names>
std::optional<std::size_t> IndexOf(const Names& names, std::string_view name) {
    const auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - names.begin());
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
    m_variableNames.emplace_back(name);
    m_variableCount = static_cast<int>(m_variableNames.size());
}

void ExpressionEvaluator::SetVariableValue(int index, double value) {
    if (index < 0) {
        return;
    }
    const auto slot = static_cast<std::size_t>(index);
    if (slot >= m_variableValues.size()) {
        m_variableValues.resize(slot + 1, 0.0);
    }
    m_variableValues[slot] = value;
}

std::string ExpressionEvaluator::VariableName(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_variableNames.size()) {
        return {};
    }
    return m_variableNames[static_cast<std::size_t>(index)];
}

double ExpressionEvaluator::VariableValue(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_variableValues.size()) {
        return 0.0;
    }
    return m_variableValues[static_cast<std::size_t>(index)];
}

void ExpressionEvaluator::ClearVariables() {
    m_variableNames.clear();
    m_variableValues.clear();
    m_variableCount = 0;
}

std::optional<int> ExpressionEvaluator::FindVariable(std::string_view name) const {
    const auto index = IndexOf(m_variableNames, name);
    if (!index) {
        return std::nullopt;
    }
    return static_cast<int>(*index);
}

void ExpressionEvaluator::SetConstant(std::string_view name, double value) {
    if (const auto index = IndexOf(m_constantNames, name)) {
        m_constantValues[*index] = value;
        return;
    }
    m_constantNames.emplace_back(name);
    m_constantValues.push_back(value);
}

std::optional<double> ExpressionEvaluator::Constant(std::string_view name) const {
    if (const auto index = IndexOf(m_constantNames, name)) {
        return m_constantValues[*index];
    }
    return std::nullopt;
}

void ExpressionEvaluator::SetMemory(std::string_view name, double value) {
    if (const auto index = IndexOf(m_memoryNames, name)) {
        const auto offset = static_cast<std::ptrdiff_t>(*index);
        m_memoryNames.erase(m_memoryNames.begin() + offset);
        m_memoryValues.erase(m_memoryValues.begin() + offset);
    }
    m_memoryNames.emplace_back(name);
    m_memoryValues.push_back(value);
}

std::optional<double> ExpressionEvaluator::Memory(std::string_view name) const {
    if (const auto index = IndexOf(m_memoryNames, name)) {
        return m_memoryValues[*index];
    }
    return std::nullopt;
}

bool ExpressionEvaluator::ReplaceMemory(std::string_view name, double value) {
    if (const auto index = IndexOf(m_memoryNames, name)) {
        m_memoryValues[*index] = value;
        return true;
    }
    return false;
}

void ExpressionEvaluator::ReportMemoryStore(char digit, double value,
                                            std::string_view format) const {
    if (m_memoryStored) {
        m_memoryStored(MemoryStoreReport{digit, value, format});
    }
}

}  // namespace zyk
