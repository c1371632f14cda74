#include "shell/ui/CFolderPicker.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include <string>

#include "shell/FolderPath.h"
#include "shell/qt/QtText.h"
#include "shell/ui/QtUserMessages.h"

namespace zyk {
namespace {

// The initial folder, or the nearest folder above it that exists; the process's current folder
// when none is given.
QString StartFolder(const QString& initialFolder) {
    if (initialFolder.isEmpty() || !QDir::isAbsolutePath(initialFolder)) {
        return QDir::currentPath();
    }
    QString folder = QDir::cleanPath(initialFolder);
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder) {
            return QDir::currentPath();
        }
        folder = parent;
    }
    return folder;
}

}  // namespace

CFolderPicker::CFolderPicker(const QString& caption, const QString& title,
                             const QString& initialFolder, UserMessages* messages, QWidget* parent)
    : QFileDialog(parent, caption, StartFolder(initialFolder)),
      m_ownMessages(messages == nullptr ? std::make_unique<QtUserMessages>(this) : nullptr),
      m_messages(messages == nullptr ? *m_ownMessages : *messages) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    setLabelText(QFileDialog::FileName, title);
    setLabelText(QFileDialog::Accept, QStringLiteral("OK"));
    m_path = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (m_path == nullptr) {
        // Qt's dialog always has the field; should it ever lose it, a field of our own serves.
        m_path = new QLineEdit(this);
    }
    // The initial folder is the one OK takes (offering to create it when it is missing) unless
    // another is chosen or typed.
    m_path->setText(QDir::isAbsolutePath(initialFolder) ? initialFolder
                                                        : directory().absolutePath());
    // Qt's dialog greys OK for a folder that does not exist; here OK creates it. OK is enabled
    // exactly while the field holds a path.
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        m_ok = buttons->button(QDialogButtonBox::Open);
    }
    if (m_ok != nullptr) {
        m_ok->installEventFilter(this);
        connect(m_path, &QLineEdit::textChanged, this, &CFolderPicker::UpdateOkButton);
        UpdateOkButton();
    }
}

void CFolderPicker::UpdateOkButton() {
    const bool enabled = !m_path->text().isEmpty();
    if (m_ok != nullptr && m_ok->isEnabled() != enabled) {
        m_ok->setEnabled(enabled);
    }
}

bool CFolderPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ok && event->type() == QEvent::EnabledChange) {
        // After Qt's dialog has finished its own update.
        QMetaObject::invokeMethod(this, &CFolderPicker::UpdateOkButton, Qt::QueuedConnection);
    }
    return QFileDialog::eventFilter(watched, event);
}

CFolderPicker::~CFolderPicker() = default;

std::optional<QString> CFolderPicker::Choose(const QString& caption, const QString& title,
                                             const QString& initialFolder, UserMessages* messages,
                                             QWidget* parent) {
    CFolderPicker picker(caption, title, initialFolder, messages, parent);
    if (picker.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return picker.ChosenFolder();
}

QString CFolderPicker::TypedFolder() const {
    const QString typed = m_path->text();
    if (typed.isEmpty()) {
        return directory().absolutePath();
    }
    if (typed == QStringLiteral("~") || typed.startsWith(QStringLiteral("~/"))) {
        return QDir::homePath() + typed.mid(1);
    }
    if (QDir::isAbsolutePath(typed)) {
        return typed;
    }
    // Joined as text: a name the check must refuse (a trailing blank) is kept as typed.
    QString folder = directory().absolutePath();
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder + typed;
}

void CFolderPicker::accept() {
    const QString folder = TypedFolder();
    bool ready = false;
    if (!FromQString(folder)) {
        // The settings keep folders as Windows-1252 text: a name it cannot hold is refused.
        std::string text(folder_path::kInvalid);
        text.replace(text.find("%s"), 2, FromQStringLossy(folder));
        m_messages.ShowMessage(text, "", MessageIcon::Warning, MessageButtons::Ok);
    } else {
        ready = folder_path::CheckAndCreate(folder.toStdString(), m_messages) ==
                folder_path::Outcome::Ready;
    }
    if (!ready) {
        m_path->setFocus();
        return;
    }
    m_chosen = folder.size() > 1 && folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder;
    QDialog::accept();
}

}  // namespace zyk
