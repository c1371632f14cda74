#include "calculator/ui/CCalculatorDisplay.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include "calculator/Calculator.h"
#include "calculator/ui/CExpressionEdit.h"
#include "shell/ColourScheme.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CFitLabel.h"
#include "shell/ui/CSchemeBackground.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

// Answers light on the dark panel, errors in a warm tone so they are told apart at a glance,
// the status labels dimmer than both.
constexpr ColorRef kResultText = Rgb(240, 240, 235);
constexpr ColorRef kErrorText = Rgb(255, 160, 120);
constexpr ColorRef kStatusText = Rgb(170, 200, 215);
constexpr ColorRef kSelection = Rgb(110, 120, 60);
constexpr int kExpressionPoints = 12;
constexpr int kResultPoints = 15;
constexpr int kStatusPoints = 8;
constexpr int kMargin = 6;

QFont DisplayFont(const QString& face, int points, bool bold) {
    QFont font(face, points);
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget& widget, ColorRef colour) {
    QPalette palette = widget.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, ToQColor(colour));
        palette.setColor(group, QPalette::Text, ToQColor(colour));
    }
    widget.setPalette(palette);
}

}  // namespace

CCalculatorDisplay::CCalculatorDisplay(const QString& fontFace, QWidget* parent)
    : QWidget(parent),
      m_background(ToQColor(kTintedDisplayBackground)),
      m_expression(new CExpressionEdit(this)),
      m_result(new CFitLabel(this)),
      m_angle(new QLabel(this)),
      m_mode(new QLabel(this)),
      m_hyp(new QLabel(this)) {
    setObjectName(QString::number(kIdcDisplay));
    m_expression->setObjectName(QString::number(kIdcExpressionLine));

    SetDisplayFont(fontFace);
    m_angle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_mode->setAlignment(Qt::AlignCenter);
    m_hyp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A long error text must not widen the window.
    m_result->setMinimumWidth(1);
    m_result->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(kMargin, kMargin / 2, kMargin, kMargin / 2);
    layout->setHorizontalSpacing(kMargin);
    layout->setVerticalSpacing(2);
    layout->addWidget(m_angle, 0, 0);
    layout->addWidget(m_mode, 0, 1);
    layout->addWidget(m_hyp, 0, 2);
    layout->addWidget(m_expression, 1, 0, 1, 3);
    layout->addWidget(m_result, 2, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(2, 1);

    ColourChildren();
}

void CCalculatorDisplay::SetDisplayFont(const QString& fontFace) {
    const QFont status = DisplayFont(fontFace, kStatusPoints, false);
    for (QLabel* label : {m_angle, m_mode, m_hyp}) {
        label->setFont(status);
        label->setFixedHeight(QFontMetrics(status).height());
    }
    m_expression->setFont(DisplayFont(fontFace, kExpressionPoints, false));
    m_result->setFont(DisplayFont(fontFace, kResultPoints, true));
    m_result->setMinimumHeight(QFontMetrics(m_result->font()).height() + 2);
}

void CCalculatorDisplay::SetBackground(const QColor& background) {
    if (background == m_background) {
        return;
    }
    m_background = background;
    ColourChildren();
    update();
}

void CCalculatorDisplay::Show(const Calculator& calculator) {
    const bool backward = calculator.Caret() == calculator.SelectionStart() &&
                          calculator.SelectionStart() != calculator.SelectionEnd();
    const std::size_t anchor = backward ? calculator.SelectionEnd() : calculator.SelectionStart();
    const bool selection = calculator.SelectionStart() != calculator.SelectionEnd();
    // The line is capped far below INT_MAX, so Qt's int positions hold every caret.
    m_expression->ShowLine(ToQString(calculator.ExpressionText()),
                           static_cast<int>(selection ? anchor : calculator.Caret()),
                           static_cast<int>(calculator.Caret()));

    const QString result = ToQString(calculator.ResultText());
    if (m_result->text() != result) {
        m_result->SetText(result);
    }
    if (calculator.ResultIsError() != m_resultShowsError) {
        m_resultShowsError = calculator.ResultIsError();
        SetTextColour(*m_result, m_resultShowsError ? kErrorText : kResultText);
    }
    m_angle->setText(ToQString(calculator.AngleLabel()));
    m_mode->setText(ToQString(calculator.ModeLabel()));
    m_hyp->setText(ToQString(calculator.HypLabel()));
}

void CCalculatorDisplay::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, m_background);
    // A sunken edge, like the window of a hand-held's display.
    painter.setPen(m_background.darker(160));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(m_background.lighter(140));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
}

void CCalculatorDisplay::contextMenuEvent(QContextMenuEvent* event) {
    // The result line and the status labels pass their right clicks up to here.
    emit MenuRequested(event->globalPos());
    event->accept();
}

void CCalculatorDisplay::ColourChildren() {
    QPalette line = m_expression->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        line.setColor(group, QPalette::Base, m_background);
        line.setColor(group, QPalette::Text, CSchemeBackground::ExpressionText());
        line.setColor(group, QPalette::Highlight, ToQColor(kSelection));
        line.setColor(group, QPalette::HighlightedText, CSchemeBackground::ExpressionText());
    }
    m_expression->setPalette(line);
    SetTextColour(*m_result, m_resultShowsError ? kErrorText : kResultText);
    for (QLabel* label : {m_angle, m_mode, m_hyp}) {
        SetTextColour(*label, kStatusText);
    }
}

}  // namespace zyk
