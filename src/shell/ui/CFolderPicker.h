#pragma once

#include <QFileDialog>

#include <memory>
#include <optional>

#include "shell/UserMessages.h"

class QLineEdit;
class QPushButton;

namespace zyk {

// The folder picker of the Options dialog: Qt's own folder dialog (the same on every desktop,
// with a field where a path can be typed), with the caller's caption; the title labels the
// typed-path field. It opens on the initial folder (or the nearest folder above it that exists)
// with the initial folder in the field. OK takes the typed path (relative to the folder shown),
// checks it and, after asking, creates the missing folders; a refused path keeps the picker open
// with the focus in the field.
class CFolderPicker : public QFileDialog {
    Q_OBJECT

public:
    // messages: nullptr for message boxes over the picker.
    CFolderPicker(const QString& caption, const QString& title, const QString& initialFolder,
                  UserMessages* messages, QWidget* parent = nullptr);
    ~CFolderPicker() override;

    // Runs the picker; the chosen folder, or nothing when it was cancelled.
    static std::optional<QString> Choose(const QString& caption, const QString& title,
                                         const QString& initialFolder, UserMessages* messages,
                                         QWidget* parent);

    // The typed-path field.
    QLineEdit& PathField() const { return *m_path; }
    // The folder OK would check: the typed path made absolute.
    QString TypedFolder() const;
    // The folder accepted last.
    const QString& ChosenFolder() const { return m_chosen; }

    // Qt's OK button of the picker.
    QPushButton* OkButton() const { return m_ok; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateOkButton();

    std::unique_ptr<UserMessages> m_ownMessages;
    UserMessages& m_messages;
    QLineEdit* m_path;
    QPushButton* m_ok = nullptr;
    QString m_chosen;
};

}  // namespace zyk
