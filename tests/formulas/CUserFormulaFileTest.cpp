#include <cerrno>
#include <functional>
#include <optional>

#include "FormulaTestSupport.h"
#include "formulas/CUserFormulaFile.h"
#include "formulas/FileErrorCause.h"

namespace zyk::test {
namespace {

const std::string kHeader = "0015: User formulas to be used with Zyk Calculator!";
const std::string kRenewed =
    "Your formula file has been renamed to UserEq.old \n and a new one has been created!\n\n "
    "Sorry for the inconvenience!\n";

using Formulas = std::vector<FormulaRecord>;

std::vector<std::string> Names(const Formulas& formulas) {
    std::vector<std::string> names;
    for (const FormulaRecord& formula : formulas) {
        names.push_back(formula.name);
    }
    return names;
}

std::vector<std::string> DisplayForms(const Formulas& formulas) {
    std::vector<std::string> forms;
    for (const FormulaRecord& formula : formulas) {
        forms.push_back(formula.displayForm);
    }
    return forms;
}

class CUserFormulaFileTest : public TempFolderTest {
protected:
    CUserFormulaFile File() { return CUserFormulaFile(m_folder, m_messages); }
    Formulas Read() {
        Formulas formulas;
        File().ReadInto(formulas);
        return formulas;
    }
};

struct ReadCase {
    const char* what;
    std::string bytes;
    std::vector<std::string> names, displayForms;
};

TEST_F(CUserFormulaFileTest, ReadsLineEndsAndDropsIncompleteRecords) {
    const ReadCase cases[] = {
        {"CR LF", kHeader + "\r\nA\r\nB\r\nC\r\n", {"A"}, {"B"}},
        {"LF only", kHeader + "\nA\nB\nC\n", {"A"}, {"B"}},
        {"last line without end", kHeader + "\r\nA\r\nB\r\nC", {"A"}, {"B"}},
        {"two records", kHeader + "\r\nA\r\nB\r\nC\r\nD\r\nE\r\nF\r\n", {"A", "D"}, {"B", "E"}},
        {"name line only after a record", kHeader + "\r\nA\r\nB\r\nC\r\nD\r\n", {"A"}, {"B"}},
        {"two lines after a record", kHeader + "\r\nA\r\nB\r\nC\r\nD\r\nE", {"A"}, {"B"}},
        {"empty lines are a record", kHeader + "\r\n\r\n\r\n\r\n", {""}, {""}},
        {"header only", kHeader + "\r\n", {}, {}},
        {"header without line end", kHeader, {}, {}},
        {"only the CR before LF is dropped", kHeader + "\r\nA\r\r\nB\r\nC\r\n", {"A\r"}, {"B"}},
        {"special bytes kept",
         kHeader + "\r\nSq\r\nS=a\xB2\r\n[S]=\xB7sqrt[a]\r\n",
         {"Sq"},
         {"S=a\xB2"}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("UserEq.dat", c.bytes);
        const Formulas read = Read();
        EXPECT_EQ(Names(read), c.names);
        EXPECT_EQ(DisplayForms(read), c.displayForms);
        EXPECT_TRUE(m_messages.shown.empty());
        EXPECT_FALSE(Exists("UserEq.old"));
    }
}

TEST_F(CUserFormulaFileTest, EmptyFileIsReportedCorruptAndLeftEmpty) {
    WriteBytes("UserEq.dat", "");
    EXPECT_TRUE(Read().empty());
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, "The file is corrupt!");
    EXPECT_EQ(m_messages.shown[0].caption, "");
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ReadBytes("UserEq.dat"), "");
}

// Only the latest outdated file is kept: an older UserEq.old is replaced.
TEST_F(CUserFormulaFileTest, OutdatedHeaderIsRenamedAndReplaced) {
    WriteBytes("UserEq.old", "first outdated file\r\n");
    const std::string cases[] = {
        "0014: User formulas to be used with Zyk Calculator!\r\nA\r\nB\r\nC\r\n",
        kHeader + " \r\nA\r\nB\r\nC\r\n",
        "0015: user formulas to be used with Zyk Calculator!\r\n",
        "\r\n" + kHeader + "\r\n",
    };
    for (const std::string& old : cases) {
        SCOPED_TRACE(old);
        m_messages.shown.clear();
        WriteBytes("UserEq.dat", old);
        EXPECT_TRUE(Read().empty());
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{kRenewed});
        EXPECT_EQ(ReadBytes("UserEq.old"), old);
        EXPECT_EQ(ReadBytes("UserEq.dat"), kHeader + "\r\n");
    }
}

