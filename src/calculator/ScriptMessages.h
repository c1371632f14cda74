#pragma once

#include <deque>
#include <string>

#include "shell/UserMessages.h"

namespace zyk {

// Messages for a calculator driven by a script (the console's --keys, tests): message boxes go
// on to another UserMessages, text questions take the queued answers in order, and cancel when
// none is queued.
class ScriptMessages : public UserMessages {
public:
    explicit ScriptMessages(UserMessages& boxes) : m_boxes(boxes) {}

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) override {
        return m_boxes.ShowMessage(text, caption, icon, buttons);
    }

    std::optional<std::string> AskText(std::string_view /*title*/, std::string_view /*prompt*/,
                                       std::string_view /*initial*/) override {
        if (m_answers.empty()) {
            return std::nullopt;
        }
        std::string answer = std::move(m_answers.front());
        m_answers.pop_front();
        return answer;
    }

    void QueueAnswer(std::string answer) { m_answers.push_back(std::move(answer)); }
    void DropAnswers() { m_answers.clear(); }

private:
    UserMessages& m_boxes;
    std::deque<std::string> m_answers;
};

}  // namespace zyk
