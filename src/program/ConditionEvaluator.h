#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "program/ProgramEvaluator.h"

namespace zyk {

// Conditions of if, elseif and do: comparisons (=, <, >, <>, >=, <=) combined with the
// calculator's &, | and xor and grouped with parentheses. Each comparison is worked out by the
// interpreter and replaced by 1 or 0; the calculator evaluates what remains.
class ConditionEvaluator {
public:
    ConditionEvaluator(ProgramEvaluator& evaluator, ProgramError& error)
        : m_evaluator(evaluator), m_error(error) {}

    // The condition of a statement: from the first '(' at or after `column`, with "then" and
    // what follows cut off, and everything after the last ')' cut off.
    static std::string_view ConditionText(std::string_view statement, std::size_t column);

    bool Evaluate(std::string_view condition, bool& holds);
    // The same for a condition of the program with its substitution template.
    bool Evaluate(std::string_view condition, bool& holds, SubstitutionTemplate& plan);

private:
    bool Fail(std::string_view message);
    bool Decide(bool& holds);
    bool ReplaceComparisons();
    void Append(char c);
    bool Compare(std::string_view comparison, bool& holds);
    bool SideValue(std::string_view side, std::string_view shown, double& value);

    ProgramEvaluator& m_evaluator;
    ProgramError& m_error;
    // Reused between conditions: loops test the same one many times.
    std::string m_text;                        // the condition, substituted
    std::string m_result;                      // its comparisons replaced by 1 and 0
    std::string m_stretch;                     // the comparison being worked out
    std::string m_answer;                      // what the calculator made of the rest
    std::vector<std::size_t> m_stretchStarts;  // see ReplaceComparisons
};

}  // namespace zyk
