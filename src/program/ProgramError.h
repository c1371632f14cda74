#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "program/ProgramMessages.h"

namespace zyk {

// Why a statement (or the pre-run check) stopped the run.
struct ProgramError {
    std::string message;
    // What the error line shows in place of the program line; nothing: the line itself.
    std::optional<std::string> shownText;
    // The message came from the calculator's own evaluator.
    bool fromEvaluator = false;
};

// "[ " + line number (from 1) + ": " + text + " ]  " + message.
inline std::string FormatErrorLine(int lineIndex, std::string_view text, std::string_view message) {
    namespace msg = program_messages;
    std::string line(msg::kErrorLineOpen);
    line += std::to_string(lineIndex + 1);
    line += msg::kErrorLineColon;
    line += text;
    line += msg::kErrorLineClose;
    line += message;
    return line;
}

}  // namespace zyk
