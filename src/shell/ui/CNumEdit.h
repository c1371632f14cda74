#pragma once

#include <QLineEdit>

namespace zyk {

// A number field: of the characters typed it takes only digits, 'e', '-', '.' and ';', and ','
// as '.'. Only typing is filtered: pasted text, editing keys and shortcuts work as in any field.
class CNumEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CNumEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zyk
