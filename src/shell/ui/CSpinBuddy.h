#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace zyk {

// The up and down arrows beside a number field. They step the field's number within their range
// (a number outside it steps from the nearer end), and so do the arrow keys in the field. What
// is typed is the field's business: a number out of range stays until the dialog checks it.
class CSpinBuddy : public QWidget {
    Q_OBJECT

public:
    CSpinBuddy(QLineEdit& field, int minimum, int maximum, QWidget* parent = nullptr);

    // +1 up, -1 down.
    void Step(int steps);
    QToolButton& UpButton() { return *m_up; }
    QToolButton& DownButton() { return *m_down; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit& m_field;
    int m_minimum;
    int m_maximum;
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace zyk
