#pragma once

#include <deque>
#include <iosfwd>
#include <string>

#include "shell/UserMessages.h"

namespace zyk {

// Message boxes on a terminal: the text goes to stderr and the default answer is taken (OK, or
// Yes for a question). Questions for a text take the answers queued beforehand, or cancel.
class ConsoleMessages : public UserMessages {
public:
    explicit ConsoleMessages(std::ostream& err) : m_err(err) {}

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> AskText(std::string_view title, std::string_view prompt,
                                       std::string_view initial) override;

    void QueueAnswer(std::string answer) { m_answers.push_back(std::move(answer)); }

private:
    std::ostream& m_err;
    std::deque<std::string> m_answers;
};

}  // namespace zyk
