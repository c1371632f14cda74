#include "UiTestSupport.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

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
    EXPECT_FALSE(m_button->IsHovered()) << "the face must not change before the delay";
    EXPECT_EQ(m_button->CurrentLook().face, kFace);
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_TRUE(m_button->IsHovered());
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kHoverFace));
    SendLeave(*m_button);
    EXPECT_FALSE(m_button->IsHovered());
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kFace));
}

TEST_F(SkinButtonFixture, LeavingBeforeTheDelayCancelsTheHover) {
    m_button->SetHoverFaceStyle(Rgb(255, 0, 0), kHoverFace);
    SendEnter(*m_button);
    SendLeave(*m_button);
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_FALSE(m_button->IsHovered());
}

TEST_F(SkinButtonFixture, NoHoverStyleNeverChanges) {
    SendEnter(*m_button);
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_FALSE(m_button->IsHovered());
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kFace));
}

TEST_F(SkinButtonFixture, PointerArrivingDuringADragDoesNotLightTheButton) {
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

}  // namespace
}  // namespace zyk
