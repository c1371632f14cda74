#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>

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
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    // Delivers the pointer's arrival the way the platform does.
    void Enter() {
        QEnterEvent enter(QPointF(10, 10), QPointF(30, 30), m_button->mapToGlobal(QPointF(10, 10)));
        QApplication::sendEvent(m_button, &enter);
    }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_button, &leave);
    }
    QColor PaintedAt(int x, int y) { return m_button->grab().toImage().pixelColor(x, y); }

    QWidget m_window;
    CSkinButton* m_button = nullptr;
};

TEST_F(SkinButtonFixture, HoverFaceAppearsOnlyAfterTheDelayAndLeavesWithThePointer) {
    m_button->SetHoverFaceStyle(Rgb(255, 0, 0), kHoverFace);
    Enter();
    EXPECT_FALSE(m_button->IsHovered()) << "the face must not change before the delay";
    EXPECT_EQ(m_button->CurrentLook().face, kFace);
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_TRUE(m_button->IsHovered());
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kHoverFace));
    Leave();
    EXPECT_FALSE(m_button->IsHovered());
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kFace));
}

TEST_F(SkinButtonFixture, LeavingBeforeTheDelayCancelsTheHover) {
    m_button->SetHoverFaceStyle(Rgb(255, 0, 0), kHoverFace);
    Enter();
    Leave();
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_FALSE(m_button->IsHovered());
}

TEST_F(SkinButtonFixture, NoHoverStyleNeverChanges) {
    Enter();
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    EXPECT_FALSE(m_button->IsHovered());
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kFace));
}

TEST_F(SkinButtonFixture, HoverFrameStyleDrawsAFrameButKeepsTheFace) {
    m_button->SetHoverFrameStyle(Rgb(255, 0, 0));
    Enter();
    QTest::qWait(CSkinButton::kHoverDelayMs * 5);
    ASSERT_TRUE(m_button->IsHovered());
    EXPECT_EQ(PaintedAt(5, 5), ToQColor(kFace));
    EXPECT_EQ(PaintedAt(0, 15), QColor(255, 0, 0));
    EXPECT_EQ(PaintedAt(1, 15), QColor(255, 0, 0));
}

TEST_F(SkinButtonFixture, PointerArrivingDuringADragDoesNotLightTheButton) {
    m_button->SetHoverFaceStyle(Rgb(255, 0, 0), kHoverFace);
    QMouseEvent drag(QEvent::MouseMove, QPointF(10, 10), QPointF(30, 30),
                     m_button->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    Enter();
    Leave();
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

TEST_F(SkinButtonFixture, ClickStillEmitsClicked) {
    int clicks = 0;
    QObject::connect(m_button, &CSkinButton::clicked, [&clicks] { ++clicks; });
    QTest::mouseClick(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(40, 15));
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinButtonFixture, DisabledButtonShowsDisabledFaceAndEmbossedGreyText) {
    m_button->SetHoverFaceStyle(Rgb(255, 0, 0), kHoverFace);
    m_button->setEnabled(false);
    const SkinButtonLook look = m_button->CurrentLook();
    EXPECT_EQ(look.face, kDisabledFace);
    EXPECT_TRUE(look.embossedText);
    EXPECT_EQ(look.textColour, Rgb(128, 128, 128));

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
    EXPECT_EQ(button.Colours().face, Rgb(4, 5, 6));
    EXPECT_EQ(button.Style(), 200);
}

TEST(SkinButton, UnknownStyleFallsBackToNoHover) {
    CSkinButton button;
    button.SetStyle(202);
    EXPECT_EQ(button.Style(), 202);
    button.SetStyle(999);
    EXPECT_EQ(button.Style(), 200);
}

TEST(SkinButton, AssignedSchemeColoursTurnOnTheHoverFace) {
    CSkinButton button;
    const AssignedButtonColours assigned{Rgb(1, 1, 1), Rgb(2, 2, 2), Rgb(3, 3, 3), Rgb(4, 4, 4),
                                         Rgb(5, 5, 5), Rgb(6, 6, 6), 202};
    button.ApplyAssignedColours(assigned);
    EXPECT_EQ(button.Style(), 202);
    EXPECT_EQ(button.Colours().hoverFace, Rgb(6, 6, 6));
    EXPECT_EQ(button.Colours().shadow, Rgb(5, 5, 5));
    EXPECT_EQ(button.Colours().disabledFace, Rgb(3, 3, 3));
}

}  // namespace
}  // namespace zyk
