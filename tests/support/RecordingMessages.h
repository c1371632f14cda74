#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/UserMessages.h"

namespace zyk::test {

// Records every message box and text question instead of showing it, answering with preset
// answers.
class RecordingMessages : public UserMessages {
public:
    struct Shown {
        std::string text, caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) override {
        shown.push_back(Shown{std::string(text), std::string(caption), icon, buttons});
        return answer;
    }
    // Recorded as "title|prompt".
    std::optional<std::string> AskText(std::string_view title, std::string_view prompt,
                                       std::string_view) override {
        questions.push_back(std::string(title) + "|" + std::string(prompt));
        return textAnswer;
    }

    // The texts of the message boxes shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& box : shown) {
            texts.push_back(box.text);
        }
        return texts;
    }

    std::vector<Shown> shown;
    std::vector<std::string> questions;
    MessageAnswer answer = MessageAnswer::Ok;
    std::optional<std::string> textAnswer;
};

}  // namespace zyk::test
