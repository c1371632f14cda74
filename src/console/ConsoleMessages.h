#pragma once

#include <iosfwd>
#include <string>

#include "shell/UserMessages.h"

namespace zyk {

// Message boxes on a terminal: the text goes to stderr and the default answer is taken (OK, or
// Yes for a question). Questions for a text cancel: a script that answers them wraps these
// messages in ScriptMessages.
class ConsoleMessages : public UserMessages {
public:
    explicit ConsoleMessages(std::ostream& err) : m_err(err) {}

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> AskText(std::string_view title, std::string_view prompt,
                                       std::string_view initial) override;

private:
    std::ostream& m_err;
};

}  // namespace zyk
