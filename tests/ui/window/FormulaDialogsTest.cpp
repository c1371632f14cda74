// "Get a formula" and "Formula name ?" over a scratch data folder: what they show, what their
// buttons do to the list and to UserEq.dat, and how the calculator window uses them.
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "calculator/KeypadTable.h"
#include "formulas/CUserFormulaFile.h"
#include "formulas/ui/CFormulaNameDlg.h"
#include "formulas/ui/CGetFormulaDlg.h"
#include "formulas/ui/FormulaNameMessages.h"
#include "shell/ui/DialogUnitMapper.h"

namespace zyk::window_test {
namespace {

class FormulaDialog : public WindowTest {
protected:
    void AddUserFormulas() {
        CUserFormulaFile file(DataFolder(), messages);
        ASSERT_TRUE(file.AppendRecord({"Line", "y=2x", "[y]=2[x]"}));
        ASSERT_TRUE(file.AppendRecord({"Square", "y=x\xB2", "[y]=[x]\xB2"}));
    }
    std::vector<std::string> StoredNames() {
        std::vector<FormulaRecord> formulas;
        CUserFormulaFile(DataFolder(), messages).ReadInto(formulas);
        std::vector<std::string> names;
        for (const FormulaRecord& formula : formulas) {
            names.push_back(formula.name);
        }
        return names;
    }
    std::unique_ptr<CGetFormulaDlg> MakeDialog() {
        auto dialog = std::make_unique<CGetFormulaDlg>(DataFolder(), messages, store);
        dialog->show();
        return dialog;
    }
    // The library the window opened, while it is open.
    CGetFormulaDlg* OpenLibrary() {
        for (CGetFormulaDlg* dialog : Window().findChildren<CGetFormulaDlg*>()) {
            if (dialog->isVisible()) {
                return dialog;
            }
        }
        return nullptr;
    }
};

TEST_F(FormulaDialog, ListsEveryFormulaInItsDialogUnitLayout) {
    AddUserFormulas();
    auto dialog = MakeDialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Get a formula"));
    EXPECT_EQ(dialog->size(), DialogUnitMapper(dialog->font()).ToPixels(207, 132));
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(dialog->rect().contains(child->geometry())) << child->metaObject()->className();
    }
    QComboBox& combo = dialog->FormulaCombo();
    ASSERT_EQ(combo.count(), 53);
    EXPECT_EQ(combo.itemText(52), QStringLiteral("Square"));
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(Items(dialog->InfoList()),
              QStringList{QStringLiteral("There is no formula selected!")});
    EXPECT_FALSE(dialog->DeleteButton().isEnabled());
    // Choosing a formula shows it and makes it current.
    dialog->FormulaCombo().setCurrentIndex(52);
    EXPECT_EQ(dialog->Current().index, 52);
    EXPECT_EQ(ToQString(dialog->Current().displayForm), QString::fromUtf8("y=x\u00B2"));
    EXPECT_EQ(Items(dialog->InfoList()),
              (QStringList{"Square: (User)", " ", QString::fromUtf8("  y=x\u00B2")}));
    EXPECT_TRUE(dialog->DeleteButton().isEnabled());
}

TEST_F(FormulaDialog, RenameAsksTheNameAndStoresIt) {
    AddUserFormulas();
    auto dialog = MakeDialog();
    dialog->FormulaCombo().setCurrentIndex(52);
    messages.textAnswer = "Parabola";
    QTest::mouseClick(&dialog->RenameButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->FormulaCombo().itemText(52), QStringLiteral("Parabola"));
    EXPECT_EQ(dialog->FormulaCombo().currentIndex(), 52);
    EXPECT_EQ(Items(dialog->InfoList()).first(), QStringLiteral("Parabola: (User)"));
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"Line", "Parabola"}));

    messages.textAnswer.reset();  // Cancel in the name dialog
    QTest::mouseClick(&dialog->RenameButton(), Qt::LeftButton);
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"Line", "Parabola"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FormulaDialog, DeleteRemovesTheSelectedUserFormula) {
    AddUserFormulas();
    auto dialog = MakeDialog();
    dialog->FormulaCombo().setCurrentIndex(51);
    QTest::mouseClick(&dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->FormulaCombo().count(), 52);
    EXPECT_EQ(dialog->FormulaCombo().itemText(51), QStringLiteral("Square"));
    EXPECT_EQ(dialog->FormulaCombo().currentIndex(), 50);
    EXPECT_EQ(StoredNames(), std::vector<std::string>{"Square"});
}

