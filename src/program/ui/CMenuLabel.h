#pragma once

#include <QLabel>

class QMenu;

namespace zyk {

// A static text that acts as an item of a menu bar: a click, or Alt with its underlined letter,
// opens its popup menu just below it.
class CMenuLabel : public QLabel {
    Q_OBJECT

public:
    // text: with '&' before the letter to underline ("&File").
    CMenuLabel(const QString& text, QMenu& menu, QWidget* parent);

    void PopUp();
    QMenu& Menu() { return m_menu; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QMenu& m_menu;
};

}  // namespace zyk
