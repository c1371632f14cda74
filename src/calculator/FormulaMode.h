#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculator/AnswerFormatter.h"
#include "expression/ExpressionEvaluator.h"

namespace zyk {

// The formula state of the calculator: which formula is loaded, its texts, and which variable is
// being asked. The variables and their values live in the evaluator's variable table. The
// calculator decides when to call what; this class knows the rules of preparing, asking,
// reading values and running.
class FormulaMode {
public:
    enum class Preparation {
        Fault,        // the message says why; nothing is loaded
        NotAFormula,  // no variable to ask: an ordinary expression
        Prepared,     // the first variable is to be asked
    };

    struct Outcome {
        bool ok = false;
        std::string text;  // the result line's text: an echo or answer, or an error text
    };

    explicit FormulaMode(ExpressionEvaluator& evaluator) : m_evaluator(evaluator) {}

    // Checks `text` and collects its variables into the evaluator's table. `resultLineEmpty`:
    // a variable seen twice fails the preparation while the result line still shows something.
    // On a fault `message` holds the text for the result line and the variable table is emptied.
    Preparation Prepare(std::string_view text, bool resultLineEmpty, std::string& message);

    // Loads special formula `index` (1-9) with the library's solver text and variable names.
    void LoadSpecial(int index, std::string_view solverText,
                     const std::vector<std::string>& variableNames);

    // Forgets the formula: the variable table is emptied, the index is 0, the texts are empty.
    void Clear();

    // The formula's index: 0 typed, 1-9 special, 10-50 plain built-in, 51 and up a user formula.
    int Index() const { return m_index; }
    void SetIndex(int index) { m_index = index; }

    const std::string& FormulaText() const { return m_formulaText; }  // the calculator form
    const std::string& DisplayForm() const { return m_displayForm; }
    const std::vector<std::string>& SpecialVariableNames() const { return m_specialNames; }

    int VariableCount() const { return m_evaluator.VariableCount(); }
    // Every variable has its value: the answer has been shown.
    bool AllGiven() const { return m_promptIndex >= VariableCount(); }

    // The prompt for the variable being asked: its name followed by "?".
    std::string Prompt() const;
    // Starts the questions again from the first variable; `resetValues` zeroes the first ten.
    void RestartQuestions(bool resetValues);

    // Reads the text typed for the asked variable (empty is 0, a leading '-' is the negation
    // sign). On success stores the value, moves to the next variable and returns the echo
    // ("r=2.5"); on an error returns the evaluator's text and stays on the same variable.
    Outcome ReadValue(std::string typed);

    // Evaluates the formula with the given values: the result letter and '=' followed by the
    // formatted answer, or the special formula's solver text.
    Outcome Run(AnswerFormat format, int maxDecimals);

private:
    ExpressionEvaluator& m_evaluator;
    int m_index = 0;
    bool m_special = false;
    std::string m_formulaText;
    std::string m_displayForm;
    std::string m_workingText;
    std::vector<std::string> m_specialNames;
    int m_promptIndex = 0;
};

}  // namespace zyk
