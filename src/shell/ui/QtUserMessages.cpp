#include "shell/ui/QtUserMessages.h"

#include <QMessageBox>

#include "shell/qt/QtText.h"
#include "shell/ui/CTextQuestionDlg.h"

namespace zyk {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtUserMessages::QtUserMessages(QWidget* parent) : m_parent(parent) {}

std::unique_ptr<QMessageBox> QtUserMessages::MakeMessageBox(std::string_view text,
                                                            std::string_view caption,
                                                            MessageIcon icon,
                                                            MessageButtons buttons,
                                                            QWidget* parent) {
    const std::string_view title = caption.empty() ? kApplicationTitle : caption;
    const bool askYesNo = buttons == MessageButtons::YesNo;
    auto box = std::make_unique<QMessageBox>(
        ToQtIcon(icon), ToQString(title, false), ToQString(text, false),
        askYesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
    box->setDefaultButton(askYesNo ? QMessageBox::Yes : QMessageBox::Ok);
    return box;
}

MessageAnswer QtUserMessages::ShowMessage(std::string_view text, std::string_view caption,
                                          MessageIcon icon, MessageButtons buttons) {
    const bool askYesNo = buttons == MessageButtons::YesNo;
    const std::unique_ptr<QMessageBox> box =
        MakeMessageBox(text, caption, icon, buttons, m_parent.data());
    const int answer = box->exec();
    if (!askYesNo) {
        return MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> QtUserMessages::AskText(std::string_view title, std::string_view prompt,
                                                   std::string_view initial) {
    CTextQuestionDlg dialog(ToQString(title, false), ToQString(prompt, false),
                            ToQString(initial, false), m_parent.data());
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Answer();
}

}  // namespace zyk
