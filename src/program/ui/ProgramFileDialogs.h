#pragma once

#include <QString>

class QWidget;

namespace zyk {

// What a file dialog of the programming window is opened with.
struct FileDialogRequest {
    QString title;
    QString filter;  // "Name (*.ext)", several joined by ";;"
    QString folder;  // where it starts; empty: where the platform likes
    QString defaultSuffix;
};

// The file dialogs of the programming window. The window uses Qt's; tests answer in their place.
class ProgramFileDialogs {
public:
    virtual ~ProgramFileDialogs() = default;

    // An existing file chosen to open, or empty when the user cancelled.
    virtual QString ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) = 0;
    // A file name chosen to save under (it may not exist yet), or empty when cancelled.
    virtual QString ChooseFileToSave(QWidget* parent, const FileDialogRequest& request) = 0;
};

}  // namespace zyk
