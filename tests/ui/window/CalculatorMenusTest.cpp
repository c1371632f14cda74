// The popup menus the keys open, their insertions, check marks and enabling, and the main menu.
#include "WindowTestSupport.h"

#include <QMenuBar>

#include "calculator/KeypadTable.h"

namespace zyk::window_test {
namespace {

using CalculatorMenu = WindowTest;

TEST_F(CalculatorMenu, EachMenuOpensBelowItsKeyAndInsertsThePickedItem) {
    const struct {
        std::vector<Step> opening;
        int items;
        const char* pick;      // UTF-8
        const char* inserted;  // UTF-8
    } rows[] = {
        {{Click(CalculatorCommand::Const)}, 12, "{e_0}   Electric constant", "{e_0}"},
        {{Press(Qt::Key_F11)}, 12, "{c}   Speed of light", "{c}"},
        {{Click(CalculatorCommand::Shift), Click(CalculatorCommand::Const)},
         10,
         "Mem 3",
         "\u00A6M3\u00A6"},
        {{Click(CalculatorCommand::Shift), Click(CalculatorCommand::HexD)}, 26, "z", "[z]"},
        {{Type("40+2"), Press(Qt::Key_Return), Press(Qt::Key_C, Qt::ControlModifier),
          Click(CalculatorCommand::Display)},
         4,
         "Paste\tCtrl+V",
         "42"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pick);
        CloseWindow();
        Do(row.opening);
        QMenu& menu = OpenMenu();
        EXPECT_EQ(ItemTexts(menu).size(), row.items);
        // Below the key that opened it, or moved up only as far as the screen needs.
        const QWidget& key = Key(row.opening.back().click.value_or(CalculatorCommand::Const));
        const QPoint below = key.mapToGlobal(QPoint(0, key.height()));
        EXPECT_LE(std::abs(menu.geometry().left() - below.x()), 2);
        EXPECT_LE(menu.geometry().top(), below.y() + 2);
        EXPECT_GE(menu.geometry().bottom(), below.y());
        Pick(QString::fromUtf8(row.pick));
        EXPECT_FALSE(menu.isVisible());
        EXPECT_EQ(ExpressionShown(), QString::fromUtf8(row.inserted));
    }
}

TEST_F(CalculatorMenu, ModeMenuShowsTheCalculatorsChecksAndForwardsThePick) {
    Do({Click(CalculatorCommand::Mode)});
    EXPECT_EQ(ItemTexts(OpenMenu()), (QStringList{"Normal", "Scientific", "Engineering", "Decimal",
                                                  "Hexadecimal", "Binary", "Formula"}));
    EXPECT_EQ(ItemTexts(OpenMenu(), true), (QStringList{"Normal", "Decimal"}));
    Pick(QStringLiteral("Scientific"));
    Do({Type("1500"), Press(Qt::Key_Return), Click(CalculatorCommand::Mode)});
    EXPECT_EQ(ResultShown(), QStringLiteral("= 1.5e+003"));
    EXPECT_EQ(ItemTexts(OpenMenu(), true), (QStringList{"Scientific", "Decimal"}));
    OpenMenu().close();
}

TEST_F(CalculatorMenu, FormulaMenuTakesItsEnablingFromTheCalculator) {
    Do({Type("2x+1"), Press(Qt::Key_Return), Click(CalculatorCommand::Display)});
    QMenu& menu = OpenMenu();
    ASSERT_EQ(ItemTexts(menu), (QStringList{"Edit Formula\tIns", "Save", "Save As", "Clear\tEsc"}));
    EXPECT_TRUE(Item(menu, QStringLiteral("Edit Formula\tIns"))->isEnabled());
    EXPECT_FALSE(Item(menu, QStringLiteral("Save"))->isEnabled());
    EXPECT_TRUE(Item(menu, QStringLiteral("Save As"))->isEnabled());
    menu.close();
}

TEST_F(CalculatorMenu, MainMenuEnablesOnlyWhatExists) {
    QStringList titles;
    for (const QAction* action : Window().MainMenu().actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"Calculator", "Help"}));
    const std::pair<CalculatorCommand, bool> rows[] = {
        {CalculatorCommand::Converter, false},  {CalculatorCommand::Constants, false},
        {CalculatorCommand::Statistics, false}, {CalculatorCommand::GetFormula, true},
        {CalculatorCommand::GetProgram, false}, {CalculatorCommand::Programming, false},
        {CalculatorCommand::Options, false},    {CalculatorCommand::Help, true},
        {CalculatorCommand::About, true},       {CalculatorCommand::Exit, true},
    };
    for (const auto& [command, enabled] : rows) {
        QAction* action = Window().MainMenuAction(command);
        ASSERT_NE(action, nullptr) << static_cast<int>(command);
        EXPECT_EQ(action->isEnabled(), enabled) << action->text().toStdString();
    }
    EXPECT_EQ(Window().MainMenuAction(CalculatorCommand::Help)->text(), QStringLiteral("Help\tF1"));

    Window().MainMenuAction(CalculatorCommand::Exit)->trigger();
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(Window().result(), QDialog::Rejected);
}

}  // namespace
}  // namespace zyk::window_test
