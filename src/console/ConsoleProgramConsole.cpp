#include "console/ConsoleProgramConsole.h"

#include <istream>
#include <ostream>

#include "charset/Windows1252.h"

namespace zyk {

void ConsoleProgramConsole::SetExpressionLine(std::string_view text, bool editing) {
    m_calculator.SetExpressionLine(text, editing);
}

void ConsoleProgramConsole::SetResultLine(std::string_view text, bool editing) {
    m_calculator.SetResultLine(text, editing);
    Print(text);
}

void ConsoleProgramConsole::ShowErrorLine(std::string_view text) {
    m_calculator.ShowErrorLine(text);
    Print(text);
}

void ConsoleProgramConsole::Print(std::string_view text) {
    // Clearing the line shows nothing new.
    if (!text.empty()) {
        m_out << windows1252::ToUtf8(text) << '\n';
        m_out.flush();
    }
}

ProgramConsole::Evaluation ConsoleProgramConsole::EvaluateText(std::string_view expression) {
    return m_calculator.EvaluateText(expression);
}

bool ConsoleProgramConsole::InputEnded() const {
    return m_in.peek() == std::istream::traits_type::eof();
}

bool ConsoleProgramConsole::ReadExpressionLine(std::string& text) {
    std::string line;
    if (!std::getline(m_in, line)) {
        line.clear();  // the run stops before it reads past the end; an empty line reads 0
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    // Text that is not UTF-8 (or has no Windows-1252 byte) is taken as the bytes it is.
    const auto bytes = windows1252::FromUtf8(line);
    m_calculator.SetExpressionLine(bytes ? *bytes : line, true);
    return m_calculator.ReadExpressionLine(text);
}

void ConsoleProgramConsole::EnterProgramMode() {
    m_calculator.EnterProgramMode();
}

void ConsoleProgramConsole::LeaveProgramMode() {
    m_calculator.LeaveProgramMode();
}

}  // namespace zyk
