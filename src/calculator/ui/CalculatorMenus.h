#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <string_view>

#include "calculator/CalculatorCommand.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace zyk {

class Calculator;

// The calculator window's menus: the main menu bar, and the popup menus the keys and the
// display open (Mode, Constants, Memories, A - Z, a - z, the display menu and the Formula menu).
// Picking an item calls the matching handler; check marks and enabling come from the
// calculator when a menu is prepared.
class CalculatorMenus : public QObject {
    Q_OBJECT

public:
    struct Handlers {
        std::function<void(CalculatorCommand)> command;
        std::function<void(std::string_view symbol)> constant;
        std::function<void(int digit)> memory;
        std::function<void(char letter)> variable;
    };

    CalculatorMenus(QWidget& window, Handlers handlers);

    QMenuBar& MainMenu() { return *m_mainMenu; }
    // The main-menu item of a command; nothing for a command that has none.
    QAction* MainMenuAction(CalculatorCommand command) const;

    // The popup a view effect asks for, with its check marks and enabling set from the
    // calculator; nothing for an effect that opens no popup menu.
    QMenu* Prepare(ViewEffect effect, const Calculator& calculator);

private:
    QMenu* NewPopup(QWidget& window);
    QAction* AddCommand(QMenu& menu, std::string_view text, CalculatorCommand command);
    void BuildMainMenu();

    Handlers m_handlers;
    QMenuBar* m_mainMenu;
    std::map<CalculatorCommand, QAction*> m_mainActions;
    QMenu* m_mode;
    QMenu* m_constants;
    QMenu* m_memories;
    QMenu* m_upper;
    QMenu* m_lower;
    QMenu* m_display;
    QMenu* m_formula;
};

}  // namespace zyk
