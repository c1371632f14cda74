#include "expression/ExpressionParser.h"

#include <cmath>

#include "expression/ExpressionCharacters.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionMessages.h"
#include "expression/IntegerConversion.h"
#include "expression/MathFunctions.h"

namespace zyk {
namespace {

namespace msg = expression_messages;
using namespace characters;

constexpr std::size_t kNoIndex = std::string_view::npos;

}  // namespace

ExpressionParser::NestingGuard::NestingGuard(ExpressionParser& parser) : m_parser(parser) {
    if (++m_parser.m_evaluator.m_nesting > kMaxNesting) {
        m_parser.Fail(msg::kNestingTooDeep);
    }
}

ExpressionParser::NestingGuard::~NestingGuard() {
    --m_parser.m_evaluator.m_nesting;
}

ExpressionParser::ExpressionParser(ExpressionEvaluator& evaluator, std::string_view text)
    : m_evaluator(evaluator), m_text(text) {}

double ExpressionParser::Run(std::size_t startIndex) {
    m_cursor = startIndex;
    return Expression();
}

bool ExpressionParser::Failed() const {
    return m_evaluator.HasError();
}

void ExpressionParser::Fail(std::string_view message) {
    m_evaluator.SetError(message);
}

double ExpressionParser::Expression() {
    if (Failed() || AtEnd()) {
        return 0.0;
    }
    double value = AndLevel();
    std::size_t previous = kNoIndex;
    while (!Failed() && !AtEnd()) {
        if (m_cursor == previous) {
            Fail(msg::kUnknownSyntax);
            return 0.0;
        }
        previous = m_cursor;
        const char c = Current();
        if (c == kXorSign || c == '|') {
            ++m_cursor;
            value = Bitwise(value, AndLevel(), c);
        } else if (c == '=') {
            if (!BeforeLastIndex()) {
                Fail(msg::kStoreSyntax);
            } else {
                ++m_cursor;
                SuffixStore(value);
            }
        } else if (c == ')') {
            ++m_cursor;
            return value;
        } else {
            return value;  // nothing here consumes it: what was computed is the result
        }
    }
    return value;
}

double ExpressionParser::AndLevel() {
    if (Failed() || AtEnd()) {
        return 0.0;
    }
    double value = SumLevel();
    while (!Failed() && Current() == '&') {
        ++m_cursor;
        value = Bitwise(value, SumLevel(), '&');
    }
    return value;
}

double ExpressionParser::SumLevel() {
    if (Failed() || AtEnd()) {
        return 0.0;
    }
    double value = Term();
    while (!Failed() && (Current() == '+' || Current() == '-')) {
        const char op = Current();
        ++m_cursor;
        const double right = Term();
        value = op == '+' ? value + right : value - right;
    }
    return value;
}

double ExpressionParser::Term() {
    const NestingGuard guard(*this);
    if (Failed() || AtEnd()) {
        return 0.0;
    }
    // The right operand of * and / is the whole rest of the term, so both group to the right:
    // 8/4/2 = 8/(4/2). The operands are read left to right and folded from the right, so a long
    // chain costs no recursion.
    const std::size_t chainStart = m_chain.size();
    double value = ChainOperand();
    while (!Failed() && (Current() == '*' || Current() == '/')) {
        m_chain.push_back({value, Current()});
        ++m_cursor;
        value = ChainOperand();
    }
    while (m_chain.size() > chainStart) {
        const ChainLink link = m_chain.back();
        m_chain.pop_back();
        if (Failed()) {
            continue;
        }
        if (link.op == '*') {
            value = link.left * value;
        } else if (value == 0.0) {
            Fail(msg::kDivideByZero);
        } else {
            value = link.left / value;
        }
    }
    return Failed() ? 0.0 : value;
}

// One operand of a * and / chain: an implicit product, then any % operations on it.
double ExpressionParser::ChainOperand() {
    if (Failed() || AtEnd()) {
        return 0.0;
    }
    bool consumed = false;
    std::size_t before = m_cursor;
    double value = Factor(consumed);
    // Implicit product: 2{pi}[r], 2(3+1).
    while (!Failed() && BeforeLastIndex() && !EndsImplicitProduct(Current()) &&
           m_cursor != before) {
        before = m_cursor;
        const double next = Factor(consumed);
        if (!consumed) {
            break;
        }
        value *= next;
    }
    while (!Failed() && Current() == '%') {
        ++m_cursor;
        bool primaryConsumed = false;
        const double right = Primary(primaryConsumed);
        if (Failed()) {
            break;
        }
        if (right == 0.0) {
            Fail(msg::kMathError);
            break;
        }
        value = std::fmod(value, right);
    }
    return Failed() ? 0.0 : value;
}

// Sign, primary and decimal exponent as in an argument, then factorials and powers.
double ExpressionParser::Factor(bool& consumed) {
    const std::size_t start = m_cursor;
    bool argumentConsumed = false;
    double value = ArgumentFactor(argumentConsumed);
    value = Factorials(value);
    value = Powers(value);
    consumed = m_cursor != start;
    return Failed() ? 0.0 : value;
}

// A factor of a function argument or an exponent: sign, primary and decimal exponent only, so
// that a following `!`, `^` or square sign applies to the function's result or to the power.
double ExpressionParser::ArgumentFactor(bool& consumed) {
    const std::size_t start = m_cursor;
    bool negate = false;
    if (Current() == kNegationSign && (m_cursor == 0 || !IsClosingBracket(Before(m_cursor)))) {
        negate = true;
        ++m_cursor;
    }
    bool primaryConsumed = false;
    double value = Primary(primaryConsumed);
    if (negate) {
        value = -value;
    }
    value = DecimalExponent(value);
    consumed = m_cursor != start;
    return Failed() ? 0.0 : value;
}

double ExpressionParser::JuxtaposedProduct() {
    const bool outerArgument = m_inArgument;
    m_inArgument = true;
    bool consumed = false;
    double value = ArgumentFactor(consumed);
    while (!Failed() && BeforeLastIndex() && !EndsArgument()) {
        const double next = ArgumentFactor(consumed);
        if (!consumed) {
            break;
        }
        value *= next;
    }
    m_inArgument = outerArgument;
    return value;
}

// Characters at which an argument ends without reading another factor there: an operator, a
// `!`, `^` or square sign (they apply to the function's result or to the power), and a function
// directly after a digit. An `=` is no end: the factor read there refuses it, so a store cannot
// take an exponent or an argument as its value.
bool ExpressionParser::EndsArgument() const {
    const char c = Current();
    return IsBinaryOperator(c) || c == '!' || c == '^' || c == kSquareSign || c == ')' ||
           (c == kFunctionMarker && IsDigit(Before(m_cursor)));
}

double ExpressionParser::Primary(bool& consumed) {
    consumed = false;
    if (Failed() || AtEnd()) {
        return 0.0;
    }
    const std::size_t start = m_cursor;
    const char c = Current();
    double value = 0.0;
    // Inside an argument a function directly after a digit starts the next factor of the
    // enclosing term instead: sin 2 times cos 3, not sin(2 cos 3).
    const bool functionAllowed = !(m_inArgument && IsDigit(Before(m_cursor)));
    if (c == kFunctionMarker) {
        if (functionAllowed) {
            value = Function();
        }
    } else if (c == '(') {
        value = Group();
    } else if (c == '[') {
        value = Variable();
    } else if (c == kMemoryBar) {
        value = Memory();
    } else if (c == '{') {
        value = Constant();
    } else {
        value = Number();
    }
    consumed = m_cursor != start;
    return value;
}

double ExpressionParser::Function() {
    const NestingGuard guard(*this);
    if (Failed()) {
        return 0.0;
    }
    ++m_cursor;  // the marker
    const char letter = Current();
    const NumberBase base = m_evaluator.m_numberBase;
    if (letter == 'd') {
        return TakeLiteral(
            LiteralReader::ReadDecimalInteger(m_text, m_cursor + 1, base == NumberBase::Decimal));
    }
    if (letter == 'h') {
        return TakeLiteral(LiteralReader::ReadHexadecimal(m_text, m_cursor + 1));
    }
    if (letter == 'b') {
        return TakeLiteral(LiteralReader::ReadBinary(m_text, m_cursor + 1));
    }
    const std::string_view rest = m_text.substr(m_cursor);
    const FunctionName* match = nullptr;
    for (const auto& candidate : kFunctionNames) {
        if (rest.size() > candidate.name.size() && rest.starts_with(candidate.name)) {
            match = &candidate;
            break;
        }
    }
    if (match == nullptr) {
        Fail(msg::kNoSuchFunction);
        return 0.0;
    }
    m_cursor += match->name.size();
    MathFunction function = match->function;
    if (function == MathFunction::TenPower || function == MathFunction::EPower) {
        --m_cursor;  // stop on the `^`: the factor's power step computes 10^y or e^y
        return MathFunctions::Apply(function, 0.0, false).value;
    }
    if (match->takesHyperbolic && BeforeLastIndex() && Current() == 'h') {
        ++m_cursor;
        function = MathFunctions::Hyperbolic(function);
    }
    const double x = JuxtaposedProduct();
    if (Failed()) {
        return 0.0;
    }
    const MathResult result = MathFunctions::Apply(function, x, m_evaluator.m_degreeMode);
    if (!result.error.empty()) {
        Fail(result.error);
    }
    return result.value;
}

double ExpressionParser::Group() {
    const NestingGuard guard(*this);
    if (Failed()) {
        return 0.0;
    }
    const std::size_t open = m_cursor;
    std::size_t close = kNoIndex;
    int depth = 0;
    for (std::size_t i = open; i < m_text.size(); ++i) {
        if (m_text[i] == '(') {
            ++depth;
        } else if (m_text[i] == ')' && --depth == 0) {
            close = i;
            break;
        }
    }
    if (close == kNoIndex) {
        Fail(msg::kCloseMissing);
        return 0.0;
    }
    const std::string_view inner = m_text.substr(open + 1, close - open - 1);
    if (inner.size() > kMaxGroupLength) {
        Fail(msg::kGroupTooLong);
        return 0.0;
    }
    double value = 0.0;
    m_evaluator.EvaluateGroup(inner, value);
    m_cursor = close + 1;
    RefuseDigitAfterClose();
    return value;
}

std::optional<std::string_view> ExpressionParser::BracketedName(char closing,
                                                                std::string_view missing) {
    const std::size_t close = m_text.find(closing, m_cursor + 1);
    if (close == kNoIndex) {
        Fail(missing);
        return std::nullopt;
    }
    const std::string_view name = m_text.substr(m_cursor + 1, close - m_cursor - 1);
    m_cursor = close + 1;
    return name;
}

double ExpressionParser::NamedValue(std::optional<double> value, std::string_view noValue) {
    if (!value) {
        Fail(noValue);
        return 0.0;
    }
    RefuseDigitAfterClose();
    return *value;
}

double ExpressionParser::Variable() {
    const auto name = BracketedName(']', msg::kBracketMissing);
    if (!name) {
        return 0.0;
    }
    const auto index = m_evaluator.FindVariable(*name);
    return NamedValue(index ? std::optional(m_evaluator.VariableValue(*index)) : std::nullopt,
                      msg::kVariableNoValue);
}

double ExpressionParser::Memory() {
    const std::size_t open = m_cursor;
    const auto close = ClosingMemoryBar(m_text, open);
    if (!close) {
        Fail(msg::kMemoryBarMissing);
        return 0.0;
    }
    if (At(*close + 1) == '=') {
        return PrefixStore(open);
    }
    const std::string_view name = m_text.substr(open + 1, *close - open - 1);
    m_cursor = *close + 1;
    return NamedValue(m_evaluator.Memory(name), msg::kMemoryNoValue);
}

// |Mn|=term: stores the term's value, which is also the primary's value.
double ExpressionParser::PrefixStore(std::size_t openBar) {
    if (At(openBar + 3) != kMemoryBar || At(openBar + 4) != '=' || !IsDigit(At(openBar + 2))) {
        Fail(msg::kPrefixStoreForm);
        return 0.0;
    }
    const std::size_t termStart = openBar + 5;
    const char first = At(termStart);
    const bool operand =
        termStart < m_text.size() && (IsDigit(first) || first == '.' || first == '(' ||
                                      first == '{' || first == kMemoryBar || first == '-');
    if (!operand) {
        Fail(msg::kPrefixStoreOperand);
        return 0.0;
    }
    m_cursor = termStart;
    const double value = Term();
    if (Failed()) {
        return 0.0;
    }
    // An overflowed term shows "Ma  ERROR"; storing it would also lose the memory's old value
    // for good, so the memory and its entry stay as they were.
    if (!std::isfinite(value)) {
        return value;
    }
    const char digit = m_text[termStart - 3];
    const char name[] = {'M', digit};
    m_evaluator.SetMemory(std::string_view(name, 2), value);
    m_evaluator.ReportMemoryStore(digit, value, "%g");
    return value;
}

double ExpressionParser::Constant() {
    const auto name = BracketedName('}', msg::kBraceMissing);
    return name ? NamedValue(m_evaluator.Constant(*name), msg::kConstantNoValue) : 0.0;
}

double ExpressionParser::Number() {
    const char c = Current();
    if (c == '=') {
        Fail(msg::kEqualsMisplaced);
        return 0.0;
    }
    // An operator is no primary: a leading one acts on 0.
    if (IsBinaryOperator(c)) {
        return 0.0;
    }
    switch (m_evaluator.m_numberBase) {
        case NumberBase::Hexadecimal:
            return TakeLiteral(LiteralReader::ReadHexadecimal(m_text, m_cursor));
        case NumberBase::Binary:
            return TakeLiteral(LiteralReader::ReadBinary(m_text, m_cursor));
        default:
            return TakeLiteral(LiteralReader::ReadDecimal(m_text, m_cursor));
    }
}

double ExpressionParser::TakeLiteral(const LiteralResult& literal) {
    m_cursor = literal.end;
    if (!literal.error.empty()) {
        Fail(literal.error);
        return 0.0;
    }
    return literal.value;
}

double ExpressionParser::DecimalExponent(double value) {
    if (Failed() || Current() != 'e') {
        return value;
    }
    const std::size_t exponentAt = m_cursor++;
    bool negative = false;
    if (Current() == '+') {
        ++m_cursor;
    } else if (Current() == kNegationSign) {
        negative = true;
        ++m_cursor;
    }
    double k = 0.0;
    for (; IsDigit(Current()); ++m_cursor) {
        k = k * 10.0 + (Current() - '0');
    }
    const double scale = std::pow(10.0, negative ? -k : k);
    // Without a mantissa ("e3" alone) the exponent is the value.
    return IsHexDigit(Before(exponentAt)) ? value * scale : scale;
}

double ExpressionParser::Factorials(double value) {
    while (!Failed() && Current() == '!') {
        const MathResult bounds = MathFunctions::FactorialBounds(value);
        if (!bounds.error.empty()) {
            Fail(bounds.error);
            return bounds.value;
        }
        if (m_cursor == 0 || !IsFactorialOperand(Before(m_cursor))) {
            Fail(msg::kFactorialMisplaced);
            return value;
        }
        if (std::trunc(value) != value) {
            Fail(msg::kFactorialNoInteger);
            return 0.0;
        }
        value = MathFunctions::Factorial(value);
        ++m_cursor;
        RefuseDigitAfterClose();
    }
    return value;
}

// Square signs and powers chain to the left: 2^3^2 = (2^3)^2.
double ExpressionParser::Powers(double value) {
    while (!Failed() && (Current() == '^' || Current() == kSquareSign)) {
        const char op = Current();
        if (op == '^' && !BeforeLastIndex()) {
            Fail(msg::kPowerNoDigit);
            return 0.0;
        }
        if (m_cursor == 0 || !IsPowerOperand(Before(m_cursor))) {
            Fail(msg::kPowerMisplaced);
            return 0.0;
        }
        ++m_cursor;
        MathResult result;
        if (op == kSquareSign) {
            result = MathFunctions::Square(value);
        } else {
            bool negative = false;
            if (Current() == kNegationSign) {
                negative = true;
                ++m_cursor;
            }
            double exponent = Factorials(JuxtaposedProduct());
            if (Failed()) {
                return 0.0;
            }
            if (negative) {
                exponent = -exponent;
            }
            result = MathFunctions::Power(value, exponent);
        }
        if (!result.error.empty()) {
            Fail(result.error);
            return 0.0;
        }
        value = result.value;
    }
    return value;
}

void ExpressionParser::SuffixStore(double value) {
    // value=|Mn|: the cursor stands after `=`; the digit is two places on, past bar and M.
    const std::size_t digitAt = m_cursor + 2;
    if (digitAt >= m_text.size()) {
        Fail(msg::kStoreSyntax);
        return;
    }
    const char digit = m_text[digitAt];
    if (!IsDigit(digit)) {
        Fail(msg::kStoreNoValidNumber);
        return;
    }
    const char name[] = {'M', digit};
    if (!m_evaluator.Memory(std::string_view(name, 2))) {
        Fail(msg::kMemoryNotFound);
        return;
    }
    // As for the prefix store: a value that overflowed is shown as an error, never kept.
    if (std::isfinite(value)) {
        m_evaluator.ReplaceMemory(std::string_view(name, 2), value);
        m_evaluator.ReportMemoryStore(digit, value, digit == '1' ? "%.11g" : "%g");
    }
    m_cursor = digitAt + 1;
    if (Current() == kMemoryBar) {
        ++m_cursor;
    }
}

double ExpressionParser::Bitwise(double left, double right, char op) {
    if (Failed()) {
        return 0.0;
    }
    const auto a = LowWord32(left);
    const auto b = LowWord32(right);
    if (!a || !b) {
        Fail(msg::kMathError);  // no integer to take the bits of (infinite, NaN, beyond 2^63)
        return 0.0;
    }
    std::int32_t bits = 0;
    if (op == '&') {
        bits = *a & *b;
    } else if (op == '|') {
        bits = *a | *b;
    } else {
        bits = *a ^ *b;
    }
    return static_cast<double>(bits);
}

void ExpressionParser::RefuseDigitAfterClose() {
    if (IsHexDigit(Current())) {
        Fail(msg::kMathError);
    }
}

}  // namespace zyk
