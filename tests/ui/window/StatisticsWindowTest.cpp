// The statistics window as the user works it: typing and Enter, Calculate, >> into the
// calculator (a number, and a formula that EXE then computes), the page menus and files, the
// remembered place, the colours and the help pop-ups.
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>

#include "WindowTestSupport.h"
#include "shell/ui/CNumEdit.h"
#include "shell/ui/COptionPage.h"
#include "shell/ui/QtColors.h"
#include "statistics/StatisticsControls.h"
#include "statistics/ui/CPageRegression.h"
#include "statistics/ui/CPageStatistics.h"
#include "statistics/ui/CStatSheet.h"

namespace zyk::window_test {
namespace {

namespace ids = statistics_ids;

// File dialogs that answer as a test says: a path, or cancel.
class ScriptedDialogs : public DataFileDialogs {
public:
    std::optional<QString> ChooseFileToOpen(QWidget*, const Request& request) override {
        requests.push_back(request);
        return answer;
    }
    std::optional<QString> ChooseFileToSave(QWidget*, const Request& request) override {
        requests.push_back(request);
        return answer;
    }

    std::optional<QString> answer;
    std::vector<Request> requests;
};

class StatisticsWindow : public WindowTest {
protected:
    // The window as the application makes it, shown by its menu item.
    CStatSheet& Sheet() {
        if (m_sheet == nullptr) {
            Window().AddToolWindow(ToolWindowKind::Statistics, [this] {
                return new CStatSheet(
                    StatisticsWindowContext{
                        .store = store,
                        .programFolder = DataFolder(),
                        .messages = &messages,
                        .insertNumberText =
                            [this](std::string_view text) { Window().InsertNumberText(text); },
                        .insertFormulaWithValues =
                            [this](std::string_view text, double a, double b) {
                                Window().InsertFormulaWithValues(text, a, b);
                            },
                        .openHelpTopic =
                            [this](std::string_view topic) { topics.push_back(topic); },
                        .fileDialogs = &dialogs,
                    },
                    &Window());
            });
            m_sheet = qobject_cast<CStatSheet*>(Window().ToolWindow(ToolWindowKind::Statistics));
            EXPECT_NE(m_sheet, nullptr);
            Window().MainMenuAction(CalculatorCommand::Statistics)->trigger();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_sheet));
        }
        return *m_sheet;
    }
    CPageStatistics& Values() { return Sheet().StatisticsPage(); }
    CPageRegression& Pairs() {
        Sheet().PageList().setCurrentRow(1);
        return Sheet().RegressionPage();
    }

