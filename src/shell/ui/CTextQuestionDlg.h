#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zyk {

// Asks for one line of text: a prompt, an edit field, OK and Cancel. OK is refused (with a beep)
// while the text holds a character the calculator cannot store.
class CTextQuestionDlg : public QDialog {
    Q_OBJECT

public:
    CTextQuestionDlg(const QString& title, const QString& prompt, const QString& initial,
                     QWidget* parent = nullptr);

    // The accepted text as Windows-1252 bytes.
    std::string Answer() const { return m_answer; }
    QLineEdit& Field() { return *m_field; }
    QPushButton& OkButton() { return *m_ok; }

    void accept() override;

private:
    QLineEdit* m_field;
    QPushButton* m_ok;
    std::string m_answer;
};

}  // namespace zyk
