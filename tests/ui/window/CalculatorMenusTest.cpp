// The popup menus the keys open, their insertions, check marks and enabling, and the main menu.
#include "WindowTestSupport.h"

#include <QMenuBar>

#include "calculator/KeypadTable.h"
#include "formulas/CUserFormulaFile.h"

namespace zyk::window_test {
namespace {

using CalculatorMenu = WindowTest;

QMenu& OpenedBy(CCalculatorDlg& window) {
    QMenu* menu = window.OpenMenu();
    EXPECT_NE(menu, nullptr) << "no menu opened";
    return *menu;
}

TEST_F(CalculatorMenu, ConstantsMenuOpensAtItsKeyAndInsertsTheConstant) {
    Click(kIdcConst);
    QMenu& menu = OpenedBy(Window());
    const QStringList items = ItemTexts(menu);
    ASSERT_EQ(items.size(), 12);
    EXPECT_TRUE(items.first().startsWith(QStringLiteral("{c}")));
    EXPECT_TRUE(items.first().endsWith(QStringLiteral("Speed of light")));
    // Opened at its key: just below the Const button.
    const QRect key(Key(kIdcConst).mapToGlobal(QPoint(0, 0)), Key(kIdcConst).size());
    EXPECT_LE(std::abs(menu.geometry().top() - key.bottom()), 2);
    EXPECT_LE(std::abs(menu.geometry().left() - key.left()), 2);

    Pick(menu, items.last());
    EXPECT_EQ(ExpressionShown(), QStringLiteral("{e_0}"));
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(CalculatorMenu, F11OpensTheConstantsMenuToo) {
    Press(Qt::Key_F11);
    QMenu& menu = OpenedBy(Window());
    EXPECT_EQ(ItemTexts(menu).size(), 12);
    Pick(menu, ItemTexts(menu).at(2));
    EXPECT_EQ(ExpressionShown(), QStringLiteral("{G}"));
}

TEST_F(CalculatorMenu, MemoriesMenuInsertsTheMemoryName) {
    Click(kIdcShift);
    Click(kIdcConst);
    QMenu& menu = OpenedBy(Window());
    EXPECT_EQ(ItemTexts(menu).size(), 10);
    EXPECT_EQ(ItemTexts(menu).first(), QStringLiteral("Mem 0"));
    Pick(menu, QStringLiteral("Mem 3"));
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8("\u00A6M3\u00A6"));
}

TEST_F(CalculatorMenu, VariableMenusInsertTheirLetters) {
    Click(kIdcShift);
    Click(kIdcHexC);
    QMenu& upper = OpenedBy(Window());
    EXPECT_EQ(ItemTexts(upper).size(), 26);
    Pick(upper, QStringLiteral("Q"));

    Click(kIdcShift);
    Click(kIdcHexD);
    QMenu& lower = OpenedBy(Window());
    EXPECT_EQ(ItemTexts(lower).first(), QStringLiteral("a"));
    Pick(lower, QStringLiteral("z"));
    EXPECT_EQ(ExpressionShown(), QStringLiteral("[Q][z]"));
}

TEST_F(CalculatorMenu, ModeMenuChecksTheCurrentFormatAndBase) {
    const auto checked = [](const QMenu& menu) {
        QStringList texts;
        for (const QAction* action : menu.actions()) {
            if (action->isChecked()) {
                texts << action->text();
            }
        }
        return texts;
    };
    Click(kIdcMode);
    QMenu& menu = OpenedBy(Window());
    EXPECT_EQ(ItemTexts(menu), (QStringList{"Normal", "Scientific", "Engineering", "Decimal",
                                            "Hexadecimal", "Binary", "Formula"}));
    EXPECT_EQ(checked(menu), (QStringList{"Normal", "Decimal"}));
    Pick(menu, QStringLiteral("Scientific"));

    Type(QStringLiteral("1500"));
    Press(Qt::Key_Return);
    EXPECT_EQ(ResultShown(), QStringLiteral("= 1.5e+003"));

    Click(kIdcMode);
    EXPECT_EQ(checked(OpenedBy(Window())), (QStringList{"Scientific", "Decimal"}));
    Pick(OpenedBy(Window()), QStringLiteral("Hexadecimal"));
    EXPECT_EQ(ModeShown(), QStringLiteral("h"));
    Click(kIdcMode);
    EXPECT_EQ(checked(OpenedBy(Window())), (QStringList{"Scientific", "Hexadecimal"}));
    OpenedBy(Window()).close();
}

TEST_F(CalculatorMenu, ModeMenuChecksFormulaWhileOneIsLoaded) {
    Type(QStringLiteral("2x+1"));
    Press(Qt::Key_Return);
    ASSERT_EQ(ResultShown(), QStringLiteral("x?"));
    Click(kIdcMode);
    EXPECT_TRUE(Item(OpenedBy(Window()), QStringLiteral("Formula"))->isChecked());
    // Picking it leaves formula mode.
    Pick(OpenedBy(Window()), QStringLiteral("Formula"));
    EXPECT_EQ(Window().Core().GetExeMode(), ExeMode::Calculating);
    Click(kIdcMode);
    EXPECT_FALSE(Item(OpenedBy(Window()), QStringLiteral("Formula"))->isChecked());
    OpenedBy(Window()).close();
}

TEST_F(CalculatorMenu, DisplayMenuCopiesAndPastes) {
    Type(QStringLiteral("40+2"));
    Press(Qt::Key_Return);
    Click(kIdcDisplay);
    Pick(OpenedBy(Window()), QStringLiteral("Copy Result\tCtrl+C"));
    Click(kIdcDisplay);
    Pick(OpenedBy(Window()), QStringLiteral("Paste\tCtrl+V"));
    EXPECT_EQ(ExpressionShown(), QStringLiteral("42"));
    Click(kIdcDisplay);
    Pick(OpenedBy(Window()), QStringLiteral("Clear\tEsc"));
    EXPECT_EQ(ExpressionShown(), QString());
}

struct FormulaMenuRow {
    const char* name;
    const char* typed;  // empty: the formula comes from the library
    int libraryIndex;
    bool edit;
    bool save;
    bool saveAs;
};

class FormulaMenuRows : public WindowTest, public ::testing::WithParamInterface<FormulaMenuRow> {};

TEST_P(FormulaMenuRows, EnablingFollowsTheLoadedFormula) {
    const FormulaMenuRow& row = GetParam();
    CUserFormulaFile(DataFolder(), messages).AppendRecord("Line", "y=2x", "[y]=2[x]");
    if (row.libraryIndex == 0) {
        Type(QString::fromUtf8(row.typed));
        Press(Qt::Key_Return);
    } else {
        FormulaLibrary library(DataFolder(), messages);
        library.Select(row.libraryIndex);
        Window().Core().LoadFormula(library.Current());
        Window().UpdateDisplay();
    }
    ASSERT_TRUE(Window().Core().IsFormulaMenuCurrent()) << row.name;
    Click(kIdcDisplay);
    QMenu& menu = OpenedBy(Window());
    ASSERT_EQ(ItemTexts(menu), (QStringList{"Edit Formula\tIns", "Save", "Save As", "Clear\tEsc"}));
    EXPECT_EQ(Item(menu, QStringLiteral("Edit Formula\tIns"))->isEnabled(), row.edit) << row.name;
    EXPECT_EQ(Item(menu, QStringLiteral("Save"))->isEnabled(), row.save) << row.name;
    EXPECT_EQ(Item(menu, QStringLiteral("Save As"))->isEnabled(), row.saveAs) << row.name;
    EXPECT_TRUE(Item(menu, QStringLiteral("Clear\tEsc"))->isEnabled());
    menu.close();
}

INSTANTIATE_TEST_SUITE_P(
    CalculatorMenu, FormulaMenuRows,
    ::testing::Values(FormulaMenuRow{"typed", "2x+1", 0, true, false, true},
                      FormulaMenuRow{"special built-in", "", 1, false, false, false},
                      FormulaMenuRow{"plain built-in", "", 23, false, false, false},
                      FormulaMenuRow{"user", "", 51, true, true, true}),
    [](const ::testing::TestParamInfo<FormulaMenuRow>& info) {
        return std::string(info.param.name) == "special built-in" ? std::string("special")
               : std::string(info.param.name) == "plain built-in" ? std::string("plain")
                                                                  : std::string(info.param.name);
    });

TEST_F(CalculatorMenu, InsertEditsATypedFormula) {
    Type(QStringLiteral("2x+1"));
    Press(Qt::Key_Return);
    ASSERT_EQ(ResultShown(), QStringLiteral("x?"));
    Press(Qt::Key_Insert);
    // The formula goes back to the line for editing, with the left side it was given.
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8("[\u0192]=2[x]+1"));
    EXPECT_EQ(ResultShown(), QString());
}

TEST_F(CalculatorMenu, MainMenuEnablesOnlyWhatExists) {
    const struct {
        CalculatorCommand command;
        bool enabled;
    } rows[] = {
        {CalculatorCommand::Converter, false},  {CalculatorCommand::Constants, false},
        {CalculatorCommand::Statistics, false}, {CalculatorCommand::GetFormula, true},
        {CalculatorCommand::GetProgram, false}, {CalculatorCommand::Programming, false},
        {CalculatorCommand::Options, false},    {CalculatorCommand::Help, true},
        {CalculatorCommand::About, true},       {CalculatorCommand::Exit, true},
    };
    for (const auto& row : rows) {
        QAction* action = Window().MainMenuAction(row.command);
        ASSERT_NE(action, nullptr) << static_cast<int>(row.command);
        EXPECT_EQ(action->isEnabled(), row.enabled) << action->text().toStdString();
    }
    QStringList titles;
    for (const QAction* action : Window().MainMenu().actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"Calculator", "Help"}));
    EXPECT_EQ(Window().MainMenuAction(CalculatorCommand::Help)->text(), QStringLiteral("Help\tF1"));
}

TEST_F(CalculatorMenu, ExitClosesTheWindowWithoutOk) {
    Window().MainMenuAction(CalculatorCommand::Exit)->trigger();
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(Window().result(), QDialog::Rejected);
    EXPECT_FALSE(Window().IsRestartRequested());
}

}  // namespace
}  // namespace zyk::window_test
