#include "program/ProgramEvaluator.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "expression/ExpressionBytes.h"
#include "program/TextRebuilder.h"
#include "program/TextScan.h"
#include "program/VariableSubstituter.h"

namespace zyk {
namespace {

namespace msg = program_messages;
constexpr std::size_t kNone = std::string::npos;

// Counts one level of nesting for as long as it lives.
class NestingGuard {
public:
    explicit NestingGuard(int& depth) : m_depth(++depth) {}
    ~NestingGuard() { --m_depth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
    bool TooDeep() const { return m_depth > ProgramEvaluator::kMaxNesting; }

private:
    int& m_depth;
};

// A name whose text begins after `before` does not continue a longer word on its left.
bool StartsName(char before) {
    return !IsLetter(before) && before != kFunctionMarker;
}

bool IsOperatorCharacter(char c) {
    switch (c) {
        case '(':
        case ')':
        case '+':
        case '-':
        case '*':
        case '/':
        case '%':
        case '&':
        case '|':
        case '.':
        case '^':
        case kXorSign:
        case kNegationSign:
            return true;
        default:
            return false;
    }
}

void RemoveBlanks(std::string& text) {
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return IsBlankOrTab(c); }),
               text.end());
}

}  // namespace

bool ProgramEvaluator::Fail(std::string_view message, std::optional<std::string> shown,
                            bool fromEvaluator) {
    m_error = ProgramError{std::string(message), std::move(shown), fromEvaluator};
    return false;
}

bool ProgramEvaluator::Evaluate(std::string_view expression, unsigned substitution,
                                std::string& result) {
    if (OnlyBlanks(expression)) {
        return Fail(msg::kNoExpression, std::string());
    }
    const NestingGuard guard(m_depth);
    std::string text(expression);
    if (guard.TooDeep()) {
        return Fail(msg::kNotValid, text);
    }
    if (++m_evaluations > kMaxEvaluationsPerStatement) {
        return Fail(msg::kTooMuchToCalculate);
    }
    if (!Substitute(text, substitution)) {
        return false;
    }
    return Finish(text, result);
}

bool ProgramEvaluator::Evaluate(std::string_view expression, unsigned substitution,
                                std::string& result, SubstitutionTemplate& plan) {
    if (OnlyBlanks(expression)) {
        return Fail(msg::kNoExpression, std::string());
    }
    const NestingGuard guard(m_depth);
    if (guard.TooDeep()) {
        return Fail(msg::kNotValid, std::string(expression));
    }
    if (++m_evaluations > kMaxEvaluationsPerStatement) {
        return Fail(msg::kTooMuchToCalculate);
    }
    std::string text;
    switch (plan.FillIn(m_data, kMaxTextLength, text)) {
        case SubstitutionTemplate::Fill::Done:
            break;
        case SubstitutionTemplate::Fill::TooLong:
            return Fail(msg::kTextTooLong);
        case SubstitutionTemplate::Fill::NotApplicable:
            text.assign(expression);
            if (!Substitute(text, substitution)) {
                return false;
            }
            break;
    }
    return Finish(text, result);
}

// The substituted text: blanks removed, checked and handed to the calculator.
bool ProgramEvaluator::Finish(std::string& text, std::string& result) {
    RemoveBlanks(text);
    if (!CheckCharacters(text)) {
        return false;
    }
    if (!Calculate(text, result)) {
        return Fail(result, std::string(), true);
    }
    if (!result.empty() && result.front() == '-') {
        result.front() = kNegationSign;
    }
    return true;
}

bool ProgramEvaluator::Calculate(std::string_view text, std::string& answer) {
    if (const std::string* known = m_answers.Find(text)) {
        answer = *known;
        return true;
    }
    ProgramConsole::Evaluation evaluation = m_console.EvaluateText(text);
    if (evaluation.ok) {
        m_answers.Store(text, evaluation.text);
    }
    answer = std::move(evaluation.text);
    return evaluation.ok;
}

bool ProgramEvaluator::Substitute(std::string& text, unsigned substitution) {
    // Every name begins with a letter: a text without one (a value, "1+2") has nothing to
    // replace.
    if (!HasLetter(text)) {
        return true;
    }
    // Elements need a '[' and functions by name a '(' after their name: most expressions of a
    // loop have neither, and their stages are skipped.
    if ((substitution & kUserCalls) && !m_data.Functions().empty() && !SubstituteUserCalls(text)) {
        return false;
    }
    if ((substitution & kArrays) && !m_data.Arrays().empty() && text.find('[') != kNone &&
        !SubstituteElements(text)) {
        return false;
    }
    if ((substitution & kBuiltIns) && HasNameCall(text) && !SubstituteInterpreterFunctions(text)) {
        return false;
    }
    if ((substitution & kVariables) && !SubstituteVariables(text)) {
        return false;
    }
    if ((substitution & kBuiltIns) && HasNameCall(text)) {
        BuiltInFunctions::MapFunctionNames(text);
    }
    return true;
}

