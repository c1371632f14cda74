#include "UiTestSupport.h"
#include "shell/MemorySettingsStore.h"
#include "shell/ui/CAboutDlg.h"
#include "shell/ui/CColorStatic.h"
#include "shell/ui/CLinkLabel.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

MemorySettingsStore StoreWithScheme(int scheme) {
    MemorySettingsStore store;
    SelectScheme(store, scheme);
    return store;
}

TEST(AboutDlg, ShowsTitleVersionAndLinks) {
    const MemorySettingsStore store = StoreWithScheme(1);
    CAboutDlg about(store);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Zyk Calc"));
    EXPECT_EQ(about.VersionText().text(), QStringLiteral("Zyk's Calc Version 1.65"));
    EXPECT_EQ(about.EmailLink().Target().toString(), QStringLiteral("mailto:zykcalc@example.org"));
    EXPECT_EQ(about.HomepageLink().Target().toString(),
              QStringLiteral("https://example.org/zykcalc/"));
}

TEST(AboutDlg, OkButtonTakesFamilyTwoTextTwoOfTheScheme) {
    const MemorySettingsStore store = StoreWithScheme(7);
    CAboutDlg about(store);
    ShowAndSettle(about);
    EXPECT_EQ(about.OkButton().text(), QStringLiteral("OK"));
    EXPECT_EQ(about.OkButton().Colours().face, 0x9696A0u);  // Red Sunset family 2
    EXPECT_EQ(about.OkButton().Colours().text, 0xF0F0F0u);
    EXPECT_EQ(about.OkButton().Style(), 202);
}

TEST(AboutDlg, TintedSchemeDrawsAnElevenPixelBorderInTheDarkColour) {
    const MemorySettingsStore store = StoreWithScheme(8);
    CAboutDlg about(store);
    ShowAndSettle(about);
    const QImage picture = about.grab().toImage();
    const QColor dark = ToQColor(0x788C78);
    EXPECT_EQ(picture.pixelColor(0, 0), dark);
    EXPECT_EQ(picture.pixelColor(10, picture.height() / 2), dark);
    EXPECT_EQ(picture.pixelColor(picture.width() - 11, picture.height() / 2), dark);
    EXPECT_EQ(picture.pixelColor(11, picture.height() - 30), ToQColor(0xA5B4AA))
        << "inside the border the dialog background shows";
}

// The link control on its own: colours through enter, leave and click, and what a failure says.
class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_window.resize(300, 60);
        m_link = new CLinkLabel(QStringLiteral("zykcalc@example.org"), &m_window);
        m_link->setGeometry(10, 10, 200, 20);
        m_link->SetMessages(&m_messages);
        m_link->SetOpener([this](const QUrl& url) {
            m_opened.push_back(url);
            return m_opens;
        });
        ShowAndSettle(m_window);
    }

    QWidget m_window;
    CLinkLabel* m_link = nullptr;
    test::RecordingMessages m_messages;
    std::vector<QUrl> m_opened;
    bool m_opens = true;
};

TEST_F(LinkFixture, PointerOnTheLinkShowsTheHoverColourAndLeavingRestoresIt) {
    m_link->SetLinkColour(Rgb(0, 80, 180));
    SendEnter(*m_link);
    EXPECT_EQ(m_link->CurrentColour(), Rgb(160, 100, 80));
    SendLeave(*m_link);
    EXPECT_EQ(m_link->CurrentColour(), Rgb(0, 80, 180));
}

TEST_F(LinkFixture, ClickOpensTheLinkAndTurnsItGrey) {
    int opened = 0;
    QObject::connect(m_link, &CLinkLabel::LinkOpened, [&opened] { ++opened; });
    SendEnter(*m_link);
    QTest::mouseClick(m_link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0].toString(), QStringLiteral("mailto:zykcalc@example.org"));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(m_link->CurrentColour(), Rgb(128, 128, 128));
    EXPECT_TRUE(m_messages.shown.empty());
    // The colour it had when clicked comes back when the pointer leaves.
    SendLeave(*m_link);
    EXPECT_EQ(m_link->CurrentColour(), Rgb(160, 100, 80));
}

TEST_F(LinkFixture, LinkThatCannotBeOpenedSaysWhy) {
    m_opens = false;
    QTest::mouseClick(m_link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text,
              "Can't open link:\n\nThere is no application associated\nwith the given filename "
              "extension.");
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(m_messages.shown[0].buttons, MessageButtons::Ok);
}

TEST(ColorStatic, TransparentUntilToldOtherwiseAndSizedByItsFont) {
    QWidget window;
    window.resize(200, 60);
    QPalette green = window.palette();
    green.setColor(QPalette::Window, Qt::green);
    window.setPalette(green);
    window.setAutoFillBackground(true);
    auto* label = new CColorStatic(QStringLiteral("Frequency:"), &window);
    label->setGeometry(0, 0, 150, 30);
    ShowAndSettle(window);
    EXPECT_EQ(window.grab().toImage().pixelColor(148, 28), QColor(Qt::green));
    label->SetBackgroundColour(Rgb(250, 250, 250));
    label->SetTransparent(false);
    EXPECT_EQ(window.grab().toImage().pixelColor(148, 28), QColor(250, 250, 250));
}

}  // namespace
}  // namespace zyk
