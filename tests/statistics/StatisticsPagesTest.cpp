#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/AtomicFile.h"
#include "statistics/RegressionPage.h"
#include "statistics/StatisticsPage.h"
#include "support/TempFolder.h"

namespace zyk {
namespace {

using Lines = std::vector<std::string>;

// Add, Delete, >>, Calculate, Clear.
PageButtons On(bool add, bool remove, bool insert, bool calculate, bool clear) {
    return PageButtons{add, remove, insert, calculate, clear};
}

std::string Show(const PageButtons& b) {
    return std::string(b.add ? "A" : "-") + (b.remove ? "D" : "-") + (b.insert ? ">" : "-") +
           (b.calculate ? "C" : "-") + (b.clear ? "X" : "-");
}

Lines Entries(const DataPage& page) {
    Lines texts;
    for (std::size_t i = 0; i < page.Count(); ++i) {
        texts.push_back(page.EntryText(i));
    }
    return texts;
}

void AddAll(DataPage& page, const Lines& texts) {
    for (const std::string& text : texts) {
        page.SetField(text);
        page.Add();
    }
}

TEST(PageButtons, TableRulesKeepOrChangeEachButton) {
    const PageButtons all = On(true, true, true, true, true);
    const PageButtons none{};
    const struct {
        PageEvent event;
        PageButtons before;
        PageFacts facts;
        PageButtons after;
    } rows[] = {
        {PageEvent::Created, all, {}, none},
        {PageEvent::FieldChanged, none, {.fieldHoldsText = true}, On(true, 0, 0, 0, 0)},
        {PageEvent::FieldChanged, all, {}, On(0, 1, 1, 1, 1)},
        {PageEvent::AddAccepted, none, {.count = 1}, On(0, 0, 0, 0, 1)},
        {PageEvent::AddAccepted, none, {.count = 2}, On(0, 0, 0, 1, 1)},
        {PageEvent::AddAccepted, all, {.count = 0}, On(0, 0, 0, 1, 1)},  // never disables
        {PageEvent::DataSelectionChanged, none, {.entrySelected = true}, On(0, 1, 0, 0, 0)},
        {PageEvent::ResultSelectionChanged, none, {.entrySelected = true}, none},
        // clang-format off
        {PageEvent::ResultSelectionChanged, none, {.insertableLineSelected = true}, On(0, 0, 1, 0, 0)},
        // clang-format on
        {PageEvent::Calculated, all, {.count = 5}, On(1, 0, 0, 1, 1)},
        {PageEvent::Deleted, all, {.count = 1}, On(1, 0, 0, 0, 1)},
        {PageEvent::Deleted, all, {.count = 0}, On(1, 0, 0, 1, 0)},
        {PageEvent::Deleted, all, {.count = 3}, On(1, 0, 0, 1, 1)},
        {PageEvent::Cleared, all, {.count = 3}, On(1, 0, 0, 0, 0)},
        {PageEvent::FileLoaded, all, {.count = 0}, all},
        {PageEvent::FileLoaded, all, {.count = 1}, On(1, 0, 0, 1, 1)},
        {PageEvent::FileLoaded, none, {.count = 1}, On(0, 0, 0, 0, 1)},
        {PageEvent::FileLoaded, none, {.count = 2}, On(0, 0, 0, 1, 1)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Show(ButtonsAfter(row.event, row.before, row.facts)), Show(row.after))
            << "event " << static_cast<int>(row.event) << " before " << Show(row.before);
    }
}

TEST(StatisticsPage, AddTakesFrequencyAndRefusesQuietly) {
    const struct {
        const char* value;
        const char* frequency;
        bool added;
        Lines entries;
    } rows[] = {
        {"2", "3", true, {"2", "2", "2"}},
        {"2", "", true, {"2"}},
        {"2", "2.9", true, {"2", "2"}},
        {"2", "abc", true, {}},  // a count of 0 adds nothing, but the Add still happens
        {"2", "-4", true, {}},
        {"0.00", "1", false, {}},
        {"", "1", false, {}},
        {"2", "1000001", false, {}},
        // 17 characters a million times over pass the text one Add may copy
        {"12345678901234567", "1000000", false, {}},
        {"12345678901234567", "2", true, {"12345678901234567", "12345678901234567"}},
    };
    for (const auto& row : rows) {
        StatisticsPage page;
        page.SetField(row.value);
        page.SetFrequency(row.frequency);
        EXPECT_EQ(page.Add(), row.added) << row.value << " x " << row.frequency;
        EXPECT_EQ(Entries(page), row.entries) << row.frequency;
        if (row.added) {
            EXPECT_EQ(page.Field(), "");
            EXPECT_EQ(page.Frequency(), "1");
            EXPECT_EQ(page.Results(),
                      Lines{"Number of Values : " + std::to_string(row.entries.size())});
            EXPECT_EQ(Show(page.Buttons()), row.entries.size() > 1 ? "---CX" : "----X");
        } else {
            EXPECT_EQ(page.Field(), row.value) << "a refused text stays in its field";
            EXPECT_EQ(page.Frequency(), row.frequency);
        }
    }
}

TEST(StatisticsPage, ButtonsFollowAWholeSession) {
    StatisticsPage page;
    EXPECT_EQ(Show(page.Buttons()), "-----");
    EXPECT_EQ(page.Results(), Lines{"Number of Values : 0"});
    page.SetField("4");
    EXPECT_EQ(Show(page.Buttons()), "A----");
    ASSERT_TRUE(page.Add());
    EXPECT_EQ(Show(page.Buttons()), "----X") << "one value: nothing to calculate yet";
    AddAll(page, {"1", "3", "2"});
    EXPECT_EQ(Entries(page), (Lines{"1", "2", "3", "4"}));
    EXPECT_EQ(Show(page.Buttons()), "---CX");

    page.Calculate();
    EXPECT_EQ(page.Results().at(3), "Mean Value : 2.5");
    page.SelectResult(3);
    EXPECT_EQ(Show(page.Buttons()), "-->CX");
    EXPECT_EQ(page.InsertText(), "2.5");
    page.SelectResult(0);
    EXPECT_EQ(page.InsertText(), "4");
    page.SelectEntry(1);
    EXPECT_EQ(Show(page.Buttons()), "-D>CX");

    page.Delete();
    EXPECT_EQ(Entries(page), (Lines{"1", "3", "4"}));
    EXPECT_EQ(page.Results(), Lines{"Number of Values : 3"});
    EXPECT_EQ(Show(page.Buttons()), "---CX");
    for (int left = 2; left >= 0; --left) {
        page.SelectEntry(0);
        page.Delete();
    }
    EXPECT_EQ(Show(page.Buttons()), "-----") << "one left disables Calculate, none Clear";

    AddAll(page, {"5", "6"});
    page.Clear();
    EXPECT_EQ(Show(page.Buttons()), "-----");
    EXPECT_EQ(page.Count(), 0u);
    EXPECT_EQ(page.Results(), Lines{"Number of Values : 0"});
}

TEST(StatisticsPage, InsertTextCutsAfterTheFirstColon) {
    StatisticsPage page;
    EXPECT_EQ(page.InsertText(), std::nullopt) << "nothing selected";
    page.SelectResult(0);
    EXPECT_EQ(page.InsertText(), "0");
    page.SelectResult(5);
    EXPECT_EQ(page.SelectedResult(), std::nullopt) << "a line that is not there";
}

TEST(RegressionPage, AddAppendsInOrderAndRefreshesTheInformation) {
    RegressionPage page;
    EXPECT_EQ(page.Results(),
              (Lines{"Number of Data Pairs : 0", " ", "Formula Used : y = a + bx"}));
    AddAll(page, {"3;1", "5;", "10,2;30", "1;2", "0;0.0", ";5", "5", "0.00;1"});
    EXPECT_EQ(Entries(page), (Lines{"3;1", "10,2;30", "1;2", "0;0.0"}));
    EXPECT_EQ(page.Field(), "0.00;1") << "a refused pair stays in the field";
    EXPECT_EQ(page.Results().front(), "Number of Data Pairs : 4");
    EXPECT_EQ(Show(page.Buttons()), "A--CX");
}

TEST(RegressionPage, OnlyTheFormulaLinesGoToTheCalculator) {
    RegressionPage page;
    AddAll(page, {"1;2", "2;3", "3;5", "4;4"});
    ASSERT_TRUE(page.Calculate());
    ASSERT_EQ(page.Results().size(), 6u);
    for (std::size_t line = 0; line < 6; ++line) {
        page.SelectResult(line);
        const bool formula = line == kYOfXLine || line == kXOfYLine;
        EXPECT_EQ(page.Buttons().insert, formula) << line;
        EXPECT_EQ(page.InsertFormula().has_value(), formula) << line;
    }
    page.SelectResult(kYOfXLine);
    EXPECT_EQ(page.InsertFormula()->formula,
              "[y]=\xA6"
              "a\xA6+\xA6"
              "b\xA6*[x]");
    EXPECT_DOUBLE_EQ(page.InsertFormula()->a, 1.5);
    EXPECT_DOUBLE_EQ(page.InsertFormula()->b, 0.8);

    page.SetType(RegressionType::Power);
    EXPECT_EQ(page.Results(), (Lines{"Number of Data Pairs : 4", " ", "Formula Used : y = ax^b"}));
    EXPECT_EQ(page.InsertFormula(), std::nullopt);
    EXPECT_DOUBLE_EQ(page.ConstantA(), 1.5) << "constants stay until the next calculation";
}

class PageFiles : public ::testing::Test {
protected:
    std::filesystem::path Write(const char* name, const std::string& bytes) {
        const auto path = m_folder.Path() / name;
        EXPECT_FALSE(ReplaceFileContents(path, bytes));
        return path;
    }
    std::string Read(const std::filesystem::path& path) {
        std::string bytes;
        EXPECT_FALSE(ReadFileContents(path, bytes));
        return bytes;
    }

