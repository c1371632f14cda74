#include "program/ui/QtProgramFileDialogs.h"

#include <QFileDialog>

namespace zyk {
namespace {

QString Ask(QWidget* parent, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString QtProgramFileDialogs::ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) {
    return Ask(parent, request, false);
}

QString QtProgramFileDialogs::ChooseFileToSave(QWidget* parent, const FileDialogRequest& request) {
    return Ask(parent, request, true);
}

}  // namespace zyk
