#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

#include "shell/UserMessages.h"

class QMessageBox;

namespace zyk {

// Message boxes and one-line questions as Qt dialogs, owned by a parent window (or none).
class QtUserMessages : public UserMessages {
public:
    explicit QtUserMessages(QWidget* parent = nullptr);

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> AskText(std::string_view title, std::string_view prompt,
                                       std::string_view initial) override;

    // The box ShowMessage shows (also for screenshots).
    static std::unique_ptr<QMessageBox> MakeMessageBox(std::string_view text,
                                                       std::string_view caption, MessageIcon icon,
                                                       MessageButtons buttons, QWidget* parent);

private:
    QPointer<QWidget> m_parent;
};

}  // namespace zyk
