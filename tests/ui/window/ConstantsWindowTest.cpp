// The constants window and "Add/Edit Constant" as the user works them, over a scratch
// UserConstants.dat: what Add, Edit, Delete and Insert do to the list, the file and the
// calculator's expression line.
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "formulas/CUserConstantFile.h"
#include "formulas/ui/CConstantEditDlg.h"
#include "formulas/ui/CConstantsDlg.h"
#include "shell/ui/CNumEdit.h"
#include "shell/ui/DialogUnitMapper.h"

namespace zyk::window_test {
namespace {

const std::string kAddNameTaken =
    "This constant name is taken!\n\nA (+) was added to the name.     \n";
const std::string kAddSymbolTaken =
    "This constant symbol is taken!\n\nA (+) was added to the name.     \n";
const std::string kEditSymbolTaken =
    "This constant symbol is taken!\n\nA (+) was added to the name\n";
const std::string kFieldsMissing = "You have to enter both a name and a value for the constant!\n";
const std::string kMayBeCorrupt =
    "The file (UserConstants.dat) may be corrupt!\n\nTry edit the file with Notepad to repair "
    "it.   \n";

struct Typed {
    const char* name;
    const char* symbol;
    const char* value;  // typed key by key into the number field
};

class ConstantsWindow : public WindowTest {
protected:
    // The constants window as the application makes it: a tool window of the calculator window,
    // inserting into it.
    CConstantsDlg& Constants() {
        if (m_constants == nullptr) {
            Window().AddToolWindow(ToolWindowKind::Constants, [this] {
                return new CConstantsDlg(DataFolder(), messages, store, Window(), &Window());
            });
            m_constants =
                qobject_cast<CConstantsDlg*>(Window().ToolWindow(ToolWindowKind::Constants));
            EXPECT_NE(m_constants, nullptr);
            Window().MainMenuAction(CalculatorCommand::Constants)->trigger();
        }
        return *m_constants;
    }
    void Choose(const char* name) {
        Constants().ConstantCombo().setCurrentText(QString::fromUtf8(name));
        ASSERT_EQ(Constants().ConstantCombo().currentText(), QString::fromUtf8(name));
    }
    QStringList Info() { return Items(Constants().InfoList()); }
    // Clicks Add or Edit, types into "Add/Edit Constant" and presses OK (or Cancel).
    void AskAndAnswer(CSkinButton& button, const Typed& typed, bool ok = true) {
        QTest::mouseClick(&button, Qt::LeftButton);
        CConstantEditDlg* dialog = Constants().OpenEditDialog();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->isModal());
        dialog->NameField().setText(QString::fromUtf8(typed.name));
        dialog->SymbolField().setText(QString::fromUtf8(typed.symbol));
        dialog->ValueField().clear();
        QTest::keyClicks(&dialog->ValueField(), QString::fromUtf8(typed.value));
        QTest::mouseClick(ok ? &dialog->OkButton() : &dialog->CancelButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
    }
    // name|symbol|value of each record, in file order.
    std::vector<std::string> Stored() {
        std::vector<ConstantRecord> constants;
        CUserConstantFile(DataFolder(), messages).ReadInto(constants);
        std::vector<std::string> records;
        for (const ConstantRecord& c : constants) {
            records.push_back(c.name + "|" + c.symbol + "|" + c.value);
        }
        return records;
    }
    void WriteConstants(const std::vector<std::string>& fields) {
        std::vector<ConstantRecord> constants;
        for (std::size_t k = 0; k + 2 < fields.size(); k += 3) {
            constants.push_back(ConstantRecord{fields[k], fields[k + 1], fields[k + 2]});
        }
        CUserConstantFile(DataFolder(), messages).WriteAll(constants);
    }
    void Evaluate(const char* expression) {
        Window().Execute(CalculatorCommand::AllClear);
        Window().Core().TypeText(expression);
        Window().Execute(CalculatorCommand::Exe);
    }

private:
    CConstantsDlg* m_constants = nullptr;
};

TEST_F(ConstantsWindow, ShowsTheDefaultsSortedWithTheFirstChosen) {
    CConstantsDlg& constants = Constants();
    EXPECT_EQ(constants.windowTitle(), QStringLiteral("Handle your constants..."));
    EXPECT_EQ(constants.size(), DialogUnitMapper(constants.font()).ToPixels(214, 136));
    for (QWidget* child : constants.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(constants.rect().contains(child->geometry()))
            << child->metaObject()->className();
    }
    ASSERT_EQ(constants.ConstantCombo().count(), 17);
    EXPECT_EQ(constants.ConstantCombo().itemText(0), QStringLiteral("Atomic Mass Constant"));
    EXPECT_EQ(constants.ConstantCombo().itemText(16), QStringLiteral("Stefan-Boltzmann Constant"));
    EXPECT_EQ(Info(), (QStringList{"Atomic Mass Constant", "", "  amu = 1.66053873e-27"}));
    EXPECT_EQ(constants.focusWidget(), &constants.ConstantCombo());
    Choose("Pi");
    EXPECT_EQ(Info(), (QStringList{"Pi", "", "  pi = 3.1415926535897932384626433832795"}));
    EXPECT_TRUE(messages.shown.empty());

    QTest::keyClick(&constants.ConstantCombo(), Qt::Key_Escape);
    EXPECT_FALSE(constants.isVisible());
}

TEST_F(ConstantsWindow, AddWithATakenNameAndATakenSymbolAppendsPlusses) {
    AskAndAnswer(Constants().AddButton(), {"Tau", "tau", "6,28x"}, false);  // Cancel
    EXPECT_EQ(Constants().ConstantCombo().count(), 17);

    AskAndAnswer(Constants().AddButton(), {"Pi", "h", "6,28E+3x"});
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{kAddNameTaken, kAddSymbolTaken}));
    EXPECT_EQ(Constants().ConstantCombo().currentText(), QStringLiteral("Pi+"));
    EXPECT_EQ(Info(), (QStringList{"Pi+", "", "  h+ = 6.283"}));
    EXPECT_EQ(Stored().back(), "Pi+|h+|6.283");

