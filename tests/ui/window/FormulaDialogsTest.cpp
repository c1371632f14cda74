// "Get a formula" and "Formula name ?" over a scratch data folder: what they show, what their
// buttons do to the list and to UserEq.dat, and how the calculator window uses them.
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "calculator/CalculatorMessages.h"
#include "calculator/KeypadTable.h"
#include "formulas/CUserFormulaFile.h"
#include "formulas/FormulaMessages.h"
#include "formulas/ui/CFormulaNameDlg.h"
#include "formulas/ui/CGetFormulaDlg.h"
#include "formulas/ui/FormulaDialogText.h"
#include "formulas/ui/FormulaNameMessages.h"
#include "shell/ui/DialogUnitMapper.h"

namespace zyk::window_test {
namespace {

class FormulaDialog : public WindowTest {
protected:
    void AddUserFormula(const std::string& name, const std::string& display,
                        const std::string& calculator) {
        ASSERT_TRUE(
            CUserFormulaFile(DataFolder(), messages).AppendRecord(name, display, calculator));
    }
    std::vector<std::string> StoredNames() {
        std::vector<std::string> names, displays, forms;
        CUserFormulaFile(DataFolder(), messages).ReadInto(names, displays, forms);
        return names;
    }
    std::unique_ptr<CGetFormulaDlg> MakeDialog() {
        auto dialog = std::make_unique<CGetFormulaDlg>(DataFolder(), messages, store);
        dialog->show();
        return dialog;
    }
    static QStringList InfoLines(CGetFormulaDlg& dialog) {
        QStringList lines;
        for (int row = 0; row < dialog.InfoList().count(); ++row) {
            lines << dialog.InfoList().item(row)->text();
        }
        return lines;
    }
    // The dialog Window() opened, while it is open.
    CGetFormulaDlg* OpenLibrary() {
        for (CGetFormulaDlg* dialog : Window().findChildren<CGetFormulaDlg*>()) {
            if (dialog->isVisible()) {
                return dialog;
            }
        }
        return nullptr;
    }
};

TEST_F(FormulaDialog, ListsTheBuiltInAndUserFormulasWithNothingSelected) {
    AddUserFormula("Line", "y=2x", "[y]=2[x]");
    auto dialog = MakeDialog();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Get a formula"));
    ASSERT_EQ(dialog->FormulaCombo().count(), 52);
    EXPECT_EQ(dialog->FormulaCombo().itemText(0), QStringLiteral("None"));
    EXPECT_EQ(dialog->FormulaCombo().itemText(50),
              QStringLiteral("Impedance of LRC-parallel circuit"));
    EXPECT_EQ(dialog->FormulaCombo().itemText(51), QStringLiteral("Line"));
    EXPECT_EQ(dialog->FormulaCombo().currentIndex(), 0);
    EXPECT_EQ(InfoLines(*dialog), QStringList{QStringLiteral("There is no formula selected!")});
    EXPECT_FALSE(dialog->DeleteButton().isEnabled());
    EXPECT_EQ(dialog->InfoList().selectionMode(), QAbstractItemView::NoSelection);
}

TEST_F(FormulaDialog, HasTheSizeOfItsLayoutInDialogUnits) {
    auto dialog = MakeDialog();
    const DialogUnitMapper units(dialog->font());
    EXPECT_EQ(dialog->size(), units.ToPixels(207, 132));
    // Every control lies inside the dialog.
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            EXPECT_TRUE(dialog->rect().contains(child->geometry()))
                << child->metaObject()->className();
        }
    }
}

struct SelectionRow {
    int index;
    const char* currentDisplayForm;  // what OK would hand back (UTF-8)
    const char* infoLast;            // the last info line (UTF-8)
};

class SelectionRows : public FormulaDialog, public ::testing::WithParamInterface<SelectionRow> {};

TEST_P(SelectionRows, SelectingShowsTheFormulaAndMakesItCurrent) {
    const SelectionRow& row = GetParam();
    auto dialog = MakeDialog();
    dialog->FormulaCombo().setCurrentIndex(row.index);
    EXPECT_EQ(dialog->Current().index, row.index);
    EXPECT_EQ(Shown(dialog->Current().displayForm), QString::fromUtf8(row.currentDisplayForm));
    const QStringList lines = InfoLines(*dialog);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(": (Built in)")));
    EXPECT_EQ(lines[1], QStringLiteral(" "));
    EXPECT_EQ(lines[2], QString::fromUtf8(row.infoLast));
}

