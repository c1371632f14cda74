#include "FormulaTestSupport.h"
#include "formulas/CUserConstantFile.h"
#include "formulas/ConstantsList.h"

namespace zyk::test {
namespace {

const std::string kHeader = "1025: User constants to be used with Zyk Calculator!";
const std::string kFieldsMissing = "You have to enter both a name and a value for the constant!\n";
const std::string kAddNameTaken =
    "This constant name is taken!\n\nA (+) was added to the name.     \n";
const std::string kAddSymbolTaken =
    "This constant symbol is taken!\n\nA (+) was added to the name.     \n";
const std::string kEditNameTaken = "This constant name is taken!\n\nA (+) was added to the name\n";
const std::string kEditSymbolTaken =
    "This constant symbol is taken!\n\nA (+) was added to the name\n";
const std::string kMayBeCorrupt =
    "The file (UserConstants.dat) may be corrupt!\n\nTry edit the file with Notepad to repair "
    "it.   \n";

class RecordingInsertTarget : public ConstantInsertTarget {
public:
    void InsertConstant(std::string_view symbol, std::string_view valueText) override {
        inserted.push_back(std::string(symbol) + "|" + std::string(valueText));
    }
    Lines inserted;
};

// The constants' names in file order.
Lines Names(const ConstantsList& list) {
    Lines names;
    for (const ConstantRecord& constant : list.Constants()) {
        names.push_back(constant.name);
    }
    return names;
}

class ConstantsListTest : public TempFolderTest {
protected:
    // Selects the combo entry showing `name`.
    static void Choose(ConstantsList& list, const std::string& name) {
        const auto& entries = list.SortedNames();
        const auto found = std::find(entries.begin(), entries.end(), name);
        ASSERT_NE(found, entries.end()) << name;
        list.SelectComboEntry(static_cast<int>(found - entries.begin()));
        ASSERT_EQ(list.ComboText(), name);
    }
    void WriteConstants(const Lines& lines) { WriteRecords("UserConstants.dat", kHeader, lines); }
};

TEST_F(ConstantsListTest, AFreshFolderGetsTheSeventeenDefaults) {
    ConstantsList list(m_folder, m_messages);
    ASSERT_EQ(Names(list).size(), 17u);
    EXPECT_TRUE(m_messages.shown.empty());

    const std::string file = ReadBytes("UserConstants.dat");
    EXPECT_EQ(file.rfind(CrLfLines({kHeader, "Pi", "pi", "3.1415926535897932384626433832795",
                                    "Planck Constant", "h", "6.62606876e-34"}),
                         0),
              0u);
    EXPECT_NE(file.find("\r\nProton Mass\r\nmp\r\n1.67262158e-27 \r\nRydberg"), std::string::npos);
    EXPECT_EQ(file.size() - file.rfind("Speed of Light"),
              std::string("Speed of Light\r\nc\r\n299792458\r\n").size());

    // The combo starts on its first entry.
    EXPECT_EQ(list.ComboSelection(), 0);
    EXPECT_EQ(list.InfoLines(), (Lines{"Atomic Mass Constant", "", "  amu = 1.66053873e-27"}));
}

TEST_F(ConstantsListTest, ComboOrderIgnoresCase) {
    WriteConstants({"beta", "b", "2", "Alpha", "a", "1", "Gamma", "g2", "3", "alpha", "a2", "4"});
    ConstantsList list(m_folder, m_messages);
    EXPECT_EQ(list.SortedNames(), (Lines{"Alpha", "alpha", "beta", "Gamma"}));
    EXPECT_EQ(Names(list), (Lines{"beta", "Alpha", "Gamma", "alpha"}));
    EXPECT_EQ(list.InfoLines(), (Lines{"Alpha", "", "  a = 1"}));
}

TEST_F(ConstantsListTest, CorruptFileIsReportedKeptAndReplacedByTheDefaults) {
    WriteBytes("UserConstants.dat", "my own constants\r\nX\r\nx\r\n1\r\n");
    ConstantsList list(m_folder, m_messages);
    EXPECT_EQ(m_messages.Texts(), Lines{"The file is corrupt!"});
    EXPECT_EQ(Names(list).size(), 17u);
    EXPECT_EQ(ReadBytes("UserConstants.bad"), "my own constants\r\nX\r\nx\r\n1\r\n");
    EXPECT_EQ(ReadBytes("UserConstants.dat").rfind(kHeader + "\r\nPi\r\n", 0), 0u);
}

struct AddCase {
    const char* what;
    ConstantRecord typed;
    Lines messages;
    ConstantRecord stored;  // the record appended to the file; empty name: nothing appended
};

TEST_F(ConstantsListTest, Add) {
    // clang-format off
    const AddCase cases[] = {
        {"new constant", {"Gravity", "g", "9.80665"}, {}, {"Gravity", "g", "9.80665"}},
        {"name taken", {"Pi", "p", "3"}, {kAddNameTaken}, {"Pi+", "p", "3"}},
        {"symbol taken, message speaks of the name", {"Planck", "h", "6"}, {kAddSymbolTaken}, {"Planck", "h+", "6"}},
        {"both taken", {"Pi", "pi", "3"}, {kAddNameTaken, kAddSymbolTaken}, {"Pi+", "pi+", "3"}},
        {"empty name", {"", "x", "1"}, {kFieldsMissing}, {}},
        {"empty symbol", {"X", "", "1"}, {kFieldsMissing}, {}},
        {"empty value", {"X", "x", ""}, {kFieldsMissing}, {}},
    };
    // clang-format on
    for (const AddCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(m_folder / "UserConstants.dat");
        m_messages.shown.clear();
        ConstantsList list(m_folder, m_messages);
        const std::string before = ReadBytes("UserConstants.dat");
        const std::string selectedBefore = list.ComboText();
        list.Add(c.typed);
        EXPECT_EQ(m_messages.Texts(), c.messages);
        if (c.stored.name.empty()) {
            EXPECT_EQ(ReadBytes("UserConstants.dat"), before);
            EXPECT_EQ(list.SortedNames().size(), 17u);
            EXPECT_EQ(list.ComboText(), selectedBefore);
            continue;
        }
        EXPECT_EQ(ReadBytes("UserConstants.dat"),
                  before + CrLfLines({c.stored.name, c.stored.symbol, c.stored.value}));
        EXPECT_EQ(Names(list).size(), 18u);
        EXPECT_EQ(list.ComboText(), c.stored.name);
        EXPECT_EQ(list.InfoLines(),
                  (Lines{c.stored.name, "", "  " + c.stored.symbol + " = " + c.stored.value}));
    }
}

// Each test runs once: a second "Pi" is stored as "Pi+" again, beside the first "Pi+".
TEST_F(ConstantsListTest, TheTakenTestRunsOnceOnly) {
    ConstantsList list(m_folder, m_messages);
    list.Add({"Pi", "p1", "1"});
    list.Add({"Pi", "p2", "2"});
    const Lines names = Names(list);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Pi+"), 2);
    EXPECT_EQ(m_messages.Texts(), (Lines{kAddNameTaken, kAddNameTaken}));
}

struct EditCase {
    const char* what;
    std::string chosen;
    ConstantRecord typed;
    Lines messages;
    ConstantRecord stored;  // at the chosen constant's position; empty name: unchanged
};

TEST_F(ConstantsListTest, Edit) {
    // clang-format off
    const EditCase cases[] = {
        {"unchanged shows nothing", "Planck Constant", {"Planck Constant", "h", "6.62606876e-34"}, {}, {"Planck Constant", "h", "6.62606876e-34"}},
        {"new value", "Speed of Light", {"Speed of Light", "c", "3e8"}, {}, {"Speed of Light", "c", "3e8"}},
        {"renamed", "Planck Constant", {"Planck", "h", "6.6e-34"}, {}, {"Planck", "h", "6.6e-34"}},
        {"name of another", "Planck Constant", {"Pi", "h", "1"}, {kEditNameTaken}, {"Pi+", "h", "1"}},
        {"symbol of another", "Planck Constant", {"Planck Constant", "c", "1"}, {kEditSymbolTaken}, {"Planck Constant", "c+", "1"}},
        {"empty field", "Planck Constant", {"Planck Constant", "h", ""}, {kFieldsMissing}, {}},
    };
    // clang-format on
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(m_folder / "UserConstants.dat");
        m_messages.shown.clear();
        ConstantsList list(m_folder, m_messages);
        Choose(list, c.chosen);
        const std::size_t position = *list.Find(c.chosen);
        ASSERT_TRUE(list.FieldsForEdit().has_value());
        EXPECT_EQ(list.FieldsForEdit()->name, c.chosen);
        const std::string before = ReadBytes("UserConstants.dat");

        list.Edit(c.typed);
        EXPECT_EQ(m_messages.Texts(), c.messages);
        if (c.stored.name.empty()) {
            EXPECT_EQ(ReadBytes("UserConstants.dat"), before);
            EXPECT_EQ(list.ComboText(), c.chosen);
            continue;
        }
        EXPECT_EQ(Names(list)[position], c.stored.name);
        EXPECT_EQ(Names(list).size(), 17u);
        EXPECT_EQ(list.ComboText(), c.stored.name);
        EXPECT_EQ(list.InfoLines(),
                  (Lines{c.stored.name, "", "  " + c.stored.symbol + " = " + c.stored.value}));
        const std::string file = ReadBytes("UserConstants.dat");
        EXPECT_NE(file.find(CrLfLines({c.stored.name, c.stored.symbol, c.stored.value})),
                  std::string::npos);
        if (c.stored.name != c.chosen) {
            const Lines names = Names(list);
            EXPECT_EQ(std::count(list.SortedNames().begin(), list.SortedNames().end(), c.chosen),
                      std::count(names.begin(), names.end(), c.chosen));
        }
    }
}

TEST_F(ConstantsListTest, EditDoesNothingOnNone) {
    WriteConstants({"None", "n", "1", "Other", "o", "2"});
    ConstantsList list(m_folder, m_messages);
    Choose(list, "None");
    EXPECT_FALSE(list.FieldsForEdit().has_value());
    const std::string before = ReadBytes("UserConstants.dat");
    list.Edit({"Renamed", "r", "5"});
    EXPECT_EQ(ReadBytes("UserConstants.dat"), before);
    EXPECT_EQ(Names(list), (Lines{"None", "Other"}));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ConstantsListTest, DeleteSelectsTheEntryBefore) {
    struct Case {
        const char* what;
        std::string deleted, selectedAfter;
    };
    const Case cases[] = {
        {"first", "Atomic Mass Constant", "Avogadro Constant"},
        {"last", "Stefan-Boltzmann Constant", "Speed of Light"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(m_folder / "UserConstants.dat");
        ConstantsList list(m_folder, m_messages);
        Choose(list, c.deleted);
        list.Delete();
        EXPECT_EQ(list.SortedNames().size(), 16u);
        EXPECT_EQ(list.ComboText(), c.selectedAfter);
        EXPECT_EQ(list.InfoLines().front(), c.selectedAfter);
        EXPECT_EQ(ReadBytes("UserConstants.dat").find("\r\n" + c.deleted + "\r\n"),
                  std::string::npos);
    }
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ConstantsListTest, DeletingEveryConstantThenRestartingBringsTheDefaultsBack) {
    {
        ConstantsList list(m_folder, m_messages);
        for (int i = 0; i < 17; ++i) {
            list.Delete();
        }
        EXPECT_TRUE(Names(list).empty());
        EXPECT_EQ(list.ComboText(), "");
        EXPECT_EQ(list.InfoLines(), Lines{"No constant selected!"});
        EXPECT_EQ(ReadBytes("UserConstants.dat"), kHeader + "\r\n");
        list.Delete();  // with nothing left: nothing happens
        EXPECT_EQ(list.InfoLines(), Lines{"No constant selected!"});
    }
    ConstantsList restarted(m_folder, m_messages);
    EXPECT_EQ(Names(restarted).size(), 17u);
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(ConstantsListTest, InsertHandsSymbolAndValueOver) {
    ConstantsList list(m_folder, m_messages);
    RecordingInsertTarget target;
    Choose(list, "Proton Mass");
    list.Insert(target);
    // The trailing space stays in the text; the calculator reads it by atof rules.
    EXPECT_EQ(target.inserted, Lines{"mp|1.67262158e-27 "});
    EXPECT_TRUE(m_messages.shown.empty());
}

// The data folder cannot hold files: every file step reports, the defaults stay in memory, and a
// constant the file refused is not offered for insertion.
TEST_F(ConstantsListTest, UnwritableFolderKeepsWorkingAndReportsAMismatch) {
    const std::string badPath = "Can't open file:\n\nThe path is invalid.";
    // A failure other than a missing file: reported once, and no defaults are written.
    ConstantsList list(FolderBelowAFile(), m_messages);
    EXPECT_EQ(m_messages.Texts(), Lines{badPath});
    EXPECT_TRUE(Names(list).empty());

    m_messages.shown.clear();
    list.Add({"Rydberg 2", "Ry2", "1"});
    EXPECT_EQ(m_messages.Texts(), (Lines{badPath, badPath}));
    EXPECT_EQ(list.ComboText(), "Rydberg 2");

    m_messages.shown.clear();
    RecordingInsertTarget target;
    list.Insert(target);
    EXPECT_TRUE(target.inserted.empty());
    EXPECT_EQ(m_messages.Texts(), Lines{kMayBeCorrupt});

    // Edit and Delete find nothing to work on; reselecting the entry shows no constant.
    m_messages.shown.clear();
    EXPECT_FALSE(list.FieldsForEdit().has_value());
    list.Edit({"Other", "o", "2"});
    list.Delete();
    EXPECT_EQ(list.ComboText(), "Rydberg 2");
    EXPECT_EQ(list.SortedNames().size(), 1u);
    EXPECT_TRUE(m_messages.shown.empty());
    list.SelectComboEntry(list.ComboSelection());
    EXPECT_EQ(list.InfoLines(), Lines{"No constant selected!"});
}

using Constants = std::vector<ConstantRecord>;

class CUserConstantFileTest : public TempFolderTest {
protected:
    CUserConstantFile File() { return CUserConstantFile(m_folder, m_messages); }
    Constants Read() {
        // A stale entry proves that reading empties the list first.
        Constants constants{{"stale", "s", "1"}};
        File().ReadInto(constants);
        return constants;
    }
};

TEST_F(CUserConstantFileTest, MissingFileIsCreatedWithTheHeaderOnly) {
    EXPECT_TRUE(Read().empty());
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(ReadBytes("UserConstants.dat"), kHeader + "\r\n");
}

// Nothing is renamed; a file with content is kept as UserConstants.bad before the defaults are
// written over it, an empty one leaves an older copy alone.
TEST_F(CUserConstantFileTest, CorruptFileIsReportedAndKept) {
    struct Case {
        const char* what;
        std::string bytes, badAfter;
    };
    const Case cases[] = {
        {"other header", CrLfLines({"0015: User formulas to be used with Zyk Calculator!", "A"}),
         CrLfLines({"0015: User formulas to be used with Zyk Calculator!", "A"})},
        {"header with a trailing space", kHeader + " \r\nPi\r\npi\r\n3\r\n",
         kHeader + " \r\nPi\r\npi\r\n3\r\n"},
        {"empty file keeps the older copy", "", kHeader + " \r\nPi\r\npi\r\n3\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_messages.shown.clear();
        WriteBytes("UserConstants.dat", c.bytes);
        EXPECT_TRUE(Read().empty());
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"The file is corrupt!"});
        EXPECT_EQ(ReadBytes("UserConstants.dat"), c.bytes);
        EXPECT_EQ(ReadBytes("UserConstants.bad"), c.badAfter);
    }
}

TEST_F(CUserConstantFileTest, WriteAllKeepsTrailingSpaces) {
    const Constants written{{"Proton Mass", "mp", "1.67262158e-27 "}, {"Pi", "pi", "3"}};
    ASSERT_TRUE(File().WriteAll(written));
    EXPECT_EQ(ReadBytes("UserConstants.dat"),
              CrLfLines({kHeader, "Proton Mass", "mp", "1.67262158e-27 ", "Pi", "pi", "3"}));
    EXPECT_EQ(Read(), written);

    ASSERT_TRUE(File().WriteAll({}));
    EXPECT_EQ(ReadBytes("UserConstants.dat"), kHeader + "\r\n");
}

TEST_F(CUserConstantFileTest, AppendRecordExtendsOrCreates) {
    ASSERT_TRUE(File().AppendRecord({"Rydberg Constant", "Ry", "10973731.568549"}));
    ASSERT_TRUE(File().AppendRecord({"Faraday Constant", "F", "96485.3415"}));
    EXPECT_EQ(ReadBytes("UserConstants.dat"),
              CrLfLines({kHeader, "Rydberg Constant", "Ry", "10973731.568549", "Faraday Constant",
                         "F", "96485.3415"}));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(CUserConstantFileTest, FailuresUseTheirOwnFileName) {
    CUserConstantFile below(FolderBelowAFile(), m_messages);
    Constants constants;
    EXPECT_EQ(below.ReadInto(constants), CUserConstantFile::ReadStatus::Unreadable);
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Can't open file:\n\nThe path is invalid."});

    m_messages.shown.clear();
    CUserConstantFile missing(m_folder / "missing", m_messages);
    EXPECT_FALSE(missing.AppendRecord({"A", "a", "1"}));
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Error saving to file <UserConstants.dat> "});
}

}  // namespace
}  // namespace zyk::test
