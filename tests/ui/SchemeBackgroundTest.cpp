#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "shell/ui/CSchemeBackground.h"
#include "shell/ui/ResourceLocator.h"

namespace zyk {
namespace {

const QString kShippedImages = QStringLiteral(ZYK_SOURCE_DIR "/resources/images");

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
    void CopyShipped(const QString& name) const {
        ASSERT_TRUE(QFile::copy(kShippedImages + QLatin1Char('/') + name,
                                m_dir.filePath(QStringLiteral("bin/images/") + name)));
    }

private:
    QTemporaryDir m_dir;
};

TEST(SchemeBackground, SchemePictureIsLoadedFromBesideTheProgramOrIsPlainWhite) {
    PictureFolder folder;
    CSchemeBackground background;
    background.Load(Tinted("images/Bkc_green.bmp"), ResourceLocator(folder.Bin()));
    ASSERT_TRUE(background.HasPicture());
    EXPECT_TRUE(background.IsFallback());
    EXPECT_EQ(background.Picture().size(), QSize(12, 12));
    EXPECT_EQ(background.Picture().pixelColor(6, 6), QColor(Qt::white));

    folder.CopyShipped(QStringLiteral("Bkc_green.bmp"));
    background.Load(Tinted("images/Bkc_green.bmp"), ResourceLocator(folder.Bin()));
    EXPECT_FALSE(background.IsFallback());
    EXPECT_EQ(background.Picture().size(), QSize(240, 400));
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

}  // namespace
}  // namespace zyk
