#include "console/LineEvaluator.h"

#include <cstdio>

#include "calculator/Calculator.h"
#include "calculator/ExpressionLine.h"
#include "charset/Windows1252.h"

namespace zyk {
namespace {

constexpr std::string_view kNotUtf8 = "the text is not valid UTF-8";
constexpr std::string_view kTooLong = "the line is longer than the calculator's 100000 characters";

}  // namespace

std::string UntypableTextReason(std::string_view utf8) {
    const auto bad = windows1252::FirstUnmappable(utf8);
    if (!bad || *bad == 0xFFFD) {
        return std::string(kNotUtf8);
    }
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*bad));
    return std::string("the character ") + code +
           " has no place in the calculator's character set (Windows-1252)";
}

bool LineEvaluator::Evaluate(std::string_view utf8Line, std::string& out) {
    if (utf8Line.empty()) {
        return false;
    }
    auto bytes = windows1252::FromUtf8(utf8Line);
    if (!bytes) {
        out += UntypableTextReason(utf8Line);
        return true;
    }
    if (bytes->size() > ExpressionLine::kMaxLength) {
        out += kTooLong;
        return true;
    }
    // An error leaves its expression on the line for correction; the next line is typed afresh,
    // as after AC.
    if (m_calculator.ResultIsError() && !m_calculator.ExpressionText().empty()) {
        m_calculator.Execute(CalculatorCommand::AllClear);
    }
    m_calculator.TypeText(*bytes);
    m_calculator.Execute(CalculatorCommand::Exe);
    out += windows1252::ToUtf8(m_calculator.ResultText());
    return m_calculator.ResultIsError();
}

}  // namespace zyk