bool ProgramEvaluator::Substitute(std::string& text, unsigned substitution,
                                  SubstitutionTemplate& plan) {
    std::string filled;
    switch (plan.FillIn(m_data, kMaxTextLength, filled)) {
        case SubstitutionTemplate::Fill::Done:
            text = std::move(filled);
            return true;
        case SubstitutionTemplate::Fill::TooLong:
            return Fail(msg::kTextTooLong);
        case SubstitutionTemplate::Fill::NotApplicable:
            break;
    }
    return Substitute(text, substitution);
}

bool ProgramEvaluator::TakeRebuilt(TextRebuilder& rebuilt, std::string& text) {
    if (!rebuilt.Replaced()) {
        return true;
    }
    if (rebuilt.Length() > kMaxTextLength) {
        return Fail(msg::kTextTooLong);
    }
    text = rebuilt.Finish();
    return true;
}

bool ProgramEvaluator::SubstituteUserCalls(std::string& text) {
    for (const UserFunction& function : m_data.Functions()) {
        const std::string& name = function.name;
        TextRebuilder rebuilt(text);
        for (std::size_t pos = text.find(name); pos != kNone; pos = text.find(name, pos + 1)) {
            const std::size_t after = pos + name.size();
            const bool whole =
                StartsName(rebuilt.Before(pos)) &&
                (after >= text.size() || (!IsLetter(text[after]) && !IsDigit(text[after])));
            if (!whole) {
                continue;
            }
            if (after >= text.size() || text[after] != '(') {
                return Fail(msg::kNoCallParentheses);
            }
            const std::size_t close = FindClosing(text, after, '(', ')');
            if (close == kNone) {
                return Fail(msg::kCallParentheses);
            }
            std::string value;
            if (!CallUserFunction(
                    function, std::string_view(text).substr(after + 1, close - after - 1), value)) {
                return false;
            }
            rebuilt.Replace(pos, close + 1, value);
            if (rebuilt.Length() > kMaxTextLength) {
                return Fail(msg::kTextTooLong);
            }
            pos = close;
        }
        if (!TakeRebuilt(rebuilt, text)) {
            return false;
        }
    }
    return true;
}

bool ProgramEvaluator::CallUserFunction(const UserFunction& function, std::string_view argument,
                                        std::string& result) {
    std::string value;
    if (!Evaluate(argument, kEverything, value)) {
        return false;
    }
    const std::size_t parameter = m_data.VariableIndex(function.parameter);
    if (parameter == ProgramData::kNotFound) {
        return Fail(msg::kParameterGone);
    }
    // The parameter keeps the argument after the call.
    if (!m_data.SetValue(parameter, std::move(value))) {
        return Fail(msg::kOutOfMemory);
    }
    const std::string formula = function.formula;
    return Evaluate(formula, kVariables | kBuiltIns, result);
}

bool ProgramEvaluator::SubstituteElements(std::string& text) {
    for (const ProgramArray& array : m_data.Arrays()) {
        const std::string& name = array.name;
        TextRebuilder rebuilt(text);
        for (std::size_t pos = text.find(name); pos != kNone; pos = text.find(name, pos + 1)) {
            const std::size_t open = pos + name.size();
            if (!StartsName(rebuilt.Before(pos)) || open >= text.size() || text[open] != '[') {
                continue;
            }
            const std::size_t close = FindClosing(text, open, '[', ']');
            if (close == kNone) {
                return Fail(msg::kElementBrackets);
            }
            std::string indexText;
            if (!Evaluate(std::string_view(text).substr(open + 1, close - open - 1),
                          kVariables | kBuiltIns, indexText)) {
                return false;
            }
            const auto index = ReadLeadingDigits(indexText, array.elements.size());
            if (!index || *index >= array.elements.size()) {
                return Fail(msg::kInvalidElement);
            }
            rebuilt.Replace(pos, close + 1, array.elements[*index]);
            if (rebuilt.Length() > kMaxTextLength) {
                return Fail(msg::kTextTooLong);
            }
            pos = close;
        }
        if (!TakeRebuilt(rebuilt, text)) {
            return false;
        }
    }
    return true;
}

bool ProgramEvaluator::SubstituteInterpreterFunctions(std::string& text) {
    for (const InterpreterFunctionEntry& entry : kInterpreterFunctions) {
        TextRebuilder rebuilt(text);
        for (std::size_t pos = text.find(entry.name); pos != kNone;
             pos = text.find(entry.name, pos + 1)) {
            const std::size_t open = pos + entry.name.size();
            if (!StartsName(rebuilt.Before(pos)) || open >= text.size() || text[open] != '(') {
                continue;
            }
            const std::size_t close = FindClosing(text, open, '(', ')');
            if (close == kNone) {
                return Fail(msg::kCallParentheses);
            }
            const std::string_view argument =
                std::string_view(text).substr(open + 1, close - open - 1);
            if (OnlyBlanks(argument)) {
                return Fail(msg::kNothingToCalculate);
            }
            std::string value;
            if (!CallInterpreterFunction(entry, argument, value)) {
                return false;
            }
            rebuilt.Replace(pos, close + 1, value);
            if (rebuilt.Length() > kMaxTextLength) {
                return Fail(msg::kTextTooLong);
            }
            pos = close;
        }
        if (!TakeRebuilt(rebuilt, text)) {
            return false;
        }
    }
    return true;
}

