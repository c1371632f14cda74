#include "program/ConditionEvaluator.h"

#include <algorithm>

#include "expression/ExpressionBytes.h"
#include "program/BuiltInFunctions.h"
#include "program/LanguageWords.h"
#include "program/TextScan.h"

namespace zyk {
namespace {

namespace msg = program_messages;
constexpr std::size_t kNone = std::string::npos;
constexpr std::string_view kComparisonCharacters = "<>=";

enum class Comparison { Equal, Less, Greater, LessOrEqual, GreaterOrEqual, NotEqual };

bool IsLogicalOperator(char c) {
    return c == '&' || c == '|' || c == kXorSign;
}

// Where the stretch around a comparison operator ends: at a parenthesis that is not matched
// inside it, or at a logical operator outside parentheses.
std::size_t StretchEnd(const std::string& text, std::size_t pos) {
    int depth = 0;
    std::size_t i = pos + 1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth == 0) {
                break;
            }
            --depth;
        } else if (depth == 0 && IsLogicalOperator(c)) {
            break;
        }
    }
    return i;
}

// "(left op right)" with no other parenthesis and no logical operator: the whole inside is the
// stretch of its first comparison.
bool IsOneComparison(std::string_view text) {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') {
        return false;
    }
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        const char c = text[i];
        if (c == '(' || c == ')' || IsLogicalOperator(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string_view ConditionEvaluator::ConditionText(std::string_view statement, std::size_t column) {
    const std::size_t open = statement.find('(', column);
    if (open == kNone) {
        return {};
    }
    std::string_view text = statement.substr(open);
    text = text.substr(0, FindKeyword(text, language_words::kThen));
    const std::size_t close = text.rfind(')');
    return close == kNone ? text : text.substr(0, close + 1);
}

bool ConditionEvaluator::Fail(std::string_view message) {
    m_error = ProgramError{std::string(message), std::nullopt, false};
    return false;
}

bool ConditionEvaluator::Evaluate(std::string_view condition, bool& holds) {
    m_text.assign(condition);
    if (!m_evaluator.Substitute(m_text, ProgramEvaluator::kEverything)) {
        return false;
    }
    return Decide(holds);
}

bool ConditionEvaluator::Evaluate(std::string_view condition, bool& holds,
                                  SubstitutionTemplate& plan) {
    m_text.assign(condition);
    if (!m_evaluator.Substitute(m_text, ProgramEvaluator::kEverything, plan)) {
        return false;
    }
    return Decide(holds);
}

// The substituted condition: its comparisons worked out, then what remains.
bool ConditionEvaluator::Decide(bool& holds) {
    m_text.erase(
        std::remove_if(m_text.begin(), m_text.end(), [](char c) { return IsBlankOrTab(c); }),
        m_text.end());
    if (std::count(m_text.begin(), m_text.end(), '(') !=
        std::count(m_text.begin(), m_text.end(), ')')) {
        return Fail(msg::kConditionParentheses);
    }
    if (m_text.find_first_of(kComparisonCharacters, 1) == kNone) {
        return Fail(msg::kNoCondition);
    }
    if (!ReplaceComparisons()) {
        return false;
    }
    // What remains is 0 and 1 joined by the logical operators: the calculator works it out.
    const bool answered = m_evaluator.Calculate(m_result, m_answer);
    if (!answered || (m_answer != "1" && m_answer != "0")) {
        return Fail(msg::kConditionNotEvaluated);
    }
    holds = m_answer == "1";
    return true;
}

void ConditionEvaluator::Append(char c) {
    m_result += c;
    if (c == '(') {
        m_stretchStarts.push_back(m_result.size());
    } else if (c == ')') {
        if (m_stretchStarts.size() > 1) {
            m_stretchStarts.pop_back();
        } else {
            // Looking left from here, this parenthesis is never matched: a stretch reaches the
            // start of the text.
            m_stretchStarts.back() = 0;
        }
    } else if (IsLogicalOperator(c)) {
        m_stretchStarts.back() = m_result.size();
    }
}

bool ConditionEvaluator::ReplaceComparisons() {
    // Each comparison, from the left, is replaced by 1 or 0; its stretch reaches left to the
    // parenthesis that encloses it or the last logical operator at its level, which may take in
    // results of earlier comparisons. The result is built in one pass: m_stretchStarts holds,
    // for every open parenthesis, where a stretch standing in it would begin.
    m_result.clear();
    // The usual shape, one comparison in one pair of parentheses: the stretch is all inside.
    if (IsOneComparison(m_text)) {
        bool comparison = false;
        if (!Compare(std::string_view(m_text).substr(1, m_text.size() - 2), comparison)) {
            return false;
        }
        m_result.assign(comparison ? "(1)" : "(0)");
        return true;
    }
    m_stretchStarts.assign(1, 0);
    std::size_t copied = 0;
    for (std::size_t pos = m_text.find_first_of(kComparisonCharacters); pos != kNone;
         pos = m_text.find_first_of(kComparisonCharacters, copied)) {
        for (; copied < pos; ++copied) {
            Append(m_text[copied]);
        }
        const std::size_t start = m_stretchStarts.back();
        const std::size_t end = StretchEnd(m_text, pos);
        m_stretch.assign(m_result, start);
        m_stretch.append(m_text, pos, end - pos);
        bool comparison = false;
        if (!Compare(m_stretch, comparison)) {
            return false;
        }
        m_result.resize(start);
        m_result += comparison ? '1' : '0';
        copied = end;
    }
    m_result.append(m_text, copied);
    return true;
}

bool ConditionEvaluator::Compare(std::string_view comparison, bool& holds) {
    const std::size_t pos = comparison.find_first_of(kComparisonCharacters);
    const char next = pos + 1 < comparison.size() ? comparison[pos + 1] : '\0';
    Comparison kind = Comparison::Equal;
    std::size_t length = 1;
    if (comparison[pos] == '<' && next == '>') {
        kind = Comparison::NotEqual;
        length = 2;
    } else if (comparison[pos] == '<' && next == '=') {
        kind = Comparison::LessOrEqual;
        length = 2;
    } else if (comparison[pos] == '>' && next == '=') {
        kind = Comparison::GreaterOrEqual;
        length = 2;
    } else if (comparison[pos] == '<') {
        kind = Comparison::Less;
    } else if (comparison[pos] == '>') {
        kind = Comparison::Greater;
    }
    const std::string_view left = comparison.substr(0, pos);
    const std::string_view right = comparison.substr(pos + length);
    if (left.empty() || right.empty()) {
        return Fail(msg::kNoComparison);
    }
    double a = 0.0;
    double b = 0.0;
    if (!SideValue(left, msg::kLineLeftSide, a) || !SideValue(right, msg::kLineRightSide, b)) {
        return false;
    }
    switch (kind) {
        case Comparison::Equal:
            holds = a == b;
            break;
        case Comparison::Less:
            holds = a < b;
            break;
        case Comparison::Greater:
            holds = a > b;
            break;
        case Comparison::LessOrEqual:
            holds = a <= b;
            break;
        case Comparison::GreaterOrEqual:
            holds = a >= b;
            break;
        case Comparison::NotEqual:
            holds = a != b;
            break;
    }
    return true;
}

bool ConditionEvaluator::SideValue(std::string_view side, std::string_view shown, double& value) {
    std::string text;
    if (!m_evaluator.Evaluate(side, ProgramEvaluator::kEverything, text)) {
        m_error.shownText = std::string(shown);
        return false;
    }
    value = BuiltInFunctions::ReadLeadingNumber(text);
    return true;
}

}  // namespace zyk
