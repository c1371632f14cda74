#include "shell/ui/CSchemeWindowColors.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>

#include "shell/ui/CSkinButton.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

bool IsEditControl(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr;
}

bool IsInsideComboBox(const QWidget* widget) {
    for (const QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) != nullptr) {
            return true;
        }
    }
    return false;
}

QPalette FieldPalette(const QPalette& base, ColorRef background, ColorRef text) {
    QPalette palette = base;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, ToQColor(background));
        palette.setColor(group, QPalette::AlternateBase, ToQColor(background));
        palette.setColor(group, QPalette::Text, ToQColor(text));
        palette.setColor(group, QPalette::Button, ToQColor(background));
        palette.setColor(group, QPalette::ButtonText, ToQColor(text));
    }
    return palette;
}

}  // namespace

CSchemeWindowColors::CSchemeWindowColors(QWidget& window, const SettingsStore& store)
    : CSchemeWindowColors(window, store, ControlColours{}) {}

CSchemeWindowColors::CSchemeWindowColors(QWidget& window, const SettingsStore& store,
                                         const ControlColours& controls)
    : QObject(&window), m_window(window), m_store(store), m_controls(controls) {
    m_window.installEventFilter(this);
}

void CSchemeWindowColors::AssignButton(CSkinButton& button, int family, int textColour) {
    m_buttons.push_back(ButtonAssignment{&button, family, textColour});
    if (m_scheme != INT_MIN) {
        button.ApplyAssignedColours(AssignButtonColours(m_colours, family, textColour));
    }
}

void CSchemeWindowColors::Exclude(QWidget& control) {
    m_excluded.emplace_back(&control);
}

bool CSchemeWindowColors::Refresh() {
    const int scheme = ReadSchemeNumber(m_store);
    if (scheme == m_scheme) {
        return false;
    }
    m_scheme = scheme;
    m_colours = ReadSchemeColours(m_store);
    AssignAllButtons();
    ApplyPalettes();
    m_redrawButtons = true;
    return true;
}

void CSchemeWindowColors::ApplyPalettes() {
    // Undo the previous colouring first, so controls that left the tinted look get the
    // platform's colours back.
    for (const QPointer<QWidget>& widget : m_coloured) {
        if (widget) {
            widget->setPalette(QPalette());
        }
    }
    m_coloured.clear();
    if (!IsTinted()) {
        m_window.setAutoFillBackground(false);
        return;
    }

    QPalette windowPalette = m_window.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        windowPalette.setColor(group, QPalette::Window, ToQColor(m_colours.background));
    }
    windowPalette.setColor(QPalette::Active, QPalette::WindowText, ToQColor(m_controls.staticText));
    windowPalette.setColor(QPalette::Inactive, QPalette::WindowText,
                           ToQColor(m_controls.staticText));
    Colour(m_window, windowPalette);
    m_window.setAutoFillBackground(true);

    const QPalette edit =
        FieldPalette(windowPalette, m_controls.editBackground, m_controls.editText);
    const QPalette list =
        FieldPalette(windowPalette, m_controls.listBackground, m_controls.listText);
    for (QWidget* child : m_window.findChildren<QWidget*>()) {
        if (IsExcluded(child)) {
            continue;
        }
        if (IsEditControl(child)) {
            Colour(*child, edit);
        } else if (qobject_cast<QAbstractItemView*>(child) != nullptr && !IsInsideComboBox(child)) {
            Colour(*child, list);
        }
    }
}

QColor CSchemeWindowColors::Background() const {
    return ToQColor(m_colours.background);
}

QColor CSchemeWindowColors::DarkBackground() const {
    return ToQColor(m_colours.darkBackground);
}

bool CSchemeWindowColors::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window) {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::Polish:
                // Controls may have been added since the last change.
                if (!Refresh()) {
                    ApplyPalettes();
                }
                break;
            case QEvent::UpdateRequest:
            case QEvent::Paint:
                // A hidden window catches up when it is shown.
                if (!m_window.isVisible()) {
                    break;
                }
                Refresh();
                if (m_redrawButtons) {
                    RedrawButtons();
                }
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CSchemeWindowColors::AssignAllButtons() {
    for (const ButtonAssignment& assignment : m_buttons) {
        if (assignment.button) {
            assignment.button->ApplyAssignedColours(
                AssignButtonColours(m_colours, assignment.family, assignment.textColour));
        }
    }
}

void CSchemeWindowColors::RedrawButtons() {
    m_redrawButtons = false;
    for (const ButtonAssignment& assignment : m_buttons) {
        if (assignment.button) {
            assignment.button->Redraw();
        }
    }
}

bool CSchemeWindowColors::IsExcluded(const QWidget* widget) const {
    return std::any_of(m_excluded.begin(), m_excluded.end(), [widget](const QPointer<QWidget>& w) {
        return w && (w == widget || w->isAncestorOf(widget));
    });
}

void CSchemeWindowColors::Colour(QWidget& widget, const QPalette& palette) {
    widget.setPalette(palette);
    m_coloured.emplace_back(&widget);
}

}  // namespace zyk