TEST_F(FormulaDialog, FrmOpensTheLibraryOkRunsTheFormulaAndTheNextOpeningShowsIt) {
    Do({Press(Qt::Key_F12)});
    CGetFormulaDlg* dialog = OpenLibrary();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isModal());
    dialog->FormulaCombo().setCurrentIndex(23);  // Sphere volume
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(OpenLibrary(), nullptr);
    EXPECT_EQ(ResultShown(), QStringLiteral("r?"));
    Do({Type("2"), Press(Qt::Key_Return)});
    EXPECT_EQ(ResultShown(), QStringLiteral("V=33.510321638"));

    Window().MainMenuAction(CalculatorCommand::GetFormula)->trigger();
    dialog = OpenLibrary();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->FormulaCombo().currentIndex(), 23);
    QTest::mouseClick(&dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(Window().Core().Formula().Index(), 23);
}

TEST_F(FormulaDialog, SaveAsStoresATypedFormulaUnderTheAskedName) {
    messages.textAnswer = "Twice plus one";
    Do({Type("2x+1"), Press(Qt::Key_Return), Click(CalculatorCommand::Shift),
        Click(CalculatorCommand::Frm)});
    EXPECT_EQ(StoredNames(), std::vector<std::string>{"Twice plus one"});
    EXPECT_TRUE(messages.shown.empty());
}

// ---- "Formula name ?" ------------------------------------------------------------------------

// Answers the next modal "Formula name ?" with `name` (nothing: Cancel).
void AnswerNameDialog(std::optional<QString> name) {
    WhenModalOpens<CFormulaNameDlg>([name](CFormulaNameDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Formula name ?"));
        EXPECT_TRUE(dialog.NameField().text().isEmpty());
        dialog.NameField().setText(name.value_or(QStringLiteral("typed, then cancelled")));
        QTest::mouseClick(name ? static_cast<QWidget*>(&dialog.OkButton())
                               : static_cast<QWidget*>(&dialog.CancelButton()),
                          Qt::LeftButton);
    });
}

TEST(FormulaNameDialog, HandsBackWhatWasTypedAsWindows1252) {
    MemorySettingsStore store;
    AnswerNameDialog(QString::fromUtf8("Caf\u00E9 \u20AC"));
    EXPECT_EQ(CFormulaNameDlg::Ask(store, nullptr), std::optional<std::string>("Caf\xE9 \x80"));
    AnswerNameDialog(QString());
    EXPECT_EQ(CFormulaNameDlg::Ask(store, nullptr), std::optional<std::string>(""));
    AnswerNameDialog(std::nullopt);
    EXPECT_EQ(CFormulaNameDlg::Ask(store, nullptr), std::nullopt);
}

TEST(FormulaNameDialog, RefusesACharacterTheFileCannotHoldAndSaysWhich) {
    MemorySettingsStore store;
    test::RecordingMessages messages;
    CFormulaNameDlg dialog(store, nullptr, &messages);
    dialog.show();
    dialog.NameField().setText(QString::fromUtf8("Ohm \u03A9 law"));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("character U+03A9 in a name"), std::string::npos)
        << messages.shown[0].text;
    EXPECT_EQ(messages.shown[0].caption, "Formula name ?");
    dialog.NameField().setText(QStringLiteral("Ohm law"));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Name(), "Ohm law");
}

TEST(FormulaNameDialog, TheWindowsMessagesAskTheFormulaNameInItsOwnDialog) {
    MemorySettingsStore store;
    test::RecordingMessages inner;
    inner.textAnswer = "from the inner messages";
    FormulaNameMessages messages(inner, store, nullptr);
    AnswerNameDialog(QStringLiteral("Kepler"));
    EXPECT_EQ(messages.AskFormulaName(), std::optional<std::string>("Kepler"));
    // Text questions (whatever their title) and message boxes go on to the inner messages.
    EXPECT_EQ(messages.AskText(kFormulaNameTitle, kFormulaNamePrompt, ""), inner.textAnswer);
    EXPECT_EQ(inner.questions,
              std::vector<std::string>{"Formula name ?|Enter a name for the formula:"});
    messages.ShowMessage("Text", "Caption", MessageIcon::Warning, MessageButtons::Ok);
    ASSERT_EQ(inner.shown.size(), 1u);
    EXPECT_EQ(inner.shown[0].caption, "Caption");
}

}  // namespace
}  // namespace zyk::window_test