INSTANTIATE_TEST_SUITE_P(
    FormulaDialog, SelectionRows,
    ::testing::Values(
        // The special formula hands back its solver text, the list shows the plain form.
        SelectionRow{5, "f=f0 (v-u)/(v-v0)", "  f=f0(v-u)/(v-v0)"},
        SelectionRow{2, "a\u00B2=b\u00B2+c\u00B2-2bc\u00B7cos A",
                     "  a\u00B2=b\u00B2+c\u00B2-2bc\u00B7cos A"},
        SelectionRow{23, "V=4{pi}r\u00B3/3", "  V=4{pi}r\u00B3/3"},
        SelectionRow{50, "Z=1/\u00B7sqrt((1/R)\u00B2+(2{pi}fC-1/(2{pi}fL))\u00B2)",
                     "  Z=1/\u00B7sqrt((1/R)\u00B2+(2{pi}fC-1/(2{pi}fL))\u00B2)"}));

TEST_F(FormulaDialog, RenameAsksTheNameAndStoresIt) {
    AddUserFormula("Line", "y=2x", "[y]=2[x]");
    AddUserFormula("Square", "y=x\xB2", "[y]=[x]\xB2");
    auto dialog = MakeDialog();
    dialog->FormulaCombo().setCurrentIndex(52);
    EXPECT_TRUE(dialog->DeleteButton().isEnabled());
    EXPECT_TRUE(InfoLines(*dialog).first().endsWith(QStringLiteral(": (User)")));

    messages.textAnswer = "Parabola";
    QTest::mouseClick(&dialog->RenameButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->FormulaCombo().itemText(52), QStringLiteral("Parabola"));
    EXPECT_EQ(dialog->FormulaCombo().currentIndex(), 52);
    EXPECT_EQ(InfoLines(*dialog).first(), QStringLiteral("Parabola: (User)"));
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"Line", "Parabola"}));

    // Cancel in the name dialog changes nothing.
    messages.textAnswer.reset();
    QTest::mouseClick(&dialog->RenameButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->FormulaCombo().itemText(52), QStringLiteral("Parabola"));
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"Line", "Parabola"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FormulaDialog, BuiltInFormulasAreRefused) {
    auto dialog = MakeDialog();
    dialog->FormulaCombo().setCurrentIndex(12);
    messages.textAnswer = "Mine";
    QTest::mouseClick(&dialog->RenameButton(), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, formula_text::kCanNotRename);
    EXPECT_EQ(dialog->FormulaCombo().itemText(12), QStringLiteral("Universal gravitation"));
    // Delete is disabled for a built-in entry: a click does nothing.
    QTest::mouseClick(&dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->FormulaCombo().count(), 51);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(FormulaDialog, DeletingTheOnlyUserFormulaSelectsTheLastBuiltInAndRefusesMore) {
    AddUserFormula("Line", "y=2x", "[y]=2[x]");
    auto dialog = MakeDialog();
    dialog->FormulaCombo().setCurrentIndex(51);
    QTest::mouseClick(&dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->FormulaCombo().count(), 51);
    EXPECT_EQ(dialog->FormulaCombo().currentIndex(), 50);
    EXPECT_EQ(dialog->Current().index, 50);
    EXPECT_TRUE(StoredNames().empty());
    EXPECT_TRUE(
        InfoLines(*dialog).first().startsWith(QStringLiteral("Impedance of LRC-parallel circuit")));

    // Delete is still enabled after a deletion; pressing it on the built-in entry is refused.
    ASSERT_TRUE(dialog->DeleteButton().isEnabled());
    QTest::mouseClick(&dialog->DeleteButton(), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, formula_text::kCanNotRemove);
    EXPECT_EQ(messages.shown[0].caption, formula_text::kCanNotRemoveCaption);
    EXPECT_EQ(dialog->FormulaCombo().count(), 51);
}

TEST_F(FormulaDialog, PresetSelectsTheLoadedFormula) {
    AddUserFormula("Line", "y=2x", "[y]=2[x]");
    auto dialog = MakeDialog();
    CurrentFormula loaded;
    loaded.index = 51;
    loaded.displayForm = "y=2x";
    loaded.calculatorForm = "[y]=2[x]";
    dialog->Preset(loaded);
    EXPECT_EQ(dialog->FormulaCombo().currentIndex(), 51);
    EXPECT_TRUE(dialog->DeleteButton().isEnabled());
    EXPECT_EQ(InfoLines(*dialog).last(), QStringLiteral("  y=2x"));
}

TEST_F(FormulaDialog, FrmOpensTheLibraryAndOkRunsTheChosenFormula) {
    Press(Qt::Key_F12);
    CGetFormulaDlg* dialog = OpenLibrary();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isModal());
    dialog->FormulaCombo().setCurrentIndex(23);  // Sphere volume
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(OpenLibrary(), nullptr);
    EXPECT_EQ(ResultShown(), QStringLiteral("r?"));
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8("V=4{pi}r^3/3"));
    Type(QStringLiteral("2"));
    Press(Qt::Key_Return);
    EXPECT_EQ(ResultShown(), QStringLiteral("V=33.510321638"));

    // Opened again, the library shows the loaded formula; Cancel keeps it.
    Click(kIdcFrm);
    dialog = OpenLibrary();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->FormulaCombo().currentIndex(), 23);
    QTest::mouseClick(&dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(Window().Core().Formula().Index(), 23);
}

