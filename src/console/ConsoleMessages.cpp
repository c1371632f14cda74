#include "console/ConsoleMessages.h"

#include <ostream>

#include "charset/Windows1252.h"

namespace zyk {

MessageAnswer ConsoleMessages::ShowMessage(std::string_view text, std::string_view caption,
                                           MessageIcon /*icon*/, MessageButtons buttons) {
    const std::string_view title = caption.empty() ? kApplicationTitle : caption;
    m_err << windows1252::ToUtf8(title) << ": " << windows1252::ToUtf8(text) << '\n';
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::optional<std::string> ConsoleMessages::AskText(std::string_view /*title*/,
                                                    std::string_view /*prompt*/,
                                                    std::string_view /*initial*/) {
    return std::nullopt;
}

}  // namespace zyk
