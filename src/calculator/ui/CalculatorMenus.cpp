#include "calculator/ui/CalculatorMenus.h"

#include <QMenu>
#include <QMenuBar>

#include "calculator/Calculator.h"
#include "calculator/KeypadTable.h"
#include "calculator/ui/CalculatorWindowText.h"
#include "shell/qt/QtText.h"

namespace zyk {
namespace {

namespace text = calculator_window_text;

}  // namespace

CalculatorMenus::CalculatorMenus(QWidget& window, Handlers handlers)
    : QObject(&window),
      m_handlers(std::move(handlers)),
      m_mainMenu(new QMenuBar(&window)),
      m_mode(NewPopup(window)),
      m_constants(NewPopup(window)),
      m_memories(NewPopup(window)),
      m_upper(NewPopup(window)),
      m_lower(NewPopup(window)),
      m_display(NewPopup(window)),
      m_formula(NewPopup(window)) {
    BuildMainMenu();

    for (const MenuItem& item : kModeMenu) {
        AddCommand(*m_mode, item.text, item.command)->setCheckable(true);
    }
    for (const ConstantMenuItem& item : kConstantsMenu) {
        const std::string label = "{" + std::string(item.symbol) + "}" +
                                  std::string(text::kConstantItemGap) +
                                  std::string(item.description);
        const std::string_view symbol = item.symbol;
        connect(m_constants->addAction(DialogText(label)), &QAction::triggered, this,
                [this, symbol] { m_handlers.constant(symbol); });
    }
    for (int digit = 0; digit <= 9; ++digit) {
        const QString label = DialogText(text::kMemoryItemPrefix) + QString::number(digit);
        connect(m_memories->addAction(label), &QAction::triggered, this,
                [this, digit] { m_handlers.memory(digit); });
    }
    for (char offset = 0; offset < 26; ++offset) {
        const char upper = static_cast<char>('A' + offset);
        const char lower = static_cast<char>('a' + offset);
        connect(m_upper->addAction(QString(QChar(upper))), &QAction::triggered, this,
                [this, upper] { m_handlers.variable(upper); });
        connect(m_lower->addAction(QString(QChar(lower))), &QAction::triggered, this,
                [this, lower] { m_handlers.variable(lower); });
    }
    for (const MenuItem& item : kDisplayMenu) {
        AddCommand(*m_display, item.text, item.command);
    }
    for (const MenuItem& item : kFormulaMenu) {
        AddCommand(*m_formula, item.text, item.command);
    }
}

QAction* CalculatorMenus::MainMenuAction(CalculatorCommand command) const {
    const auto found = m_mainActions.find(command);
    return found == m_mainActions.end() ? nullptr : found->second;
}

QMenu* CalculatorMenus::Prepare(ViewEffect effect, const Calculator& calculator) {
    switch (effect) {
        case ViewEffect::OpenModeMenu:
            for (QAction* action : m_mode->actions()) {
                const auto command = static_cast<CalculatorCommand>(action->data().toInt());
                action->setChecked(calculator.IsMenuItemChecked(command));
            }
            return m_mode;
        case ViewEffect::OpenConstantsMenu:
            return m_constants;
        case ViewEffect::OpenMemoriesMenu:
            return m_memories;
        case ViewEffect::OpenUpperVariablesMenu:
            return m_upper;
        case ViewEffect::OpenLowerVariablesMenu:
            return m_lower;
        case ViewEffect::OpenDisplayMenu:
            return m_display;
        case ViewEffect::OpenFormulaMenu:
            for (QAction* action : m_formula->actions()) {
                const auto command = static_cast<CalculatorCommand>(action->data().toInt());
                action->setEnabled(calculator.IsMenuItemEnabled(command));
            }
            return m_formula;
        default:
            return nullptr;
    }
}

QMenu* CalculatorMenus::NewPopup(QWidget& window) {
    return new QMenu(&window);
}

QAction* CalculatorMenus::AddCommand(QMenu& menu, std::string_view label,
                                     CalculatorCommand command) {
    QAction* action = menu.addAction(DialogText(label));
    action->setData(static_cast<int>(command));
    connect(action, &QAction::triggered, this, [this, command] { m_handlers.command(command); });
    return action;
}

void CalculatorMenus::BuildMainMenu() {
    m_mainMenu->setNativeMenuBar(false);
    QMenu* calculatorMenu = m_mainMenu->addMenu(DialogText(text::kCalculatorMenu));
    QMenu* helpMenu = m_mainMenu->addMenu(DialogText(text::kHelpMenu));
    for (const text::MainMenuItem& item : text::kMainMenu) {
        QMenu& menu = item.inHelpMenu ? *helpMenu : *calculatorMenu;
        if (item.separatorBefore) {
            menu.addSeparator();
        }
        m_mainActions[item.command] = AddCommand(menu, item.text, item.command);
    }
}

}  // namespace zyk
