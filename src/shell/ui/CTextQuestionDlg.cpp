#include "shell/ui/CTextQuestionDlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ShellMessages.h"
#include "shell/qt/QtText.h"

namespace zyk {

CTextQuestionDlg::CTextQuestionDlg(const QString& title, const QString& prompt,
                                   const QString& initial, QWidget* parent)
    : QDialog(parent), m_field(new QLineEdit(initial, this)) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(m_field);
    layout->addWidget(label);
    layout->addWidget(m_field);
    m_field->selectAll();
    m_field->setMinimumWidth(240);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_ok = new QPushButton(ToQString(shell_text::kQuestionOk, false), this);
    auto* cancel = new QPushButton(ToQString(shell_text::kQuestionCancel, false), this);
    m_ok->setDefault(true);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &CTextQuestionDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CTextQuestionDlg::reject);
}

void CTextQuestionDlg::accept() {
    const std::optional<std::string> bytes = FromQString(m_field->text());
    if (!bytes) {
        QApplication::beep();
        m_field->setFocus();
        return;
    }
    m_answer = *bytes;
    QDialog::accept();
}

}  // namespace zyk
