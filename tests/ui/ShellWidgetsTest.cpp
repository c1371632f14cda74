#include "UiTestSupport.h"

#include <QDialog>
#include <QLineEdit>

#include "shell/MemorySettingsStore.h"
#include "shell/ui/CAboutDlg.h"
#include "shell/ui/CColorStatic.h"
#include "shell/ui/CFocusIndicator.h"
#include "shell/ui/CLinkLabel.h"
#include "shell/ui/CNumEdit.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DeferredIconStyle.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

MemorySettingsStore StoreWithScheme(int scheme) {
    MemorySettingsStore store;
    SelectScheme(store, scheme);
    return store;
}

// The overflow arrows are read when drawn, and then look like the platform style's; every other
// icon comes from the platform style as it is.
TEST(DeferredIconStyle, OverflowArrowsAreTheStylesOwnWhenDrawn) {
    DeferredIconStyle style(QApplication::style()->name());
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_DialogOkButton}) {
        const QIcon icon = style.standardIcon(which);
        const QImage expected = QApplication::style()->standardIcon(which).pixmap(16, 16).toImage();
        ASSERT_FALSE(expected.isNull()) << which;
        EXPECT_EQ(icon.pixmap(16, 16).toImage(), expected) << which;
        EXPECT_EQ(icon.actualSize(QSize(16, 16)), expected.size()) << which;
    }
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
    EXPECT_EQ(about.OkButton().Colours().face, 0x9696A0u);  // Red Sunset family 2
    EXPECT_EQ(about.OkButton().Colours().text, 0xF0F0F0u);
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

TEST_F(LinkFixture, ClickOpensTheLinkAndTurnsItGrey) {
    int opened = 0;
    QObject::connect(m_link, &CLinkLabel::LinkOpened, [&opened] { ++opened; });
    m_link->SetLinkColour(Rgb(0, 80, 180));
    SendEnter(*m_link);  // the pointer shows the hover colour, leaving restores the link colour
    EXPECT_EQ(m_link->CurrentColour(), Rgb(160, 100, 80));
    SendLeave(*m_link);
    EXPECT_EQ(m_link->CurrentColour(), Rgb(0, 80, 180));
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

constexpr ColorRef kFace = Rgb(10, 20, 30);
constexpr ColorRef kHoverFace = Rgb(200, 210, 220);
constexpr ColorRef kDisabledFace = Rgb(90, 90, 90);
constexpr ColorRef kDarkFrame = Rgb(5, 60, 5);

// A button on a shown window, so the pointer and the painting behave as on screen.
class SkinButtonFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_window.resize(200, 100);
        m_button = new CSkinButton(QStringLiteral("EXE"), &m_window);
        m_button->setGeometry(20, 20, 80, 30);
        m_button->SetColours(Rgb(240, 240, 240), kFace, kDisabledFace);
        m_button->SetEdgeColours(Rgb(120, 120, 120), Rgb(50, 50, 50));
        m_button->SetDarkFrameColour(kDarkFrame);
        ShowAndSettle(m_window);
    }

    QColor PaintedAt(int x, int y) { return m_button->grab().toImage().pixelColor(x, y); }

    QWidget m_window;
    CSkinButton* m_button = nullptr;
};

TEST_F(SkinButtonFixture, HoverFaceAppearsOnlyAfterTheDelayAndLeavesWithThePointer) {
    m_button->SetHoverFaceStyle(Rgb(255, 0, 0), kHoverFace);
    SendEnter(*m_button);
    SendLeave(*m_button);
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_FALSE(m_button->IsHovered()) << "leaving before the delay cancels the hover";
    SendEnter(*m_button);
    EXPECT_FALSE(m_button->IsHovered()) << "the face must not change before the delay";
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_TRUE(m_button->IsHovered());
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kHoverFace));
    SendLeave(*m_button);
    EXPECT_FALSE(m_button->IsHovered());
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kFace));
}