TEST_F(CUserFormulaFileTest, FailedRenameOfTheOutdatedFileKeepsItAndSaysWhy) {
    std::filesystem::create_directories(m_folder / "UserEq.old" / "inside");
    WriteBytes("UserEq.dat", "outdated\r\n");
    EXPECT_TRUE(Read().empty());
    ASSERT_EQ(m_messages.Texts().size(), 1u);
    EXPECT_EQ(m_messages.Texts()[0].rfind("Can't rename UserEq.dat to UserEq.old:\n\n", 0), 0u);
    EXPECT_EQ(ReadBytes("UserEq.dat"), "outdated\r\n");
    // Rename and replace stop there too: writing no records over the file would lose its own.
    EXPECT_FALSE(File().RenameRecord(0, "X"));
    EXPECT_FALSE(File().ReplaceRecord(0, "y=x", "[y]=[x]"));
    ASSERT_EQ(m_messages.Texts().size(), 3u);
    for (const std::string& text : m_messages.Texts()) {
        EXPECT_EQ(text.rfind("Can't rename UserEq.dat to UserEq.old:\n\n", 0), 0u) << text;
    }
    EXPECT_EQ(ReadBytes("UserEq.dat"), "outdated\r\n");
}

TEST_F(CUserFormulaFileTest, WriteAllWritesCrLfLinesThatReadBack) {
    const Formulas written{{"Sq", "S=a\xB2", "[S]=[a]\xB2"}, {"", "E=mc\xB2", "[E]=[m]{c}\xB2"}};
    ASSERT_TRUE(File().WriteAll(written));
    EXPECT_EQ(ReadBytes("UserEq.dat"), CrLfLines({kHeader, "Sq", "S=a\xB2", "[S]=[a]\xB2", "",
                                                  "E=mc\xB2", "[E]=[m]{c}\xB2"}));
    EXPECT_EQ(Read(), written);

    ASSERT_TRUE(File().WriteAll({}));  // no records: the header only
    EXPECT_EQ(ReadBytes("UserEq.dat"), kHeader + "\r\n");
}

// A line break inside a field would shift every later record by a line.
TEST_F(CUserFormulaFileTest, LineBreaksInsideAFieldAreWrittenAsSpaces) {
    ASSERT_TRUE(File().AppendRecord({"two\nlines", "a\r\nb", "[a]"}));
    EXPECT_EQ(Read(), (Formulas{{"two lines", "a  b", "[a]"}}));
}

using Edit = std::function<bool(CUserFormulaFile&)>;

Edit Rename(int index, std::string name) {
    return [=](CUserFormulaFile& file) { return file.RenameRecord(index, name); };
}
Edit Replace(int index) {
    return [=](CUserFormulaFile& file) { return file.ReplaceRecord(index, "y=x", "[y]=[x]"); };
}
Edit Append() {
    return [](CUserFormulaFile& file) { return file.AppendRecord({"N", "y=x", "[y]=[x]"}); };
}

struct EditCase {
    const char* what;
    std::optional<std::string> before;  // nothing: no file
    Edit edit;
    std::string after;
    std::vector<std::string> messages;
};

TEST_F(CUserFormulaFileTest, RenameReplaceAndAppend) {
    const std::string one = CrLfLines({kHeader, "A", "a=1", "[a]=1"});
    const std::string two = one + CrLfLines({"B", "b=2", "[b]=2"});
    const std::string newRecord = CrLfLines({"N", "y=x", "[y]=[x]"});
    const std::string unknownRecord = CrLfLines({"Unknown", "y=x", "[y]=[x]"});
    const std::string header = kHeader + "\r\n";
    const std::string outdated =
        "0014: User formulas to be used with Zyk Calculator!\r\n" + one.substr(header.size());
    const std::string couldNotRename = "Could not rename the formula!   \n\n";
    // clang-format off
    const EditCase cases[] = {
        {"rename second", two, Rename(1, "X"), CrLfLines({kHeader, "A", "a=1", "[a]=1", "X", "b=2", "[b]=2"}), {}},
        {"rename to empty text", one, Rename(0, ""), CrLfLines({kHeader, "", "a=1", "[a]=1"}), {}},
        {"rename index = record count", one, Rename(1, "X"), one, {couldNotRename}},
        {"rename drops an incomplete record", one + "Half\r\n", Rename(0, "X"), CrLfLines({kHeader, "X", "a=1", "[a]=1"}), {}},
        {"rename rewrites LF with CR LF", kHeader + "\nA\na=1\n[a]=1\n", Rename(0, "X"), CrLfLines({kHeader, "X", "a=1", "[a]=1"}), {}},
        {"rename in a missing file", std::nullopt, Rename(0, "X"), header, {couldNotRename}},
        // An empty or outdated file is reported, then counts as holding no records.
        {"rename in an empty file", "", Rename(0, "X"), "", {"The file is corrupt!", couldNotRename}},
        {"rename in an outdated file", outdated, Rename(0, "X"), header, {kRenewed, couldNotRename}},
        {"replace in an outdated file", outdated, Replace(0), header + unknownRecord, {kRenewed}},
        {"replace keeps the name", two, Replace(1), CrLfLines({kHeader, "A", "a=1", "[a]=1", "B", "y=x", "[y]=[x]"}), {}},
        {"replace beyond adds Unknown", two, Replace(5), two + unknownRecord, {}},
        {"replace in a missing file", std::nullopt, Replace(0), header + unknownRecord, {}},
        {"replace in an empty file", "", Replace(0), header + unknownRecord, {"The file is corrupt!"}},
        {"append after a record", one, Append(), one + newRecord, {}},
        {"append to a missing file", std::nullopt, Append(), header + newRecord, {}},
        {"append after a last line without end", kHeader + "\r\nA\r\na=1\r\n[a]=1", Append(), one + newRecord, {}},
        // The new record must start on a record's first line to read back as written.
        {"append drops a name line", one + "Half\r\n", Append(), one + newRecord, {}},
        {"append drops a name and a form", one + "Half\r\nh=1\r\n", Append(), one + newRecord, {}},
        {"append drops two lines, the last without end", one + "Half\r\nh=1", Append(), one + newRecord, {}},
        {"append keeps an LF-only file's bytes", kHeader + "\nA\na=1\n[a]=1\nHalf", Append(), kHeader + "\nA\na=1\n[a]=1\n" + newRecord, {}},
        {"append to an empty file writes the header", "", Append(), header + newRecord, {}},
        {"append to an outdated file renews it first", outdated, Append(), header + newRecord, {kRenewed}},
    };
    // clang-format on
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.what);
        m_messages.shown.clear();
        std::filesystem::remove(m_folder / "UserEq.dat");
        if (c.before) {
            WriteBytes("UserEq.dat", *c.before);
        }
        CUserFormulaFile file(m_folder, m_messages);
        c.edit(file);
        EXPECT_EQ(ReadBytes("UserEq.dat"), c.after);
        EXPECT_EQ(m_messages.Texts(), c.messages);
    }
}

