#pragma once

#include <QObject>
#include <QTemporaryDir>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "shell/UserMessages.h"

namespace zyk {

// What a window in a screenshot works with in place of the user's: a scratch folder of its own
// and messages that answer by themselves, so a screenshot never touches the user's files nor
// waits for a message box. Made the child of the window it serves, it lives as long as that.
class ScreenshotScratch : public QObject, public UserMessages {
public:
    std::filesystem::path Folder() const;

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> AskText(std::string_view title, std::string_view prompt,
                                       std::string_view initial) override;

private:
    QTemporaryDir m_folder;
};

}  // namespace zyk