bool ProgramEvaluator::EvaluateNumber(std::string_view expression, double& value) {
    std::string text;
    if (!Evaluate(expression, kEverything, text)) {
        return false;
    }
    value = BuiltInFunctions::ReadLeadingNumber(text);
    return true;
}

bool ProgramEvaluator::CallInterpreterFunction(const InterpreterFunctionEntry& entry,
                                               std::string_view argument, std::string& result) {
    if (entry.overArray) {
        return ArrayFunction(entry.function, argument, result);
    }
    const std::size_t comma = FindTopLevelComma(argument);
    switch (entry.function) {
        case InterpreterFunction::Gcd: {
            if (comma == kNone) {
                return Fail(msg::kGcdSyntax, std::string(msg::kLineGcd));
            }
            double x = 0.0;
            double y = 0.0;
            double gcd = 0.0;
            if (!EvaluateNumber(argument.substr(0, comma), x) ||
                !EvaluateNumber(argument.substr(comma + 1), y)) {
                return false;
            }
            if (!BuiltInFunctions::Gcd(x, y, gcd)) {
                return Fail(msg::kGcdNotIntegers, std::string(msg::kLineGcdArguments));
            }
            result = BuiltInFunctions::FormatResult(gcd);
            return true;
        }
        case InterpreterFunction::Round: {
            double x = 0.0;
            if (comma == kNone) {
                if (!EvaluateNumber(argument, x)) {
                    return false;
                }
                result = BuiltInFunctions::FormatResult(BuiltInFunctions::Round(x));
                return true;
            }
            double decimals = 0.0;
            if (!EvaluateNumber(argument.substr(0, comma), x) ||
                !EvaluateNumber(argument.substr(comma + 1), decimals)) {
                return false;
            }
            result = BuiltInFunctions::FormatResult(BuiltInFunctions::Round(x, decimals));
            return true;
        }
        default:
            break;
    }
    std::string text;
    if (!Evaluate(argument, kEverything, text)) {
        return false;
    }
    switch (entry.function) {
        case InterpreterFunction::Abs:
            result = BuiltInFunctions::AbsText(text);
            break;
        case InterpreterFunction::Fix:
            result = BuiltInFunctions::FixText(text);
            break;
        case InterpreterFunction::Ceil:
            result = BuiltInFunctions::FormatResult(
                std::ceil(BuiltInFunctions::ReadLeadingNumber(text)));
            break;
        default:  // floor
            result = BuiltInFunctions::FormatResult(
                std::floor(BuiltInFunctions::ReadLeadingNumber(text)));
            break;
    }
    return true;
}

bool ProgramEvaluator::ArrayFunction(InterpreterFunction function, std::string_view argument,
                                     std::string& result) {
    const ProgramArray* array = m_data.FindArray(TrimBlanks(argument));
    if (array == nullptr) {
        return Fail(msg::kInvalidElement);
    }
    if (array->elements.empty()) {
        return Fail(msg::kNothingToCalculate);
    }
    std::vector<double> values;
    values.reserve(array->elements.size());
    for (const std::string& element : array->elements) {
        values.push_back(BuiltInFunctions::ReadLeadingNumber(element));
    }
    double value = 0.0;
    switch (function) {
        case InterpreterFunction::Sum:
            value = BuiltInFunctions::Sum(values);
            break;
        case InterpreterFunction::Prod:
            value = BuiltInFunctions::Product(values);
            break;
        case InterpreterFunction::Mean:
            value = BuiltInFunctions::Mean(values);
            break;
        case InterpreterFunction::Median:
            value = BuiltInFunctions::Median(values);
            break;
        case InterpreterFunction::Std:
            value = BuiltInFunctions::SampleStd(values);
            break;
        default:  // std2
            value = BuiltInFunctions::PopulationStd(values);
            break;
    }
    result = BuiltInFunctions::FormatResult(value);
    return true;
}

bool ProgramEvaluator::SubstituteVariables(std::string& text) {
    if (!VariableSubstituter::Substitute(text, m_data, kMaxTextLength)) {
        return Fail(msg::kTextTooLong);
    }
    return true;
}

bool ProgramEvaluator::CheckCharacters(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c) || IsOperatorCharacter(c)) {
            continue;
        }
        if (c != kFunctionMarker) {
            return Fail(msg::kNotValid, text);
        }
        const std::size_t length =
            BuiltInFunctions::FunctionTokenLength(std::string_view(text).substr(i + 1));
        if (length == 0) {
            return Fail(msg::kUnknownFunction, text);
        }
        i += length;
    }
    return true;
}

}  // namespace zyk
