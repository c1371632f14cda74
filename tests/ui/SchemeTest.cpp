#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>

#include "UiTestSupport.h"
#include "shell/MemorySettingsStore.h"
#include "shell/ui/CSchemeBackground.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/QtColors.h"
#include "shell/ui/ResourceLocator.h"

namespace zyk {
namespace {

AppliedScheme Tinted(const std::string& picture) {
    return AppliedScheme{8, true, picture};
}

// A program folder in a temporary place, with the pictures that a test puts there.
class PictureFolder {
public:
    PictureFolder() { QDir(m_dir.path()).mkpath(QStringLiteral("bin/images")); }
    QString Bin() const { return m_dir.filePath(QStringLiteral("bin")); }
    void Put(const QString& name, const QImage& image) const {
        ASSERT_TRUE(image.save(m_dir.filePath(QStringLiteral("bin/images/") + name), "BMP"));
    }

private:
    QTemporaryDir m_dir;
};

TEST(SchemeBackground, MissingPictureFallsBackToPlainWhite) {
    PictureFolder folder;
    CSchemeBackground background;
    background.Load(Tinted("images/Bkc_green.bmp"), ResourceLocator(folder.Bin()));
    ASSERT_TRUE(background.HasPicture());
    EXPECT_TRUE(background.IsFallback());
    EXPECT_EQ(background.Picture().size(), QSize(12, 12));
    EXPECT_EQ(background.Picture().pixelColor(6, 6), QColor(Qt::white));
}

TEST(SchemeBackground, PlainSchemeDrawsNoPictureAndKeepsItsDisplayColour) {
    PictureFolder folder;
    CSchemeBackground background;
    background.Load(AppliedScheme{0, false, "", 0x645A50}, ResourceLocator(folder.Bin()));
    EXPECT_FALSE(background.HasPicture());
    EXPECT_EQ(background.DisplayBackground(), QColor(0x50, 0x5A, 0x64));

    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::green);
    QPainter painter(&target);
    background.Paint(painter, target.rect());
    painter.end();
    EXPECT_EQ(target.pixelColor(10, 10), QColor(Qt::green));
}

TEST(SchemeBackground, StretchesEverythingButThePicturesLastRow) {
    PictureFolder folder;
    QImage striped(4, 3, QImage::Format_RGB32);
    striped.fill(Qt::blue);
    for (int x = 0; x < 4; ++x) {
        striped.setPixelColor(x, 2, Qt::red);
    }
    folder.Put(QStringLiteral("Bkc_blue.bmp"), striped);
    CSchemeBackground background;
    background.Load(Tinted("images/Bkc_blue.bmp"), ResourceLocator(folder.Bin()));
    ASSERT_FALSE(background.IsFallback());

    QImage target(40, 60, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    background.Paint(painter, target.rect());
    painter.end();
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            ASSERT_EQ(target.pixelColor(x, y), QColor(Qt::blue)) << x << "," << y;
        }
    }
}

TEST(SchemeBackground, EveryShippedPictureLoadsAndIsLight) {
    const ResourceLocator shipped(QStringLiteral(ZYK_SOURCE_DIR "/resources"));
    for (const std::string_view file : kBackgroundPictureFiles) {
        CSchemeBackground background;
        background.Load(Tinted(std::string(file)), shipped);
        ASSERT_FALSE(background.IsFallback()) << file;
        const QImage& picture = background.Picture();
        double lightness = 0;
        for (int y = 0; y < picture.height(); y += 7) {
            for (int x = 0; x < picture.width(); x += 7) {
                lightness += picture.pixelColor(x, y).lightnessF();
            }
        }
        lightness /= ((picture.height() + 6) / 7) * ((picture.width() + 6) / 7);
        EXPECT_GT(lightness, 0.7) << file << ": keys must stay legible on it";
    }
}

TEST(ResourceLocator, BesideTheProgramWinsOverTheShareFolder) {
    QTemporaryDir dir;
    QDir root(dir.path());
    root.mkpath(QStringLiteral("bin/help"));
    root.mkpath(QStringLiteral("share/zykcalc/help"));
    QFile beside(root.filePath(QStringLiteral("bin/help/A.htm")));
    QFile shared(root.filePath(QStringLiteral("share/zykcalc/help/A.htm")));
    QFile sharedOnly(root.filePath(QStringLiteral("share/zykcalc/help/B.htm")));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    ASSERT_TRUE(shared.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sharedOnly.open(QIODevice::WriteOnly));

    const ResourceLocator locator(root.filePath(QStringLiteral("bin")));
    EXPECT_EQ(locator.Find(QStringLiteral("help/A.htm")), QFileInfo(beside).absoluteFilePath());
    EXPECT_EQ(locator.Find(QStringLiteral("help/B.htm")), QFileInfo(sharedOnly).absoluteFilePath());
    EXPECT_TRUE(locator.Find(QStringLiteral("help/C.htm")).isEmpty());
    EXPECT_TRUE(locator.Find(QStringLiteral("help")).isEmpty()) << "a folder is no file";
    EXPECT_TRUE(locator.Find(QFileInfo(beside).absoluteFilePath()).isEmpty());
}

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
    EXPECT_EQ(m_dialog.palette().color(QPalette::Window), ToQColor(0xB4AAA3));
    EXPECT_TRUE(m_dialog.autoFillBackground());
    EXPECT_EQ(Base(m_edit), QColor(60, 80, 100));
    EXPECT_EQ(m_edit->palette().color(QPalette::Text), QColor(255, 255, 80));
    EXPECT_EQ(Base(m_list), QColor(40, 60, 60));
    EXPECT_EQ(m_add->Colours().face, 0xA0A096u);  // Royal Blue family 3
    EXPECT_EQ(m_add->Colours().text, 0x3C3C3Cu);  // text colour 1
}

TEST_F(SchemeWindowFixture, AVisibleWindowPicksUpANewSchemeWhenRepaintedAHiddenOneWhenShown) {
    ShowAndSettle();
    SelectScheme(8);
    EXPECT_EQ(m_add->Colours().face, 0xA0A096u) << "nothing changes before the window paints";
    m_dialog.update();
    QApplication::processEvents();
    EXPECT_EQ(m_colours->Scheme(), 8);
    EXPECT_EQ(m_add->Colours().face, 0x8CA08Cu);  // Forest Green family 3
    EXPECT_EQ(m_dialog.palette().color(QPalette::Window), ToQColor(0xA5B4AA));
    EXPECT_FALSE(m_colours->RedrawButtonsPending()) << "the paint redrew the buttons";

    // A hidden window catches up when it is shown again.
    m_dialog.hide();
    SelectScheme(5);
    QApplication::processEvents();
    EXPECT_EQ(m_colours->Scheme(), 8);
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
