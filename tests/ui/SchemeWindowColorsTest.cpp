#include <QDialog>
#include <QLineEdit>
#include <QListWidget>

#include "UiTestSupport.h"
#include "shell/MemorySettingsStore.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

// A small dialog in the pattern of the tool windows: an edit field, a list and a skinned button
// with its family.
class SchemeWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SelectScheme(3);
        m_edit = new QLineEdit(&m_dialog);
        m_list = new QListWidget(&m_dialog);
        m_add = new CSkinButton(QStringLiteral("Add"), &m_dialog);
        m_colours = new CSchemeWindowColors(m_dialog, m_store);
        m_colours->AssignButton(*m_add, 3, 1);
    }

    void SelectScheme(int scheme) { zyk::SelectScheme(m_store, scheme); }
    void ShowAndSettle() { zyk::ShowAndSettle(m_dialog); }
    static QColor Base(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

    MemorySettingsStore m_store;
    QDialog m_dialog;
    QLineEdit* m_edit = nullptr;
    QListWidget* m_list = nullptr;
    CSkinButton* m_add = nullptr;
    CSchemeWindowColors* m_colours = nullptr;
};

TEST_F(SchemeWindowFixture, TintedSchemeColoursDialogFieldsListsAndButtons) {
    ShowAndSettle();
    EXPECT_EQ(m_colours->Scheme(), 3);
    EXPECT_EQ(m_dialog.palette().color(QPalette::Window), ToQColor(0xB4AAA3));
    EXPECT_TRUE(m_dialog.autoFillBackground());
    EXPECT_EQ(Base(m_edit), QColor(60, 80, 100));
    EXPECT_EQ(m_edit->palette().color(QPalette::Text), QColor(255, 255, 80));
    EXPECT_EQ(Base(m_list), QColor(40, 60, 60));
    EXPECT_EQ(m_add->Colours().face, 0xA0A096u);  // Royal Blue family 3
    EXPECT_EQ(m_add->Colours().text, 0x3C3C3Cu);  // text colour 1
    EXPECT_EQ(m_add->Style(), 202);
}

TEST_F(SchemeWindowFixture, VisibleWindowPicksUpANewSchemeWhenRepainted) {
    ShowAndSettle();
    SelectScheme(8);
    EXPECT_EQ(m_add->Colours().face, 0xA0A096u) << "nothing changes before the window paints";
    m_dialog.update();
    QApplication::processEvents();
    EXPECT_EQ(m_colours->Scheme(), 8);
    EXPECT_EQ(m_add->Colours().face, 0x8CA08Cu);  // Forest Green family 3
    EXPECT_EQ(m_dialog.palette().color(QPalette::Window), ToQColor(0xA5B4AA));
    EXPECT_FALSE(m_colours->RedrawButtonsPending()) << "the paint redrew the buttons";
}

TEST_F(SchemeWindowFixture, HiddenWindowCatchesUpWhenShown) {
    ShowAndSettle();
    m_dialog.hide();
    SelectScheme(5);
    QApplication::processEvents();
    EXPECT_EQ(m_colours->Scheme(), 3);
    ShowAndSettle();
    EXPECT_EQ(m_colours->Scheme(), 5);
    EXPECT_EQ(m_add->Colours().face, 0x8CA5A5u);  // Olive family 3
}

TEST_F(SchemeWindowFixture, PlainSchemeGivesPlatformColoursBack) {
    ShowAndSettle();
    SelectScheme(0);
    m_dialog.update();
    QApplication::processEvents();
    const QPalette platform = QApplication::palette();
    EXPECT_FALSE(m_colours->IsTinted());
    EXPECT_FALSE(m_dialog.autoFillBackground());
    EXPECT_EQ(Base(m_edit), platform.color(QPalette::Base));
    EXPECT_EQ(Base(m_list), platform.color(QPalette::Base));
    // Scheme-coloured buttons take the platform face and light up in its light colour.
    EXPECT_EQ(m_add->Colours().face, FromQColor(platform.color(QPalette::Button)));
    EXPECT_EQ(m_add->Colours().hoverFace, FromQColor(platform.color(QPalette::Light)));
}

TEST_F(SchemeWindowFixture, OutOfRangeNumberKeepsTheTintedLayoutWithPlainColours) {
    SelectScheme(9);
    ShowAndSettle();
    EXPECT_TRUE(m_colours->IsTinted());
    EXPECT_EQ(Base(m_edit), QColor(60, 80, 100));
    EXPECT_EQ(m_add->Colours().face, FromQColor(QApplication::palette().color(QPalette::Button)));
}

TEST_F(SchemeWindowFixture, ExcludedControlKeepsItsOwnColours) {
    auto* code = new QLineEdit(&m_dialog);
    QPalette own = code->palette();
    own.setColor(QPalette::Base, QColor(60, 70, 80));
    code->setPalette(own);
    m_colours->Exclude(*code);
    ShowAndSettle();
    EXPECT_EQ(Base(code), QColor(60, 70, 80));
    EXPECT_EQ(Base(m_edit), QColor(60, 80, 100));
}

TEST(SchemeWindowColours, OwnListColoursAreUsed) {
    MemorySettingsStore store;
    SelectScheme(store, 2);
    QDialog dialog;
    auto* list = new QListWidget(&dialog);
    CSchemeWindowColors::ControlColours controls;
    controls.listBackground = Rgb(80, 100, 120);
    controls.listText = Rgb(240, 240, 80);
    CSchemeWindowColors colours(dialog, store, controls);
    colours.Refresh();
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(80, 100, 120));
    EXPECT_EQ(list->palette().color(QPalette::Text), QColor(240, 240, 80));
    EXPECT_FALSE(colours.Refresh()) << "an unchanged scheme is not picked up twice";
}

}  // namespace
}  // namespace zyk