TEST_F(SkinButtonFixture, NoHoverStyleOrADragNeverLightsTheButton) {
    SendEnter(*m_button);
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_FALSE(m_button->IsHovered()) << "no hover style";
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kFace));
    SendLeave(*m_button);

    // The pointer arriving during a drag.
    m_button->SetHoverFaceStyle(Rgb(255, 0, 0), kHoverFace);
    QMouseEvent drag(QEvent::MouseMove, QPointF(10, 10), QPointF(30, 30),
                     m_button->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    SendEnter(*m_button);
    SendLeave(*m_button);
    QApplication::sendEvent(m_button, &drag);
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_FALSE(m_button->IsHovered());
}

TEST_F(SkinButtonFixture, PressedShowsDarkFrameAndSunkenEdgesUntilReleased) {
    QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(40, 15));
    EXPECT_TRUE(m_button->CurrentLook().sunken);
    EXPECT_EQ(PaintedAt(0, 15), ToQColor(kDarkFrame));
    EXPECT_EQ(PaintedAt(1, 15), QColor(50, 50, 50)) << "shadow colour at the top-left when sunken";
    QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(40, 15));
    EXPECT_FALSE(m_button->CurrentLook().sunken);
    EXPECT_EQ(PaintedAt(0, 15), QColor(0, 0, 0));
    EXPECT_EQ(PaintedAt(1, 15), QColor(120, 120, 120)) << "light colour at the top-left again";
}

TEST_F(SkinButtonFixture, DisabledButtonShowsDisabledFaceAndEmbossedGreyText) {
    m_button->SetHoverFaceStyle(Rgb(255, 0, 0), kHoverFace);
    m_button->setEnabled(false);
    const QImage picture = m_button->grab().toImage();
    EXPECT_EQ(picture.pixelColor(5, 5), ToQColor(kDisabledFace));
    bool white = false;
    bool grey = false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            white = white || picture.pixelColor(x, y) == QColor(255, 255, 255);
            grey = grey || picture.pixelColor(x, y) == QColor(128, 128, 128);
        }
    }
    EXPECT_TRUE(white) << "the white shadow of the text";
    EXPECT_TRUE(grey) << "the grey text itself";
}

TEST(SkinButton, TwoColourSetterGivesThePlatformFaceWhenDisabled) {
    CSkinButton button(QStringLiteral("Add"));
    button.SetColours(Rgb(1, 2, 3), Rgb(4, 5, 6));
    EXPECT_EQ(button.Colours().disabledFace, FromQColor(button.palette().color(QPalette::Button)));
}

TEST(NumEdit, FiltersTypingButNotPasting) {
    CNumEdit field;
    QTest::keyClicks(&field, QStringLiteral("1,5x;E-e 2"));
    EXPECT_EQ(field.text(), QStringLiteral("1.5;-e2"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QStringLiteral("1.5;-e"));
    field.clear();
    field.insert(QStringLiteral("1,5 abc"));  // what a paste inserts
    EXPECT_EQ(field.text(), QStringLiteral("1,5 abc"));
}

// The keyboard's focus shows as a frame around the control, on skinned buttons and fields
// alike; the mouse puts the frame away.
TEST(FocusIndicator, FramesTheControlTheKeyboardMovedTo) {
    const CFocusIndicator indicator;
    QDialog dialog;
    auto* field = new QLineEdit(&dialog);
    auto* button = new CSkinButton(QStringLiteral("OK"), &dialog);
    field->setGeometry(10, 10, 120, 24);
    button->setGeometry(10, 50, 80, 24);
    ShowAndSettle(dialog);
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    field->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(indicator.Target(), nullptr);

    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_EQ(indicator.Target(), button);
    EXPECT_TRUE(indicator.Frame()->geometry().contains(button->geometry()));
    EXPECT_GT(indicator.Frame()->width(), button->width());

    QTest::keyClick(button, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(indicator.Target(), field);
    button->move(10, 80);  // a control that moves takes no frame with it
    EXPECT_TRUE(indicator.Frame()->geometry().contains(field->geometry()));

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(indicator.Target(), nullptr);
    EXPECT_EQ(indicator.Frame(), nullptr);
}

}  // namespace
}  // namespace zyk
