#pragma once

#include "program/ui/ProgramFileDialogs.h"

namespace zyk {

// Qt's file dialogs. Saving over an existing file asks first, as Qt's dialog does.
class QtProgramFileDialogs : public ProgramFileDialogs {
public:
    QString ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override;
    QString ChooseFileToSave(QWidget* parent, const FileDialogRequest& request) override;
};

}  // namespace zyk