    // A name the Windows-1252 file cannot hold keeps the dialog open.
    QTest::mouseClick(&Constants().AddButton(), Qt::LeftButton);
    CConstantEditDlg* dialog = Constants().OpenEditDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->NameField().setText(QString::fromUtf8("\u4E2D"));
    dialog->SymbolField().setText(QStringLiteral("z"));
    QTest::keyClicks(&dialog->ValueField(), QStringLiteral("1"));
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), &dialog->NameField());
    QTest::mouseClick(&dialog->CancelButton(), Qt::LeftButton);

    messages.shown.clear();
    AskAndAnswer(Constants().AddButton(), {"Tau", "", "6.28"});
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kFieldsMissing});
    EXPECT_EQ(Stored().size(), 18u);
}

TEST_F(ConstantsWindow, EditKeepsItsPositionInTheFile) {
    Choose("Planck Constant");
    QTest::mouseClick(&Constants().EditButton(), Qt::LeftButton);
    CConstantEditDlg* dialog = Constants().OpenEditDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->NameField().text(), QStringLiteral("Planck Constant"));
    EXPECT_EQ(dialog->SymbolField().text(), QStringLiteral("h"));
    EXPECT_EQ(dialog->ValueField().text(), QStringLiteral("6.62606876e-34"));
    EXPECT_EQ(dialog->focusWidget(), &dialog->NameField());
    QTest::mouseClick(&dialog->CancelButton(), Qt::LeftButton);

    AskAndAnswer(Constants().EditButton(), {"Planck", "h", "6.626e-34"});
    EXPECT_TRUE(messages.shown.empty()) << "an unchanged symbol is not taken";
    EXPECT_EQ(Constants().ConstantCombo().currentText(), QStringLiteral("Planck"));
    const std::vector<std::string> stored = Stored();
    ASSERT_EQ(stored.size(), 17u);
    EXPECT_EQ(stored[0], "Pi|pi|3.1415926535897932384626433832795");
    EXPECT_EQ(stored[1], "Planck|h|6.626e-34");
    EXPECT_EQ(stored[2], "Atomic Mass Constant|amu|1.66053873e-27");

    AskAndAnswer(Constants().EditButton(), {"Planck", "c", "1"});
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kEditSymbolTaken});
    EXPECT_EQ(Stored()[1], "Planck|c+|1");
}

TEST_F(ConstantsWindow, DeleteOfTheLastConstantLeavesNoConstantSelected) {
    WriteConstants({"Tau", "tau", "6.28", "None", "n", "1"});
    Choose("None");
    QTest::mouseClick(&Constants().EditButton(), Qt::LeftButton);
    EXPECT_EQ(Constants().OpenEditDialog(), nullptr) << "Edit ignores \"None\"";

    QTest::mouseClick(&Constants().DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(Constants().ConstantCombo().currentText(), QStringLiteral("Tau"));
    QTest::mouseClick(&Constants().DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(Constants().ConstantCombo().count(), 0);
    EXPECT_EQ(Constants().ConstantCombo().currentText(), QString());
    EXPECT_EQ(Info(), QStringList{"No constant selected!"});
    EXPECT_TRUE(Stored().empty());

    QTest::mouseClick(&Constants().EditButton(), Qt::LeftButton);
    EXPECT_EQ(Constants().OpenEditDialog(), nullptr);
    QTest::mouseClick(&Constants().InsertButton(), Qt::LeftButton);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kMayBeCorrupt});
    EXPECT_EQ(ExpressionShown(), QString());
}

TEST_F(ConstantsWindow, InsertOfAUserSymbolMakesItEvaluate) {
    Evaluate("{Ry}");
    EXPECT_EQ(ResultShown(), QStringLiteral("Constant has no value!"));

    Window().Execute(CalculatorCommand::AllClear);
    Window().Core().TypeText("2");
    Choose("Rydberg Constant");
    QTest::mouseClick(&Constants().InsertButton(), Qt::LeftButton);
    EXPECT_EQ(ExpressionShown(), QStringLiteral("2{Ry}"));
    Window().Execute(CalculatorCommand::Exe);
    EXPECT_EQ(ResultShown(), QStringLiteral("= 21947463.137"));

    // A built-in symbol takes the user's value, also when typed or chosen from the menu later.
    Choose("Speed of Light");
    AskAndAnswer(Constants().EditButton(), {"Speed of Light", "c", "3e8"});
    Window().Execute(CalculatorCommand::AllClear);
    QTest::keyClick(&Constants().ConstantCombo(), Qt::Key_Return);  // Enter inserts
    EXPECT_EQ(ExpressionShown(), QStringLiteral("{c}"));
    Evaluate("{c}/2");
    EXPECT_EQ(ResultShown(), QStringLiteral("= 150000000"));
}

}  // namespace
}  // namespace zyk::window_test
