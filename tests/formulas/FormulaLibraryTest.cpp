#include "FormulaTestSupport.h"
#include "formulas/FormulaLibrary.h"

namespace zyk::test {
namespace {

const std::string kHeader = "0015: User formulas to be used with Zyk Calculator!";
const std::vector<std::string> kNoSelection{"There is no formula selected!"};
const std::string kCanNotRemove = "You can not remove this formula!  ";
const std::string kCanNotRename = "Sorry! But you can not rename this formula!   \n\n";

class FormulaLibraryTest : public TempFolderTest {
protected:
    void WriteUserFormulas(const Lines& lines) { WriteRecords("UserEq.dat", kHeader, lines); }
};

TEST_F(FormulaLibraryTest, WithoutAFileTheListIsTheBuiltInRowsAndNothingIsSelected) {
    FormulaLibrary library(m_folder, m_messages);
    EXPECT_EQ(library.EntryCount(), 51);
    EXPECT_EQ(library.Names().back(), "Impedance of LRC-parallel circuit");
    EXPECT_EQ(library.Selection(), 0);
    EXPECT_FALSE(library.IsDeleteEnabled());
    EXPECT_EQ(library.InfoLines(), kNoSelection);
    EXPECT_EQ(library.Current().index, 0);
    EXPECT_EQ(ReadBytes("UserEq.dat"), kHeader + "\r\n");
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(FormulaLibraryTest, AnOutdatedFileIsReportedAtConstructionAndGivesNoUserFormulas) {
    WriteBytes("UserEq.dat", CrLfLines({"0014: User formulas", "A", "a", "[a]=1"}));
    FormulaLibrary library(m_folder, m_messages);
    EXPECT_EQ(library.EntryCount(), 51);
    ASSERT_EQ(m_messages.Texts().size(), 1u);
    EXPECT_EQ(m_messages.Texts()[0].rfind("Your formula file has been renamed", 0), 0u);
}

struct SelectCase {
    int index;
    std::string displayForm, calculatorForm;
    Lines variables;
    bool deleteEnabled;
    Lines info;
};

TEST_F(FormulaLibraryTest, SelectingLoadsTheEntry) {
    WriteUserFormulas({"Circle area", "A=pi r2", "[A]={pi}[r]\xB2", "Mine", "y=2x", "[y]=2[x]"});
    // clang-format off
    const SelectCase cases[] = {
        // A special formula shows its solver text; the info list shows the list's display form.
        {5, "f=f0 (v-u)/(v-v0)", "", {"f0", "v", "u", "v0"}, false, {"Doppler effect (sound): (Built in)", " ", "  f=f0(v-u)/(v-v0)"}},
        {23, "V=4{pi}r\xB3/3", "[V]=4{pi}[r]^3/3", {}, false, {"Sphere volume: (Built in)", " ", "  V=4{pi}r\xB3/3"}},
        // A user formula named like a built-in one is an entry of its own.
        {51, "A=pi r2", "[A]={pi}[r]\xB2", {}, true, {"Circle area: (User)", " ", "  A=pi r2"}},
        {52, "y=2x", "[y]=2[x]", {}, true, {"Mine: (User)", " ", "  y=2x"}},
        {0, "No selected formula", "", {}, false, kNoSelection},
    };
    // clang-format on
    FormulaLibrary library(m_folder, m_messages);
    ASSERT_EQ(library.EntryCount(), 53);
    for (const SelectCase& c : cases) {
        SCOPED_TRACE(c.index);
        library.Select(c.index);
        EXPECT_EQ(library.Selection(), c.index);
        EXPECT_EQ(library.Current().index, c.index);
        EXPECT_EQ(library.Current().displayForm, c.displayForm);
        EXPECT_EQ(library.Current().calculatorForm, c.calculatorForm);
        EXPECT_EQ(library.Current().variableNames, c.variables);
        EXPECT_EQ(library.Current().variableCount, static_cast<int>(c.variables.size()));
        EXPECT_EQ(library.IsDeleteEnabled(), c.deleteEnabled);
        EXPECT_EQ(library.InfoLines(), c.info);
    }
}

TEST_F(FormulaLibraryTest, PresetSelectsWithoutReloading) {
    WriteUserFormulas({"Mine", "y=2x", "[y]=2[x]"});
    struct Case {
        const char* what;
        CurrentFormula preset;
        int selection;
        bool deleteEnabled;
        std::string infoFirst;
    };
    // clang-format off
    const Case cases[] = {
        {"special", {6, "f=f0\xB7sqrt((c-v)/(c+v))", "", 2, {"f0", "v"}}, 6, false, "Doppler effect (light): (Built in)"},
        {"user, edited since loading", {51, "y=3x", "[y]=3[x]", 0, {}}, 51, true, "Mine: (User)"},
        {"typed formula", {0, "y=x", "[y]=[x]", 0, {}}, 0, false, kNoSelection[0]},
        {"user formula no longer in the file", {60, "q=1", "[q]=1", 0, {}}, -1, true, kNoSelection[0]},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormulaLibrary library(m_folder, m_messages);
        library.Preset(c.preset);
        EXPECT_EQ(library.Selection(), c.selection);
        EXPECT_EQ(library.IsDeleteEnabled(), c.deleteEnabled);
        EXPECT_EQ(library.InfoLines().front(), c.infoFirst);
        EXPECT_EQ(library.Current().displayForm, c.preset.displayForm);
        EXPECT_EQ(library.Current().calculatorForm, c.preset.calculatorForm);
        EXPECT_EQ(library.Current().variableNames, c.preset.variableNames);
    }
}

TEST_F(FormulaLibraryTest, DeletingTheOnlyUserFormulaSelectsEntry50AndLeavesTheHeader) {
    WriteUserFormulas({"Mine", "y=2x", "[y]=2[x]"});
    FormulaLibrary library(m_folder, m_messages);
    library.Select(51);
    ASSERT_TRUE(library.Delete());
    EXPECT_EQ(library.EntryCount(), 51);
    EXPECT_EQ(library.Selection(), 50);
    EXPECT_EQ(library.Current().index, 50);
    EXPECT_EQ(library.InfoLines().front(), "Impedance of LRC-parallel circuit: (Built in)");
    EXPECT_EQ(ReadBytes("UserEq.dat"), kHeader + "\r\n");
    EXPECT_TRUE(m_messages.shown.empty());

    // The button stays enabled; pressing it on the built-in entry is refused.
    EXPECT_TRUE(library.IsDeleteEnabled());
    EXPECT_FALSE(library.Delete());
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, kCanNotRemove);
    EXPECT_EQ(m_messages.shown[0].caption, "Error");
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(library.EntryCount(), 51);
    EXPECT_EQ(library.Selection(), 50);
}

TEST_F(FormulaLibraryTest, DeletingAMiddleUserFormulaKeepsTheOthersInOrder) {
    WriteUserFormulas({"A", "a=1", "[a]=1", "B", "b=2", "[b]=2", "C", "c=3", "[c]=3"});
    FormulaLibrary library(m_folder, m_messages);
    library.Select(52);
    ASSERT_TRUE(library.Delete());
    EXPECT_EQ(library.Selection(), 51);
    EXPECT_EQ(library.Current().index, 51);
    EXPECT_EQ(library.Current().calculatorForm, "[a]=1");
    EXPECT_EQ(library.Names()[52], "C");
    EXPECT_EQ(ReadBytes("UserEq.dat"),
              CrLfLines({kHeader, "A", "a=1", "[a]=1", "C", "c=3", "[c]=3"}));
}

TEST_F(FormulaLibraryTest, BuiltInEntriesCanNeitherBeDeletedNorRenamed) {
    WriteUserFormulas({"Mine", "y=2x", "[y]=2[x]"});
    const std::string before = ReadBytes("UserEq.dat");
    for (const int index : {0, 1, 9, 10, 50}) {
        SCOPED_TRACE(index);
        m_messages.shown.clear();
        FormulaLibrary library(m_folder, m_messages);
        library.Select(index);
        EXPECT_FALSE(library.Delete());
        EXPECT_FALSE(library.CheckRename());
        EXPECT_FALSE(library.Rename("X"));
        ASSERT_EQ(m_messages.Texts(), (Lines{kCanNotRemove, kCanNotRename, kCanNotRename}));
        EXPECT_EQ(m_messages.shown[1].caption, "");
        EXPECT_EQ(m_messages.shown[1].icon, MessageIcon::Warning);
        EXPECT_EQ(library.Names()[51], "Mine");
    }
    EXPECT_EQ(ReadBytes("UserEq.dat"), before);
}

TEST_F(FormulaLibraryTest, RenamingAUserFormula) {
    struct Case {
        const char* what;
        std::string newName;
    };
    const Case cases[] = {{"plain", "Doubling"}, {"empty text", ""}, {"built-in name", "None"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteUserFormulas({"A", "a=1", "[a]=1", "Mine", "y=2x", "[y]=2[x]"});
        m_messages.shown.clear();
        FormulaLibrary library(m_folder, m_messages);
        library.Select(52);
        ASSERT_TRUE(library.CheckRename());
        ASSERT_TRUE(library.Rename(c.newName));
        EXPECT_EQ(library.Names()[52], c.newName);
        EXPECT_EQ(library.Selection(), 52);
        EXPECT_EQ(library.InfoLines().front(), c.newName + ": (User)");
        EXPECT_EQ(ReadBytes("UserEq.dat"),
                  CrLfLines({kHeader, "A", "a=1", "[a]=1", c.newName, "y=2x", "[y]=2[x]"}));
        EXPECT_TRUE(m_messages.shown.empty());
    }
}

// The file lost a record while the dialog was open: it reports the failure, the list still
// shows the new name.
TEST_F(FormulaLibraryTest, RenamingARecordTheFileNoLongerHolds) {
    WriteUserFormulas({"A", "a=1", "[a]=1", "B", "b=2", "[b]=2"});
    FormulaLibrary library(m_folder, m_messages);
    WriteUserFormulas({"A", "a=1", "[a]=1"});
    library.Select(52);
    ASSERT_TRUE(library.Rename("X"));
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"Could not rename the formula!   \n\n"});
    EXPECT_EQ(library.Names()[52], "X");
    EXPECT_EQ(ReadBytes("UserEq.dat"), CrLfLines({kHeader, "A", "a=1", "[a]=1"}));
}

TEST_F(FormulaLibraryTest, SelectingOutsideTheListClearsTheSelectionOnly) {
    FormulaLibrary library(m_folder, m_messages);
    library.Select(23);
    library.Select(51);
    EXPECT_EQ(library.Selection(), -1);
    EXPECT_EQ(library.Current().index, 23);
    EXPECT_EQ(library.InfoLines(), kNoSelection);
    EXPECT_FALSE(library.Delete());
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{kCanNotRemove});
}

}  // namespace
}  // namespace zyk::test
