#include <QLineEdit>
#include <QListWidget>

#include "UiTestSupport.h"
#include "shell/ui/COptionPage.h"
#include "shell/ui/COptionSheet.h"
#include "shell/ui/CSkinButton.h"

namespace zyk {
namespace {

// A page that records what the sheet asks of it.
class RecordingPage : public COptionPage {
public:
    RecordingPage(const QString& caption, QSize units) : COptionPage(caption, units) {}

    void OnSetActive() override { ++activations; }
    bool OnKillActive() override { return mayLeave; }
    void OnOk() override { ++oks; }
    void OnCancel() override { ++cancels; }
    void OnApply() override { ++applies; }

    int builds = 0;
    int activations = 0;
    int oks = 0;
    int cancels = 0;
    int applies = 0;
    bool mayLeave = true;
    bool initialisedWhileBuilding = true;
    QLineEdit* field = nullptr;

protected:
    void OnInitPage() override {
        ++builds;
        initialisedWhileBuilding = IsInitialised();
        field = new QLineEdit(this);
    }
};

class OptionSheetFixture : public ::testing::Test {
protected:
    void Make(const SheetStyle& style) {
        m_sheet = std::make_unique<COptionSheet>(QStringLiteral("Sheet"), m_store, style);
        m_first = new RecordingPage(QStringLiteral("First"), QSize(100, 50));
        m_second = new RecordingPage(QStringLiteral("Second"), QSize(216, 198));
        m_sheet->AddPage(m_first);
        m_sheet->AddPage(m_second);
    }

