// Conditions worked out in one pass must give what the rule gives when it is followed word for
// word: take the first comparison, widen it to its stretch, replace that by 1 or 0, repeat.
#include <optional>
#include <random>

#include "RecordingConsole.h"
#include "program/ConditionEvaluator.h"

namespace zyk::test {
namespace {

constexpr std::string_view kComparisons = "<>=";

bool IsLogical(char c) {
    return c == '&' || c == '|' || c == kXorSign;
}

// The rule, step by step, with the calculator's evaluator for each side and for what remains;
// nothing when the condition fails.
std::optional<bool> ConditionByTheRule(std::string text) {
    ExpressionEvaluator calculator;
    const auto value = [&calculator](const std::string& side) -> std::optional<double> {
        double result = 0.0;
        // Comparison characters never pass the interpreter's character check.
        if (side.empty() || side.find_first_of(kComparisons) != std::string::npos ||
            !calculator.Evaluate(side, result, 0)) {
            return std::nullopt;
        }
        return result;
    };
    if (std::count(text.begin(), text.end(), '(') != std::count(text.begin(), text.end(), ')') ||
        text.find_first_of(kComparisons, 1) == std::string::npos) {
        return std::nullopt;
    }
    for (std::size_t pos = text.find_first_of(kComparisons); pos != std::string::npos;
         pos = text.find_first_of(kComparisons)) {
        std::size_t start = pos;
        for (int depth = 0; start > 0; --start) {
            const char c = text[start - 1];
            if ((c == '(' && depth-- == 0) || (depth == 0 && IsLogical(c))) {
                break;
            }
            depth += c == ')';
        }
        std::size_t end = pos + 1;
        for (int depth = 0; end < text.size(); ++end) {
            const char c = text[end];
            if ((c == ')' && depth-- == 0) || (depth == 0 && IsLogical(c))) {
                break;
            }
            depth += c == '(';
        }
        const std::string op = text.substr(pos, 2);
        const std::size_t length = op == "<>" || op == "<=" || op == ">=" ? 2 : 1;
        const auto left = value(text.substr(start, pos - start));
        const auto right = value(text.substr(pos + length, end - pos - length));
        if (!left || !right) {
            return std::nullopt;
        }
        const bool holds = length == 2 ? (op == "<>"   ? *left != *right
                                          : op == "<=" ? *left <= *right
                                                       : *left >= *right)
                                       : (op[0] == '='   ? *left == *right
                                          : op[0] == '<' ? *left < *right
                                                         : *left > *right);
        text.replace(start, end - start, holds ? "1" : "0");
    }
    const auto remaining = value(text);
    if (!remaining || (*remaining != 0.0 && *remaining != 1.0)) {
        return std::nullopt;
    }
    return *remaining == 1.0;
}

// Random conditions: comparisons, grouped, combined and summed (so that later stretches take in
// earlier results), now and then with a character dropped or thrown in.
class ConditionMaker {
public:
    std::string Make() {
        std::string condition = Condition(3);
        if (Chance(4)) {
            condition.erase(Below(condition.size()), 1);
        }
        if (Chance(4)) {
            condition.insert(Below(condition.size() + 1), 1, kNoise[Below(kNoise.size())]);
        }
        return condition;
    }

private:
    static constexpr std::string_view kOperators[] = {"=", "<", ">", "<>", "<=", ">="};
    static constexpr std::string_view kNoise = "()=<>&|+1\xA4";

    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }
    bool Chance(std::size_t inN) { return Below(inN) == 0; }

    std::string Term() {
        const std::string digit(1, static_cast<char>('0' + Below(3)));
        return Chance(3) ? "(" + digit + "+" + Term() + ")" : digit;
    }
    std::string Condition(int depth) {
        if (depth == 0) {
            return Term() + std::string(kOperators[Below(6)]) + Term();
        }
        switch (Below(4)) {
            case 0:
                return "(" + Condition(depth - 1) + ")";
            case 1:
                return Condition(depth - 1) + std::string(1, "&|\xA4"[Below(3)]) +
                       Condition(depth - 1);
            case 2:
                return "(" + Condition(depth - 1) + ")+(" + Condition(depth - 1) + ")" +
                       std::string(kOperators[Below(6)]) + Term();
            default:
                return Condition(0);
        }
    }

    std::mt19937 m_random{20240611};
};

TEST(ConditionEvaluatorTest, GivesWhatTheStepByStepRuleGives) {
    ProgramData data;
    RecordingConsole console;
    ProgramError error;
    ProgramEvaluator evaluator(data, console, error);
    ConditionEvaluator conditions(evaluator, error);

    ConditionMaker maker;
    int outcomes[3] = {};  // failed, false, true
    for (int round = 0; round < 20000; ++round) {
        const std::string condition = maker.Make();
        const std::optional<bool> expected = ConditionByTheRule(condition);
        bool holds = false;
        evaluator.StartStatement();
        const bool evaluated = conditions.Evaluate(condition, holds);
        ASSERT_EQ(evaluated, expected.has_value()) << condition << ": " << error.message;
        if (evaluated) {
            ASSERT_EQ(holds, *expected) << condition;
        }
        ++outcomes[evaluated ? 1 + holds : 0];
    }
    // The maker reaches every outcome often enough to mean something.
    for (const int count : outcomes) {
        EXPECT_GT(count, 2000);
    }
}

}  // namespace
}  // namespace zyk::test
