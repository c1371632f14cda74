#pragma once

#include <string>
#include <vector>

#include "shell/UserMessages.h"

namespace zyk {

// Records every message instead of showing it, answering with a preset answer.
class RecordingMessages : public UserMessages {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) override {
        shown.push_back(Shown{std::string(text), std::string(caption), icon, buttons});
        return answer;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return textAnswer;
    }

    std::vector<Shown> shown;
    MessageAnswer answer = MessageAnswer::Ok;
    std::optional<std::string> textAnswer;
};

}  // namespace zyk