TEST_F(FormulaDialog, GetFormulaMenuItemOpensTheLibraryToo) {
    Window().MainMenuAction(CalculatorCommand::GetFormula)->trigger();
    CGetFormulaDlg* dialog = OpenLibrary();
    ASSERT_NE(dialog, nullptr);
    // OK on "None" leaves formula mode and clears the display.
    QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(Window().Core().GetExeMode(), ExeMode::Calculating);
}

TEST_F(FormulaDialog, SaveAsStoresATypedFormulaUnderTheAskedName) {
    Type(QStringLiteral("2x+1"));
    Press(Qt::Key_Return);
    messages.textAnswer = "Twice plus one";
    Click(kIdcShift);
    Click(kIdcFrm);
    EXPECT_EQ(StoredNames(), std::vector<std::string>{"Twice plus one"});
    EXPECT_TRUE(messages.shown.empty());

    // The new formula is in the library the next time it opens.
    Press(Qt::Key_F12);
    CGetFormulaDlg* dialog = OpenLibrary();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->FormulaCombo().itemText(51), QStringLiteral("Twice plus one"));
    dialog->reject();
}

// ---- "Formula name ?" ------------------------------------------------------------------------

TEST(FormulaNameDialog, StartsEmptyAndHandsBackWhatWasTyped) {
    MemorySettingsStore store;
    CFormulaNameDlg dialog(store);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Formula name ?"));
    EXPECT_TRUE(dialog.NameField().text().isEmpty());
    QTest::keyClicks(&dialog.NameField(), QStringLiteral("Caf"));
    dialog.NameField().insert(QString::fromUtf8("\u00E9 \u20AC"));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Name(), "Caf\xE9 \x80");
}

TEST(FormulaNameDialog, RefusesACharacterTheFileCannotHold) {
    MemorySettingsStore store;
    CFormulaNameDlg dialog(store);
    dialog.show();
    dialog.NameField().setText(QString::fromUtf8("\u03A9 law"));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.NameField().setText(QStringLiteral("Ohm law"));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.Name(), "Ohm law");
}

TEST(FormulaNameDialog, EmptyNameIsANameButCancelIsNone) {
    MemorySettingsStore store;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CFormulaNameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    });
    EXPECT_EQ(CFormulaNameDlg::Ask(store, nullptr), std::optional<std::string>(""));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CFormulaNameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->NameField().setText(QStringLiteral("typed, then cancelled"));
        QTest::mouseClick(&dialog->CancelButton(), Qt::LeftButton);
    });
    EXPECT_EQ(CFormulaNameDlg::Ask(store, nullptr), std::nullopt);
}

TEST(FormulaNameDialog, TheWindowsMessagesAskTheFormulaNameInItsOwnDialog) {
    // The calculator core asks with its own copy of the title: both must stay the same text.
    EXPECT_EQ(calculator_text::kFormulaNameTitle, formula_dialog_text::kFormulaNameTitle);
    EXPECT_EQ(calculator_text::kFormulaNamePrompt, formula_dialog_text::kFormulaNamePrompt);

    MemorySettingsStore store;
    RecordingMessages inner;
    inner.textAnswer = "from the inner messages";
    FormulaNameMessages messages(inner, store, nullptr);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CFormulaNameDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->NameField().setText(QStringLiteral("Kepler"));
        QTest::mouseClick(&dialog->OkButton(), Qt::LeftButton);
    });
    EXPECT_EQ(messages.AskText(calculator_text::kFormulaNameTitle,
                               calculator_text::kFormulaNamePrompt, ""),
              std::optional<std::string>("Kepler"));
    // Any other question and every message box go on to the inner messages.
    EXPECT_EQ(messages.AskText("Another question", "Prompt:", ""),
              std::optional<std::string>("from the inner messages"));
    messages.ShowMessage("Text", "Caption", MessageIcon::Warning, MessageButtons::Ok);
    ASSERT_EQ(inner.shown.size(), 1u);
    EXPECT_EQ(inner.shown[0].caption, "Caption");
}

}  // namespace
}  // namespace zyk::window_test
