#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zyk {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The caption of "application message boxes" (those that name no caption of their own).
inline constexpr std::string_view kApplicationTitle = "Zyk Calc";

// The formula name question: Save As of the calculator and Rename of "Get a formula".
inline constexpr std::string_view kFormulaNameTitle = "Formula name ?";
inline constexpr std::string_view kFormulaNamePrompt = "Enter a name for the formula:";

// How the core talks to the user: message boxes and small questions. The windows implement it
// with QMessageBox and dialogs; the console prints to stderr and takes the default answer.
// All texts are Windows-1252 byte strings.
class UserMessages {
public:
    virtual ~UserMessages() = default;

    // An empty caption means the application's title.
    virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                                      MessageIcon icon, MessageButtons buttons) = 0;

    // Asks for a line of text (for example "Formula name ?" / "Enter a name for the formula:").
    // Nothing when the user cancels.
    virtual std::optional<std::string> AskText(std::string_view title, std::string_view prompt,
                                               std::string_view initial) = 0;

    // Asks for the name of a formula; nothing when the user cancels. The windows show their own
    // dialog; elsewhere it is the text question "Formula name ?".
    virtual std::optional<std::string> AskFormulaName() {
        return AskText(kFormulaNameTitle, kFormulaNamePrompt, {});
    }
};

}  // namespace zyk
