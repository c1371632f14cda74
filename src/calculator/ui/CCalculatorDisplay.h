#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

namespace zyk {

class Calculator;
class CExpressionEdit;
class CFitLabel;

// The calculator's display (control 1015): a dark panel with the three status labels on top
// (angle "[d]"/"[r]", mode "d", "hs", ..., hyp), the expression line and the result line. It
// shows what the calculator reports and nothing else.
class CCalculatorDisplay : public QWidget {
    Q_OBJECT

public:
    static constexpr int kIdcDisplay = 1015;
    static constexpr int kIdcExpressionLine = 1019;

    // fontFace: "Display" "Font".
    explicit CCalculatorDisplay(const QString& fontFace, QWidget* parent = nullptr);

    // "Display" "Font" for the labels and both lines.
    void SetDisplayFont(const QString& fontFace);

    // Background "clrDisplayBkC" (the scheme decides it).
    void SetBackground(const QColor& background);
    QColor Background() const { return m_background; }

    // Shows the calculator's lines, caret, selection and labels.
    void Show(const Calculator& calculator);

    CExpressionEdit& ExpressionLine() { return *m_expression; }
    CFitLabel& ResultLine() { return *m_result; }
    QLabel& AngleLabel() { return *m_angle; }
    QLabel& ModeLabel() { return *m_mode; }
    QLabel& HypLabel() { return *m_hyp; }

signals:
    // A right click anywhere on the display (the expression line reports its own).
    void MenuRequested(const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ColourChildren();

    QColor m_background;
    bool m_resultShowsError = false;
    CExpressionEdit* m_expression;
    CFitLabel* m_result;
    QLabel* m_angle;
    QLabel* m_mode;
    QLabel* m_hyp;
};

}  // namespace zyk