    test::TempFolder m_folder;
};

TEST_F(PageFiles, ValueFileLoadsSortedAndKeepsOtherResultLines) {
    StatisticsPage page;
    AddAll(page, {"7", "8"});
    page.Calculate();
    page.EmptyForOpen();
    ASSERT_TRUE(page.Open(Write("values.ssd", "3\r\n1\n\r\n2")));
    EXPECT_EQ(Entries(page), (Lines{"", "1", "2", "3"})) << "an empty line is a value of 0";
    EXPECT_EQ(page.Results().front(), "Number of Values : 4");
    EXPECT_EQ(page.Results().at(1), "Sum : 15") << "the earlier results stay below";
    EXPECT_EQ(Show(page.Buttons()), "---CX");
    EXPECT_EQ(page.FilePath(), m_folder.Path() / "values.ssd");
}

TEST_F(PageFiles, OpenCancelledLeavesTheListEmptyAndCalculateAsItWas) {
    StatisticsPage page;
    AddAll(page, {"1", "2"});
    page.EmptyForOpen();
    EXPECT_EQ(page.Count(), 0u);
    EXPECT_FALSE(page.CanSave());
    EXPECT_EQ(Show(page.Buttons()), "---CX");
    page.Calculate();
    EXPECT_EQ(page.Results().at(3), "Mean Value : nan");
}

TEST_F(PageFiles, SaveNeedsACurrentFileAndWritesCrLf) {
    StatisticsPage page;
    AddAll(page, {"2", "1,5"});  // typed 1,5 arrives as 1.5; a pasted one keeps its comma
    EXPECT_FALSE(page.Save()) << "no current file";
    const auto path = m_folder.Path() / "out.ssd";
    ASSERT_TRUE(page.SaveAs(path));
    EXPECT_EQ(Read(path), "1,5\r\n2\r\n");
    page.SelectEntry(0);
    page.Delete();
    ASSERT_TRUE(page.Save());
    EXPECT_EQ(Read(path), "2\r\n");
    page.SelectEntry(0);
    page.Delete();
    EXPECT_TRUE(page.FilePath().empty()) << "an emptied list forgets its file";
    EXPECT_FALSE(page.Save());

    RegressionPage pairs;
    pairs.EmptyForOpen();
    ASSERT_TRUE(pairs.Open(Write("empty.slr", "")));
    ASSERT_TRUE(pairs.Save()) << "an empty list saved to its file";
    EXPECT_EQ(Read(path.parent_path() / "empty.slr"), "");
    EXPECT_FALSE(pairs.SaveAs(m_folder.Path() / "missing" / "x.slr"));
}

TEST_F(PageFiles, PairFileWithoutSemicolonStopsCalculate) {
    RegressionPage page;
    ASSERT_TRUE(page.Open(Write("pairs.slr", "1;2\r\n\r\n3;4\r\nfive\r\n")));
    EXPECT_EQ(Entries(page), (Lines{"1;2", "", "3;4", "five"}));
    EXPECT_EQ(page.Results(),
              (Lines{"Number of Data Pairs : 4", " ", "Formula Used : y = a + bx"}));
    EXPECT_EQ(Show(page.Buttons()), "---CX");
    const Lines before = page.Results();
    EXPECT_FALSE(page.Calculate());
    EXPECT_EQ(page.Results(), before);

    EXPECT_FALSE(page.Open(m_folder.Path() / "none.slr"));
    EXPECT_EQ(page.FilePath(), m_folder.Path() / "none.slr") << "the chosen path is kept";
}

}  // namespace
}  // namespace zyk
