// The pictures the forms load from Qt resources are the built files, at the promised paths.
#include "artfiles.h"

#include <gtest/gtest.h>

using namespace sk2arttest;

TEST(Sk2ArtResources, FormPicturesAreBuiltIn)
{
    QStringList names{"cars/car1.png", "cars/car2.png", "cars/track.png", "icon.png"};
    for (int n = 0; n < 9; ++n)
        names << QString("editor/tiles/%1.png").arg(n) << QString("preview/%1.png").arg(n);
    for (const QString &name : names) {
        const QImage built(":/sk2/" + name);
        ASSERT_FALSE(built.isNull()) << qPrintable(name);
        EXPECT_EQ(built, LoadArt(name)) << qPrintable(name);
    }
}

TEST(Sk2ArtResources, SmallPicturesAndIconHaveClearBackgrounds)
{
    for (const auto &[name, size] :
         {std::pair{"cars/car1.png", 32}, {"cars/car2.png", 32}, {"cars/track.png", 32}, {"icon.png", 128}}) {
        const QImage picture = LoadArt(name);
        ASSERT_EQ(picture.size(), QSize(size, size)) << name;
        ASSERT_TRUE(picture.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(picture.pixel(size / 2, size / 2)), 255) << name;
    }
    const QRgb green = LoadArt("cars/car1.png").pixel(8, 16);
    const QRgb red = LoadArt("cars/car2.png").pixel(8, 16);
    EXPECT_GT(qGreen(green), qRed(green));
    EXPECT_GT(qRed(red), qGreen(red));
}