TEST_F(CUserFormulaFileTest, DataFolderBelowAFileReportsABadPathOncePerOperation) {
    const std::string badPath = "Can't open file:\n\nThe path is invalid.";
    CUserFormulaFile file(FolderBelowAFile(), m_messages);
    Formulas formulas;
    struct Case {
        const char* what;
        std::function<bool()> operation;
    };
    const Case cases[] = {
        {"read", [&] { return file.ReadInto(formulas); }},
        {"write all",
         [&] {
             return file.WriteAll({{"A", "a", "[a]"}});
         }},
        {"rename", [&] { return file.RenameRecord(0, "X"); }},
        {"replace", [&] { return file.ReplaceRecord(0, "a", "[a]"); }},
        {"append",
         [&] {
             return file.AppendRecord({"A", "a", "[a]"});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_messages.shown.clear();
        EXPECT_FALSE(c.operation());
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{badPath});
    }
    EXPECT_TRUE(formulas.empty());
}

TEST_F(CUserFormulaFileTest, AFolderNamedUserEqDatCannotBeAccessed) {
    std::filesystem::create_directory(m_folder / "UserEq.dat");
    EXPECT_TRUE(Read().empty());
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Can't open file:\n\nThe file could not be accessed."});
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / "UserEq.dat"));
}

// Appending into a folder that does not exist: creating the header fails with its own text, and
// the second opening, failing for "not found" again, adds no message of its own.
TEST_F(CUserFormulaFileTest, AppendIntoAMissingFolderReportsTheFailedSaveOnly) {
    CUserFormulaFile file(m_folder / "missing", m_messages);
    EXPECT_FALSE(file.AppendRecord({"A", "a", "[a]"}));
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"Error saving to file <UserEq.dat> "});
    EXPECT_FALSE(std::filesystem::exists(m_folder / "missing"));
}

TEST(FileErrorCauseTest, PlatformErrorsMapToCauses) {
    struct Case {
        int error, cause;
    };
    // clang-format off
    const Case cases[] = {
        {ENOENT, 2}, {EACCES, 5}, {EPERM, 5}, {EISDIR, 5}, {EROFS, 5}, {ENOTDIR, 3}, {EINVAL, 3},
        {ELOOP, 3}, {ENAMETOOLONG, 3}, {EMFILE, 4}, {ENFILE, 4}, {ENOSPC, 13}, {EDQUOT, 13}, {EFBIG, 13},
        {EIO, 10}, {ENOMEM, 0}, {EBUSY, 1}, {EEXIST, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        EXPECT_EQ(FileErrorCause(std::error_code(c.error, std::generic_category())), c.cause);
        EXPECT_EQ(FileErrorCause(std::error_code(c.error, std::system_category())), c.cause);
    }
    EXPECT_EQ(FileErrorCause(std::make_error_code(std::io_errc::stream)), 1);
}

TEST(FileErrorCauseTest, CauseTextsAreExact) {
    struct Case {
        int cause;
        std::string text;
    };
    // The texts with a line break or a trailing space, and the fallback for unknown causes.
    const Case cases[] = {
        {0, "The operating system is out\nof memory or resources."},
        {3, "The path is invalid."},
        {12, "There was an attempt to lock a region that was already locked. "},
        {13, "The disk is full. "},
        {14, "The end of file was reached. "},
        {15, "Unknown Error (15) occurred."},
        {-3, "Unknown Error (-3) occurred."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cause);
        EXPECT_EQ(FileErrorCauseText(c.cause), c.text);
    }
    EXPECT_EQ(OpenErrorMessage(std::error_code(ENOSPC, std::generic_category())),
              "Can't open file:\n\nThe disk is full. ");
}

}  // namespace
}  // namespace zyk::test
