#pragma once

#include <QDialog>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "calculator/CalculatorCommand.h"
#include "calculator/OptionsChoice.h"
#include "calculator/ui/KeyboardShortcuts.h"
#include "formulas/ConstantInsertTarget.h"
#include "shell/SettingsStore.h"
#include "shell/ToolWindowTable.h"
#include "shell/UserMessages.h"
#include "shell/ui/CHelpViewer.h"
#include "shell/ui/CSchemeBackground.h"
#include "shell/ui/ResourceLocator.h"
#include "shell/ui/ToolWindowManager.h"

class QMenu;
class QMenuBar;
class QAction;

namespace zyk {

class Calculator;
class CalculatorMenus;
class CCalculatorDisplay;
class CKeypad;
class CWindowPositionKeeper;

// What the calculator window is made with.
struct CalculatorWindowContext {
    SettingsStore& store;
    std::filesystem::path programFolder;  // UserEq.dat, the default Programs and Statistical
    ResourceLocator resources;            // background pictures, help pages
    UserMessages* messages = nullptr;     // nullptr: message boxes owned by the window
};

// The calculator's main window: the display, the keypad, the main menu and the popup menus over
// one Calculator, which it owns. Every button, key and menu item becomes a calculator command;
// the window then shows the calculator's state and does what the command's view effect asks
// (open a menu, the formula library, help, the About box, a tool window). It applies the colour
// scheme at start and follows later changes lazily; its keypad keeps its own colours.
class CCalculatorDlg : public QDialog, public ConstantInsertTarget {
    Q_OBJECT

public:
    explicit CCalculatorDlg(const CalculatorWindowContext& context, QWidget* parent = nullptr);
    ~CCalculatorDlg() override;

    // One command, handled to its end: the calculator runs it, the display follows, and its
    // view effect is carried out.
    void Execute(CalculatorCommand command);
    // A key press as the window's keyboard handles it; false for a key the calculator ignores.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    // Shows the calculator's current state (after the calculator was driven directly).
    void UpdateDisplay();

    // The tool windows' insert operations: the calculator inserts at the caret (or does nothing
    // unless the expression line is being edited) and the display shows it.
    void InsertNumberText(std::string_view text);
    void InsertFormulaWithValues(std::string_view text, double a, double b);
    void InsertConstant(std::string_view symbol, std::string_view valueText) override;

    // Writes the scheme of "Colors" "Preset" to the store, reloads the background picture and
    // the display colour, and repaints the tool windows (start-up and the Options dialog).
    void ApplyColourScheme();

    // The Options dialog's OK: the calculator writes the choice and takes its answer format and
    // decimals; the scheme is applied (every open window repainted); then either the program
    // restarts for a new calculator font or size, or the display font is applied at once and a
    // new caption offset re-lays the keypad.
    OptionsOutcome ApplyOptions(const OptionsChoice& choice);

    // The Options dialog's restart: sets the restart flag and closes the window with OK.
    void RequestRestart();
    bool IsRestartRequested() const { return m_restartRequested; }

    // Adds a tool window and enables its menu item. The window is made (hidden, at its stored
    // place) after the first paint, one per turn of the event loop, or as soon as its menu item
    // or ToolWindow asks for it; when it cannot be made, the message is shown then and its menu
    // item is disabled.
    void AddToolWindow(ToolWindowKind kind, ToolWindowManager::Factory factory);
    // The tool window, made now if it was not yet; nullptr when it cannot be made.
    QDialog* ToolWindow(ToolWindowKind kind);
    // Work the window does not need for its first picture (writing the start-up settings, the
    // window icon, the tool windows): queued tasks run in order once the first paint is on the
    // screen; after that a task runs at the next turn of the event loop.
    void AfterFirstPaint(std::function<void()> task);
    // "Get Program..." and "Options...": disabled until their windows exist.
    void SetGetProgramHandler(std::function<void()> handler);
    void SetOptionsHandler(std::function<void()> handler);

    Calculator& Core() { return *m_calculator; }
    // The window's message boxes, also for the tool windows it owns.
    UserMessages& Messages() { return *m_messages; }
    CCalculatorDisplay& Display() { return *m_display; }
    CKeypad& Keypad() { return *m_keypad; }
    QMenuBar& MainMenu();
    QAction* MainMenuAction(CalculatorCommand command) const;
    // The popup menu opened last, while it is open.
    QMenu* OpenMenu() const;
    // Shows a help topic in the one help window (made on first use).
    void OpenHelpTopic(std::string_view topic);
    // Nothing until help was first asked for.
    CHelpViewer* HelpViewer() const { return m_help; }
    const CSchemeBackground& Background() const { return m_background; }
    int Scheme() const { return m_scheme; }

signals:
    // EXE or AC was handed to a running program: its interpreter should take its next steps.
    void ProgramStepRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void KeyClicked(CalculatorCommand command);
    void HandleEffect(ViewEffect effect, QWidget* anchor);
    void PopupMenu(QMenu& menu, QWidget* anchor);
    void DisplayMenuRequested(const QPoint& globalPosition);
    void OpenFormulaLibrary();
    void ShowHelp();
    void ShowAbout();
    void ToggleToolWindow(ToolWindowKind kind);
    void RunHandler(const std::function<void()>& handler);
    void UpdateMainMenu();
    void FollowScheme();
    void RunAfterFirstPaint();
    void MakeNextToolWindow();
    QWidget* AnchorFor(CalculatorCommand command) const;
    void PasteFromClipboard();

    SettingsStore& m_store;
    ResourceLocator m_resources;
    std::unique_ptr<UserMessages> m_ownDialogs;
    std::unique_ptr<UserMessages> m_ownMessages;
    UserMessages* m_messages;
    std::unique_ptr<Calculator> m_calculator;
    KeyboardShortcuts m_shortcuts;
    CSchemeBackground m_background;
    int m_scheme = -1;

    CCalculatorDisplay* m_display = nullptr;
    CKeypad* m_keypad = nullptr;
    CalculatorMenus* m_menus = nullptr;
    ToolWindowManager* m_toolWindows = nullptr;
    CWindowPositionKeeper* m_position = nullptr;
    QPointer<CHelpViewer> m_help;
    QPointer<QMenu> m_openMenu;

    std::function<void()> m_getProgram;
    std::function<void()> m_options;
    bool m_restartRequested = false;
    bool m_painted = false;
    bool m_makingToolWindows = false;  // a task to make the registered tool windows is queued
    std::vector<std::function<void()>> m_afterFirstPaint;
};

}  // namespace zyk