    // Types into the page's field and presses Enter there.
    static void Enter(CStatPage& page, std::initializer_list<const char*> texts) {
        for (const char* typed : texts) {
            QTest::keyClicks(&page.EntryField(), QString::fromUtf8(typed));
            QTest::keyClick(&page.EntryField(), Qt::Key_Return);
        }
    }
    static void ClickRow(QListView& list, int row) {
        const QRect rect = list.visualRect(list.model()->index(row, 0));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }
    static void Click(CStatPage& page, int controlId) {
        CSkinButton* button = page.Button(controlId);
        ASSERT_NE(button, nullptr) << controlId;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void PickPageMenu(CStatPage& page, const QString& item) {
        const std::unique_ptr<QMenu> menu = page.MakePageMenu();
        QAction* action = Item(*menu, item);
        ASSERT_NE(action, nullptr) << item.toStdString();
        action->trigger();
    }

    ScriptedDialogs dialogs;
    std::vector<std::string_view> topics;

private:
    CStatSheet* m_sheet = nullptr;
};

TEST_F(StatisticsWindow, OpensOnTheFirstPageAtItsPlaceWithEverythingInside) {
    CStatSheet& sheet = Sheet();
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Statistic Calculations..."));
    EXPECT_EQ(sheet.pos(), QPoint(150, 100));
    EXPECT_EQ(sheet.ActivePage(), &Values());
    EXPECT_EQ(sheet.PageList().item(0)->text(), QStringLiteral("Standard Deviation"));
    EXPECT_EQ(sheet.PageList().item(1)->text(), QStringLiteral("Regression"));
    for (CStatPage* page :
         {static_cast<CStatPage*>(&Values()), static_cast<CStatPage*>(&Pairs())}) {
        for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(page->rect().contains(child->geometry()))
                << child->objectName().toStdString();
        }
        EXPECT_TRUE(sheet.rect().contains(page->geometry()));
        EXPECT_EQ(page->focusWidget(), &page->EntryField());
    }
    EXPECT_EQ(Values().FrequencyField().text(), QStringLiteral("1"));
    EXPECT_EQ(Items(Values().ResultsList()), QStringList{QStringLiteral("Number of Values : 0")});
    for (const int id : {ids::kValueAdd, ids::kValueDelete, ids::kValueInsert, ids::kValueCalculate,
                         ids::kValueClear}) {
        EXPECT_FALSE(Values().Button(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(Values().Button(ids::kValueMenuButton)->isEnabled());
}

TEST_F(StatisticsWindow, EnterAddsWithTheFrequencyAndCalculateFillsTheResults) {
    CPageStatistics& page = Values();
    QTest::keyClicks(&page.EntryField(), QStringLiteral("0.00"));
    QTest::keyClick(&page.EntryField(), Qt::Key_Return);
    EXPECT_EQ(page.EntryField().text(), QStringLiteral("0.00")) << "refused, and kept";
    page.EntryField().clear();
    page.FrequencyField().setText(QStringLiteral("3"));
    Enter(page, {"2"});
    EXPECT_EQ(Items(page.EntryList()), (QStringList{"2", "2", "2"}));
    EXPECT_EQ(page.FrequencyField().text(), QStringLiteral("1"));
    EXPECT_EQ(page.EntryField().text(), QString());
    Enter(page, {"1,5"});  // typed: the comma arrives as a point
    EXPECT_EQ(Items(page.EntryList()).front(), QStringLiteral("1.5"));

    page.FrequencyField().setFocus();  // Enter adds wherever the focus is on the page
    page.EntryField().setText(QStringLiteral("4"));
    QTest::keyClick(&page.FrequencyField(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(page.Core().Count(), 5u);
    EXPECT_TRUE(Sheet().isVisible()) << "Enter inside a page is Add, never OK";

    Click(page, ids::kValueCalculate);
    EXPECT_EQ(
        Items(page.ResultsList()),
        (QStringList{"Number of Values : 5", "Sum : 11.5", "Square Sum : 30.25", "Mean Value : 2.3",
                     "Median : 2", "Population Std Deviation : 0.8717797887",
                     "Sample Std Deviation : 0.9746794345"}));
}

TEST_F(StatisticsWindow, InsertHandsTheMeanValueToTheExpressionLine) {
    CPageStatistics& page = Values();
    Enter(page, {"1", "2", "3", "4"});
    Click(page, ids::kValueCalculate);
    EXPECT_FALSE(page.Button(ids::kValueInsert)->isEnabled());
    const QRect meanRow = page.ResultsList().visualRect(page.ResultsList().model()->index(3, 0));
    QTest::mousePress(page.ResultsList().viewport(), Qt::RightButton, {}, meanRow.center());
    EXPECT_FALSE(page.ResultsList().selectionModel()->hasSelection())
        << "a right click opens the menu, it selects nothing";
    QTest::mouseRelease(page.ResultsList().viewport(), Qt::RightButton, {}, meanRow.center());
    ClickRow(page.ResultsList(), 3);
    ASSERT_TRUE(page.Button(ids::kValueInsert)->isEnabled());
    EXPECT_EQ(page.focusWidget(), &page.EntryField());
    Click(page, ids::kValueInsert);
    EXPECT_EQ(ExpressionShown(), QStringLiteral("2.5"));
}

TEST_F(StatisticsWindow, FormulaLineThenExeComputesTheFittedValue) {
    CPageRegression& page = Pairs();
    Enter(page, {"1;2", "2;3", "3;5", "4;4"});
    EXPECT_EQ(Items(page.EntryList()), (QStringList{"1;2", "2;3", "3;5", "4;4"}));
    Click(page, ids::kPairCalculate);
    ClickRow(page.ResultsList(), 1);
    EXPECT_FALSE(page.Button(ids::kPairInsert)->isEnabled()) << "the a line is no formula";
    ClickRow(page.ResultsList(), 4);
    Click(page, ids::kPairInsert);
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8("[y]=¦a¦+¦b¦*[x]"));
    Do({Press(Qt::Key_Return), Type("10"), Press(Qt::Key_Return)});
    EXPECT_EQ(ResultShown(), QStringLiteral("y=9.5"));

    page.TypeBox().setCurrentIndex(3);
    EXPECT_EQ(Items(page.ResultsList()),
              (QStringList{"Number of Data Pairs : 4", " ", "Formula Used : y = ax^b"}));
    EXPECT_EQ(page.focusWidget(), &page.EntryField());
}

TEST_F(StatisticsWindow, PairWithoutSemicolonFromAFileStopsCalculate) {
    const QString path = QDir(QString::fromStdString(DataFolder().string())).filePath("p.slr");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1;2\r\n3\r\n");
    file.close();
    CPageRegression& page = Pairs();
    dialogs.answer = path;
    PickPageMenu(page, QStringLiteral("Open..."));
    EXPECT_EQ(Items(page.EntryList()), (QStringList{"1;2", "3"}));
    Click(page, ids::kPairCalculate);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"No Semicolon found in data pair!  \n"});
    EXPECT_EQ(Items(page.ResultsList()).front(), QStringLiteral("Number of Data Pairs : 2"));
}

TEST_F(StatisticsWindow, OpenCancelledEmptiesTheListAndSaveAsThenSaveWrite) {
    CPageStatistics& page = Values();
    Enter(page, {"3", "1"});
    const std::unique_ptr<QMenu> menu = page.MakePageMenu();
    EXPECT_EQ(ItemTexts(*menu), (QStringList{"Open...", "Save", "Save As...", "Help", "Close"}));
    EXPECT_EQ(menu->actions().size(), 8) << "separators after Open, Save As and Help";

    const QString path = QDir(QString::fromStdString(DataFolder().string())).filePath("v.ssd");
    dialogs.answer = path;
    PickPageMenu(page, QStringLiteral("Save As..."));
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Save data file"));
    EXPECT_EQ(dialogs.requests[0].filter, QStringLiteral("Data files (*.ssd *.SSD)"));
    const QString statistical =
        QDir(QString::fromStdString(DataFolder().string())).filePath("Statistical");
    EXPECT_EQ(dialogs.requests[0].folder, statistical) << "the folder the calculator named";
    EXPECT_TRUE(QFileInfo(statistical).isDir()) << "made when first needed";
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("1\r\n3\r\n"));

    dialogs.answer.reset();
    PickPageMenu(page, QStringLiteral("Open..."));
    EXPECT_EQ(page.Core().Count(), 0u);
    EXPECT_FALSE(Item(*page.MakePageMenu(), QStringLiteral("Save"))->isEnabled());
    EXPECT_FALSE(Item(*page.MakePageMenu(), QStringLiteral("Save As..."))->isEnabled());
    EXPECT_TRUE(page.Button(ids::kValueClear)->isEnabled()) << "nothing else changes";
    EXPECT_TRUE(messages.shown.empty());

    Enter(page, {"5"});
    dialogs.answer = QDir(QString::fromStdString(DataFolder().string())).filePath("no/v.ssd");
    PickPageMenu(page, QStringLiteral("Save As..."));
    ASSERT_EQ(messages.shown.size(), 1u) << "a save that fails says so";
    EXPECT_EQ(messages.shown[0].text.rfind("The data file could not be written:\n\n", 0), 0u);
}

TEST_F(StatisticsWindow, MenuItemEscCloseAndHelp) {
    CStatSheet& sheet = Sheet();
    Window().MainMenuAction(CalculatorCommand::Statistics)->trigger();
    EXPECT_FALSE(sheet.isVisible()) << "the menu item toggles";
    Window().MainMenuAction(CalculatorCommand::Statistics)->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    Enter(Values(), {"7"});
    QTest::keyClick(&Values().EntryField(), Qt::Key_Escape);
    EXPECT_FALSE(sheet.isVisible());
    Window().MainMenuAction(CalculatorCommand::Statistics)->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    EXPECT_EQ(Items(Values().EntryList()), QStringList{"7"}) << "hiding keeps the data";
    PickPageMenu(Pairs(), QStringLiteral("Close"));
    EXPECT_FALSE(sheet.isVisible());
    PickPageMenu(Values(), QStringLiteral("Help"));
    EXPECT_EQ(topics, std::vector<std::string_view>{"ZykCalc.chm::/Statistics.htm"});
}

TEST_F(StatisticsWindow, PagesTakeTheSchemeColours) {
    store.WriteInt("Colors", "Preset", 8);
    ApplyScheme(store, CurrentPlatformColours());
    CPageStatistics& values = Values();
    CPageRegression& pairs = Pairs();
    Enter(values, {"5"});
    Enter(pairs, {"1;2"});
    const auto row = [](QListView& list, int role) {
        return FromQColor(list.model()->index(0, 0).data(role).value<QColor>());
    };
    EXPECT_EQ(FromQColor(values.EntryField().palette().color(QPalette::Base)), Rgb(60, 80, 100));
    EXPECT_EQ(FromQColor(values.EntryField().palette().color(QPalette::Text)), Rgb(255, 255, 80));
    EXPECT_EQ(FromQColor(values.ResultsList().palette().color(QPalette::Base)), Rgb(80, 100, 120));
    EXPECT_EQ(row(values.ResultsList(), Qt::BackgroundRole), Rgb(60, 100, 100));
    EXPECT_EQ(row(pairs.ResultsList(), Qt::BackgroundRole), Rgb(80, 100, 120));
    EXPECT_EQ(row(values.ResultsList(), Qt::ForegroundRole), Rgb(240, 240, 80));
    EXPECT_EQ(row(values.EntryList(), Qt::ForegroundRole), Rgb(240, 200, 120));
    EXPECT_EQ(FromQColor(pairs.TypeBox().palette().color(QPalette::Base)), Rgb(60, 80, 100));
    EXPECT_EQ(values.Button(ids::kValueCalculate)->Colours().face, 0x91A096u);   // family 2
    EXPECT_EQ(values.Button(ids::kValueAdd)->Colours().text, 0x3C3C3Cu);         // text 1
    EXPECT_EQ(values.Button(ids::kValueMenuButton)->Colours().face, 0x829696u);  // family 4
    const QImage picture = values.grab().toImage();
    EXPECT_EQ(picture.pixelColor(0, picture.height() / 2), Qt::black) << "the page's frame";
    EXPECT_EQ(FromQColor(Sheet().PageList().palette().color(QPalette::Base)), 0xA5B4AAu);

    store.WriteInt("Colors", "Preset", 0);
    ApplyScheme(store, CurrentPlatformColours());
    Sheet().PageList().setCurrentRow(0);
    values.repaint();
    EXPECT_FALSE(values.ResultsList().model()->index(0, 0).data(Qt::BackgroundRole).isValid());
}

TEST_F(StatisticsWindow, ContextHelpShowsTheControlsText) {
    CPageRegression& pairs = Pairs();
    const QPoint where = pairs.mapToGlobal(QPoint(10, 10));
    QWidget* popup = pairs.ShowContextHelp(pairs.Button(ids::kPairCalculate), where);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(qobject_cast<QLabel*>(popup)->text(),
              QStringLiteral("Process the data in the list and create a formula."));
    popup->close();
    EXPECT_EQ(pairs.ShowContextHelp(pairs.Button(ids::kPairMenuButton), where), nullptr);
    QWidget* listHelp = pairs.ShowContextHelp(pairs.EntryList().viewport(), where);
    ASSERT_NE(listHelp, nullptr) << "a list's inside belongs to the list";
    EXPECT_TRUE(qobject_cast<QLabel*>(listHelp)->text().startsWith("This listbox contains"));
    listHelp->close();
}

}  // namespace
}  // namespace zyk::window_test
