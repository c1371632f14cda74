#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace zyk {

// Shows where the keyboard focus is once the keyboard has moved it (Tab, Shift+Tab, a
// mnemonic): a dotted frame around the focused control, drawn over its window, so that it shows
// on skinned buttons, lists and the scheme's dark fields alike. A mouse click puts it away until
// the keyboard moves the focus again. One indicator serves every window of the application.
class CFocusIndicator : public QObject {
    Q_OBJECT

public:
    // Watches the whole application (QApplication must exist).
    explicit CFocusIndicator(QObject* parent = nullptr);
    ~CFocusIndicator() override;

    // The control framed now, or nullptr when no frame shows.
    QWidget* Target() const;
    // The frame itself (a child of the target's parent), or nullptr.
    QWidget* Frame() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow(QWidget* target);
    void Place();

    QPointer<QWidget> m_target;
    QPointer<QWidget> m_frame;
};

}  // namespace zyk
