#include "statistics/ui/CPlatformFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "shell/qt/QtText.h"

namespace zyk {
namespace {

// The question the save dialog asks before it makes a new file.
QString CreatePrompt(const QString& path) {
    return QFileInfo(path).fileName() +
           QStringLiteral("\nThis file does not exist.\nDo you want to create it?");
}

QFileDialog* MakeDialog(QWidget* parent, const DataFileDialogs::Request& request) {
    auto* dialog = new QFileDialog(parent, request.title, request.folder, request.filter);
    dialog->setDefaultSuffix(request.suffix);
    return dialog;
}

std::optional<QString> Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

}  // namespace

std::optional<QString> CPlatformFileDialogs::ChooseFileToOpen(QWidget* parent,
                                                              const Request& request) {
    const std::unique_ptr<QFileDialog> dialog(MakeDialog(parent, request));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return Run(*dialog);
}

std::optional<QString> CPlatformFileDialogs::ChooseFileToSave(QWidget* parent,
                                                              const Request& request) {
    const std::unique_ptr<QFileDialog> dialog(MakeDialog(parent, request));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    while (const std::optional<QString> chosen = Run(*dialog)) {
        if (QFileInfo::exists(*chosen)) {
            return chosen;
        }
        const MessageAnswer answer = m_messages.ShowMessage(
            FromQStringLossy(CreatePrompt(*chosen)), FromQStringLossy(request.title),
            MessageIcon::Question, MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes) {
            return chosen;
        }
    }
    return std::nullopt;
}

}  // namespace zyk
