#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/UserMessages.h"

namespace zyk::fuzz {

// Message boxes are kept instead of shown (answered with OK, or No for a question); a text
// question is cancelled.
class CountingMessages : public UserMessages {
public:
    MessageAnswer ShowMessage(std::string_view text, std::string_view, MessageIcon,
                              MessageButtons buttons) override {
        texts.emplace_back(text);
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }

    std::vector<std::string> texts;
};

}  // namespace zyk::fuzz
