#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "expression/LiteralReader.h"

namespace zyk {

class ExpressionEvaluator;

// One walk over one expression text (the whole line, or a group's inner text) with a cursor,
// computing as it goes. Levels from the loosest binding: expression (xor, or, memory store),
// AND, sum, term (implicit product, right-grouping * and /, %), factor, primary. Errors go to
// the evaluator's ErrorText; once one is set every level returns at once.
class ExpressionParser {
public:
    // Deeper than this (recursive levels of functions, groups, terms inside terms) is refused
    // with an error text long before the stack is at risk.
    static constexpr int kMaxNesting = 400;
    // A group's inner text holds at most this many characters.
    static constexpr std::size_t kMaxGroupLength = 99;

    ExpressionParser(ExpressionEvaluator& evaluator, std::string_view text);

    double Run(std::size_t startIndex);

private:
    // Grammar levels.
    double Expression();
    double AndLevel();
    double SumLevel();
    double Term();
    double ChainOperand();
    double Factor(bool& consumed);
    double ArgumentFactor(bool& consumed);
    double JuxtaposedProduct();
    bool EndsArgument() const;
    double Primary(bool& consumed);

    // Primary kinds.
    double Function();
    double Group();
    double Variable();
    double Memory();
    double PrefixStore(std::size_t openBar);
    double Constant();
    double Number();
    double TakeLiteral(const LiteralResult& literal);

    // Factor steps.
    double DecimalExponent(double value);
    double Factorials(double value);
    double Powers(double value);

    void SuffixStore(double value);
    double Bitwise(double left, double right, char op);
    // A digit or A-F directly after a closing bracket of a name or group.
    void RefuseDigitAfterClose();
    // The name from after the cursor's opening bracket up to `closing`, with the cursor moved
    // past it; nothing (and the error `missing`) when the closing bracket is not there.
    std::optional<std::string_view> BracketedName(char closing, std::string_view missing);
    // A looked-up name's value, or the error `noValue` when the name has none.
    double NamedValue(std::optional<double> value, std::string_view noValue);

    // Counts one recursive level for as long as it lives; past kMaxNesting the text is refused.
    class NestingGuard {
    public:
        explicit NestingGuard(ExpressionParser& parser);
        ~NestingGuard();
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        ExpressionParser& m_parser;
    };

    bool Failed() const;
    void Fail(std::string_view message);
    char At(std::size_t index) const { return index < m_text.size() ? m_text[index] : '\0'; }
    char Current() const { return At(m_cursor); }
    char Before(std::size_t index) const { return index > 0 ? At(index - 1) : '\0'; }
    bool AtEnd() const { return m_cursor >= m_text.size(); }
    bool BeforeLastIndex() const { return m_cursor + 1 < m_text.size(); }

    ExpressionEvaluator& m_evaluator;
    std::string_view m_text;
    std::size_t m_cursor = 0;
    bool m_inArgument = false;  // reading a function argument or an exponent

    // The operands of the * and / chains in progress, left operand and operator, innermost last.
    struct ChainLink {
        double left;
        char op;
    };
    std::vector<ChainLink> m_chain;
};

}  // namespace zyk
