#pragma once

#include <QLabel>

namespace zyk {

// A one-line label that never cuts its text off: a text wider than the label is drawn in a
// smaller font, down to a readable minimum, and only below that elided in the middle, with the
// whole text in the tool tip. text() always holds the whole text.
class CFitLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr int kMinimumPoints = 8;

    explicit CFitLabel(QWidget* parent = nullptr);

    // setText, and the tool tip that tells the whole text when it does not fit.
    void SetText(const QString& text);

    // What paintEvent draws now, for the width the label has: the font and the text.
    QFont FittedFont() const;
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void UpdateToolTip();
};

}  // namespace zyk
