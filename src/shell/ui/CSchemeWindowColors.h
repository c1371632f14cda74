#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

#include <climits>
#include <vector>

#include "shell/ColourScheme.h"
#include "shell/SettingsStore.h"

class QWidget;

namespace zyk {

class CSkinButton;

// A skinned button's look in the tinted schemes: a family (1-4) and a text colour (1-3). A button
// takes the look of what it does, so buttons that do alike look alike in every window.
struct ButtonLook {
    int family;
    int textColour;
};
// Puts something into the calculator: Insert, ">>", the programming window's insert buttons.
inline constexpr ButtonLook kInsertLook{1, 2};
// Works out something or closes the window: Convert, Calculate, Clear, Run, OK, Cancel.
inline constexpr ButtonLook kActionLook{2, 2};
// Changes a file or a list: Add, Edit, Delete, Rename, a folder's "...".
inline constexpr ButtonLook kEditLook{3, 1};
// Opens a menu.
inline constexpr ButtonLook kMenuLook{4, 3};

// The colour state of one skinned window. It follows the scheme lazily: whenever the window is
// about to paint or be shown, it reads "Colors" "Preset"; when that changed it re-reads the
// colours, re-colours the window's controls and skinned buttons, and redraws the buttons with
// the next paint. Windows that are hidden during a change catch up when they are shown.
//
// Tinted schemes: window background "clrBk" with dark static text, edit fields and combo boxes
// dark blue with yellow text, lists dark with light text. The plain scheme: platform colours.
class CSchemeWindowColors : public QObject {
    Q_OBJECT

public:
    struct ControlColours {
        ColorRef editBackground = kEditFieldBackground;
        ColorRef editText = kEditFieldText;
        ColorRef listBackground = kListBoxBackground;
        ColorRef listText = kListBoxText;
        ColorRef staticText = kStaticText;
    };

    // Becomes a child of the window and watches its events. The store must outlive the window.
    CSchemeWindowColors(QWidget& window, const SettingsStore& store);
    CSchemeWindowColors(QWidget& window, const SettingsStore& store,
                        const ControlColours& controls);

    // Gives a skinned button the colours of a family (1-4) and text colour (1-3), now and after
    // every scheme change.
    void AssignButton(CSkinButton& button, int family, int textColour);
    void AssignButton(CSkinButton& button, ButtonLook look) {
        AssignButton(button, look.family, look.textColour);
    }
    // A control that keeps its own colours (a code editor, a display).
    void Exclude(QWidget& control);

    // Picks up a changed scheme; true when it changed (the first call always does).
    bool Refresh();
    // Colours the window's present controls for the current scheme.
    void ApplyPalettes();

    int Scheme() const { return m_scheme; }
    bool IsTinted() const { return m_scheme > 0; }
    const SchemeColours& Colours() const { return m_colours; }
    // "clrBk" and "clrBkk" (in the plain scheme these hold the platform's face colour).
    QColor Background() const;
    QColor DarkBackground() const;
    bool RedrawButtonsPending() const { return m_redrawButtons; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ButtonAssignment {
        QPointer<CSkinButton> button;
        int family;
        int textColour;
    };

    void AssignAllButtons();
    void RedrawButtons();
    bool IsExcluded(const QWidget* widget) const;
    void Colour(QWidget& widget, const QPalette& palette);

    QWidget& m_window;
    const SettingsStore& m_store;
    ControlColours m_controls;
    int m_scheme = INT_MIN;
    SchemeColours m_colours;
    bool m_redrawButtons = false;
    std::vector<ButtonAssignment> m_buttons;
    std::vector<QPointer<QWidget>> m_excluded;
    std::vector<QPointer<QWidget>> m_coloured;
};

}  // namespace zyk
