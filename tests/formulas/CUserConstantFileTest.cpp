#include "FormulaTestSupport.h"
#include "formulas/CUserConstantFile.h"

namespace zyk::test {
namespace {

const std::string kHeader = "1025: User constants to be used with Zyk Calculator!";

struct Lists {
    Lines names, symbols, values;
};

class CUserConstantFileTest : public TempFolderTest {
protected:
    CUserConstantFile File() { return CUserConstantFile(m_folder, m_messages); }
    Lists Read() {
        // Stale entries prove that reading empties the lists first.
        Lists lists{{"stale"}, {"s"}, {"1"}};
        File().ReadInto(lists.names, lists.symbols, lists.values);
        return lists;
    }
};

TEST_F(CUserConstantFileTest, MissingFileIsCreatedWithTheHeaderOnly) {
    EXPECT_TRUE(Read().names.empty());
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
        EXPECT_TRUE(Read().names.empty());
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"The file is corrupt!"});
        EXPECT_EQ(ReadBytes("UserConstants.dat"), c.bytes);
        EXPECT_EQ(ReadBytes("UserConstants.bad"), c.badAfter);
    }
}

TEST_F(CUserConstantFileTest, WriteAllCountsBySymbolsAndKeepsTrailingSpaces) {
    ASSERT_TRUE(File().WriteAll({"Proton Mass", "Pi"}, {"mp", "pi"}, {"1.67262158e-27 ", "3"}));
    EXPECT_EQ(ReadBytes("UserConstants.dat"),
              CrLfLines({kHeader, "Proton Mass", "mp", "1.67262158e-27 ", "Pi", "pi", "3"}));
    const Lists lists = Read();
    EXPECT_EQ(lists.values, (std::vector<std::string>{"1.67262158e-27 ", "3"}));

    ASSERT_TRUE(File().WriteAll({"Only name"}, {}, {}));
    EXPECT_EQ(ReadBytes("UserConstants.dat"), kHeader + "\r\n");
}

TEST_F(CUserConstantFileTest, AppendRecordExtendsOrCreates) {
    ASSERT_TRUE(File().AppendRecord("Rydberg Constant", "Ry", "10973731.568549"));
    ASSERT_TRUE(File().AppendRecord("Faraday Constant", "F", "96485.3415"));
    EXPECT_EQ(ReadBytes("UserConstants.dat"),
              CrLfLines({kHeader, "Rydberg Constant", "Ry", "10973731.568549", "Faraday Constant",
                         "F", "96485.3415"}));
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(CUserConstantFileTest, FailuresUseTheirOwnFileName) {
    CUserConstantFile below(FolderBelowAFile(), m_messages);
    std::vector<std::string> names, symbols, values;
    EXPECT_FALSE(below.ReadInto(names, symbols, values));
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Can't open file:\n\nThe path is invalid."});

    m_messages.shown.clear();
    CUserConstantFile missing(m_folder / "missing", m_messages);
    EXPECT_FALSE(missing.AppendRecord("A", "a", "1"));
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Error saving to file <UserConstants.dat> "});
}

}  // namespace
}  // namespace zyk::test
