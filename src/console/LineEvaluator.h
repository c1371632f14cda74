#pragma once

#include <string>
#include <string_view>

namespace zyk {

class Calculator;

// The lines of `zykcalc --eval -`, one after the other in one calculator: each line is typed as
// --eval TEXT types it and EXE is pressed, so memories, the last answer, formula variables and a
// loaded formula carry over from line to line, as when a user types them one after the other.
class LineEvaluator {
public:
    explicit LineEvaluator(Calculator& calculator) : m_calculator(calculator) {}

    // Evaluates one input line (UTF-8, its line end removed) and appends the output line (UTF-8,
    // without a line end) to `out`. Returns true when the line gave an error text or could not
    // be typed. An empty line prints an empty line and changes nothing.
    bool Evaluate(std::string_view utf8Line, std::string& out);

private:
    Calculator& m_calculator;
};

// Why a UTF-8 text cannot be typed into the calculator (a character without a Windows-1252
// byte, or no valid UTF-8), for a message.
std::string UntypableTextReason(std::string_view utf8);

}  // namespace zyk