    MemorySettingsStore m_store;
    std::unique_ptr<COptionSheet> m_sheet;
    RecordingPage* m_first = nullptr;
    RecordingPage* m_second = nullptr;
};

TEST_F(OptionSheetFixture, PagesAreMadeWhenFirstCurrentAndActivatedEachTime) {
    Make(SheetStyle{});
    ASSERT_EQ(m_sheet->PageList().count(), 2);
    EXPECT_EQ(m_sheet->PageList().item(1)->text(), QStringLiteral("Second"));
    EXPECT_FALSE(m_first->IsCreated());

    ShowAndSettle(*m_sheet);
    EXPECT_EQ(m_sheet->ActiveIndex(), 0) << "the first page is current when the sheet opens";
    EXPECT_TRUE(m_first->IsInitialised());
    EXPECT_FALSE(m_first->initialisedWhileBuilding);
    EXPECT_FALSE(m_second->IsCreated());

    m_sheet->PageList().setCurrentRow(1);
    EXPECT_EQ(m_sheet->ActiveIndex(), 1);
    EXPECT_TRUE(m_second->isVisible());
    EXPECT_FALSE(m_first->isVisible());
    m_sheet->PageList().setCurrentRow(0);
    m_sheet->PageList().setCurrentRow(1);
    EXPECT_EQ(m_second->builds, 1);
    EXPECT_EQ(m_second->activations, 2);
    EXPECT_EQ(m_second->pos(), m_sheet->PageArea().topLeft());
}

TEST_F(OptionSheetFixture, PageThatRefusesToBeLeftStaysCurrent) {
    Make(SheetStyle{.buttonRow = true});
    ShowAndSettle(*m_sheet);
    m_first->mayLeave = false;
    m_sheet->PageList().setCurrentRow(1);
    EXPECT_EQ(m_sheet->ActiveIndex(), 0);
    EXPECT_EQ(m_sheet->PageList().currentRow(), 0);
    EXPECT_FALSE(m_second->IsCreated());

    m_sheet->Button(COptionSheet::kIdOk)->click();
    EXPECT_TRUE(m_sheet->isVisible()) << "OK does not take data the page refuses";
    EXPECT_EQ(m_first->oks, 0);
    m_first->mayLeave = true;
    m_sheet->Button(COptionSheet::kIdOk)->click();
    EXPECT_FALSE(m_sheet->isVisible());
    EXPECT_EQ(m_sheet->result(), QDialog::Accepted);
    EXPECT_EQ(m_first->oks, 1);
    EXPECT_EQ(m_second->oks, 0) << "a page never made has no data to take";
}

TEST_F(OptionSheetFixture, SizeHoldsTheLargestPageTheListAndTheMargins) {
    Make(SheetStyle{});
    const QRect area = m_sheet->PageArea();
    EXPECT_EQ(area.size(), m_second->PixelSize());
    EXPECT_GE(area.left(), m_sheet->PageList().geometry().right() + COptionSheet::kMargin);
    EXPECT_EQ(m_sheet->PageList().width(), COptionSheet::kPageListWidth);
    EXPECT_EQ(m_sheet->PageList().height(), area.height());
    EXPECT_GT(m_sheet->width(), area.right() + COptionSheet::kMargin);
    EXPECT_GT(m_sheet->height(), area.bottom() + COptionSheet::kMargin);
}

TEST_F(OptionSheetFixture, ButtonRowFollowsTheStyle) {
    struct Row {
        SheetStyle style;
        std::vector<int> present;
    };
    const std::vector<Row> rows = {
        {SheetStyle{}, {}},
        {SheetStyle{.buttonRow = true}, {1, 2, 12321}},
        {SheetStyle{.buttonRow = true, .noApply = true, .hasHelp = true}, {1, 2, 9}},
        {SheetStyle{.buttonRow = true, .hasHelp = true}, {1, 2, 12321, 9}},
    };
    for (const Row& row : rows) {
        Make(row.style);
        int previousRight = -1;
        for (const int id : {1, 2, 12321, 9}) {
            const bool expected =
                std::find(row.present.begin(), row.present.end(), id) != row.present.end();
            const CSkinButton* button = m_sheet->Button(id);
            ASSERT_EQ(button != nullptr, expected) << "button " << id;
            if (button != nullptr) {
                EXPECT_GT(button->x(), previousRight) << "left to right in the row order";
                EXPECT_GT(button->y(), m_sheet->PageArea().bottom());
                previousRight = button->geometry().right();
            }
        }
    }
}

TEST_F(OptionSheetFixture, ApplyIsEnabledByAModifiedPageAndTakesTheData) {
    Make(SheetStyle{.buttonRow = true});
    ShowAndSettle(*m_sheet);
    CSkinButton& apply = *m_sheet->Button(COptionSheet::kIdApply);
    EXPECT_FALSE(apply.isEnabled());
    m_first->SetModified(true);
    ASSERT_TRUE(apply.isEnabled());
    apply.click();
    EXPECT_EQ(m_first->applies, 1);
    EXPECT_FALSE(apply.isEnabled());
    EXPECT_TRUE(m_sheet->isVisible());

    m_sheet->Button(COptionSheet::kIdCancel)->click();
    EXPECT_EQ(m_first->cancels, 1);
    EXPECT_EQ(m_sheet->result(), QDialog::Rejected);
}

TEST_F(OptionSheetFixture, EnterOnThePageListIsOkAndEscCancels) {
    Make(SheetStyle{});
    ShowAndSettle(*m_sheet);
    m_sheet->PageList().setFocus();
    QTest::keyClick(&m_sheet->PageList(), Qt::Key_Return);
    EXPECT_FALSE(m_sheet->isVisible());
    EXPECT_EQ(m_first->oks, 1);

    ShowAndSettle(*m_sheet);
    QTest::keyClick(m_first->field, Qt::Key_Escape);
    EXPECT_FALSE(m_sheet->isVisible());
    EXPECT_EQ(m_first->cancels, 1);
}

TEST_F(OptionSheetFixture, TintedSchemeColoursTheListAsTheStyleAsks) {
    SelectScheme(m_store, 8);
    for (const auto& [look, background, text] :
         {std::tuple{PageListLook::Light, 0xA5B4AAu, 0x000000u},
          std::tuple{PageListLook::Dark, 0x788C78u, 0xFFFFFFu}}) {
        Make(SheetStyle{.listLook = look});
        ShowAndSettle(*m_sheet);
        const QPalette& list = m_sheet->PageList().palette();
        EXPECT_EQ(FromQColor(list.color(QPalette::Base)), background);
        EXPECT_EQ(FromQColor(list.color(QPalette::Text)), text);
        EXPECT_EQ(FromQColor(m_sheet->palette().color(QPalette::Window)), 0x788C78u);
    }
    SelectScheme(m_store, 0);
    m_sheet->update();
    QApplication::processEvents();
    EXPECT_EQ(m_sheet->Scheme(), 0);
    EXPECT_EQ(m_sheet->PageList().palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));
}

}  // namespace
}  // namespace zyk
