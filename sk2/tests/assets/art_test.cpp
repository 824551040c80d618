// The built pictures keep the rules the race, the editor and the previews rely on.
#include "artfiles.h"

#include <QFile>
#include <QTransform>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace sk2arttest;

namespace {

constexpr int Marker800 = 31;
constexpr int Marker640 = 245;

QImage Sprite(int n)
{
    return LoadArt(SpriteName(n));
}

// The shown pixels of a sprite, as a mask picture (white shown, black transparent).
QImage ShownMask(const QImage &sprite)
{
    QImage mask(sprite.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x)
            mask.setPixel(x, y, sprite.pixelIndex(x, y) != 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    return mask;
}

QRect ShownBounds(const QImage &mask)
{
    QRect bounds;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (qGray(mask.pixel(x, y)) > 127)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

bool UsesIndex(const QImage &picture, int index)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixelIndex(x, y) == index)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(Sk2ArtPalette, EveryIndexedPictureSharesTheGamePalette)
{
    const QImage chart = LoadArt("palette.png");
    ASSERT_EQ(chart.format(), QImage::Format_Indexed8);
    ASSERT_EQ(chart.colorCount(), 256);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(chart.pixelIndex(i % 16, i / 16), i);
    QStringList pictures;
    for (int n = 0; n < 81; ++n)
        pictures << SpriteName(n);
    for (int n = 0; n < 9; ++n)
        pictures << QString("tiles800/%1.png").arg(n) << QString("tiles640/%1.png").arg(n);
    for (const QString &name : pictures) {
        const QImage picture = LoadArt(name);
        ASSERT_EQ(picture.format(), QImage::Format_Indexed8) << qPrintable(name);
        EXPECT_EQ(picture.colorTable(), chart.colorTable()) << qPrintable(name);
    }
}

TEST(Sk2ArtPalette, TheScreenTextColoursAreThereExactly)
{
    // The intro, heads-up and race-over texts ask for these; the screen takes the nearest entry, which
    // must be the colour itself and never the road or a marker entry.
    const QList<QRgb> table = LoadArt("palette.png").colorTable();
    const QList<QRgb> asked = {qRgb(0, 128, 0),    qRgb(0, 255, 0),     qRgb(255, 0, 0),
                               qRgb(255, 255, 0),  qRgb(255, 255, 255), qRgb(128, 128, 128),
                               qRgb(192, 192, 192)};
    for (QRgb colour : asked) {
        const int index = int(table.indexOf(colour));
        EXPECT_GT(index, 0) << std::hex << colour;
        EXPECT_NE(index, Marker800);
        EXPECT_NE(index, Marker640);
    }
    EXPECT_NE(table[0], qRgb(0, 0, 0)) << "the road should read as asphalt, not as the black of the texts";
}

TEST(Sk2ArtSprites, CountsAndSizes)
{
    EXPECT_FALSE(QFile::exists(ArtPath(SpriteName(81))));
    EXPECT_EQ(Sprite(0).size(), QSize(8, 80));
    for (int n = 1; n <= 64; ++n) {
        const QSize size = Sprite(n).size();
        EXPECT_TRUE(size.width() >= 22 && size.width() <= 31 && size.height() >= 25 && size.height() <= 32)
            << "car image " << n << " is " << size.width() << " x " << size.height();
    }
    for (int n = 65; n <= 68; ++n)
        EXPECT_EQ(Sprite(n).size(), QSize(15, 15)) << n;
    for (int n = 69; n <= 74; ++n)
        EXPECT_EQ(Sprite(n).size(), Sprite(1).size()) << n;
    for (int n = 75; n <= 80; ++n)
        EXPECT_EQ(Sprite(n).size(), Sprite(17).size()) << n;
}

TEST(Sk2ArtSprites, IndexZeroIsOnlyTransparencyAndNoSpriteUsesTheMarkers)
{
    // The finish line is solid, every other sprite shows something and leaves some of its box clear.
    EXPECT_FALSE(UsesIndex(Sprite(0), 0));
    for (int n = 0; n < 81; ++n) {
        const QImage sprite = Sprite(n);
        EXPECT_FALSE(UsesIndex(sprite, Marker800)) << n;
        EXPECT_FALSE(UsesIndex(sprite, Marker640)) << n;
        EXPECT_FALSE(ShownBounds(ShownMask(sprite)).isEmpty()) << n;
    }
}

TEST(Sk2ArtSprites, CarsAreGreenAndRedWithTheReferencePointOnTheCar)
{
    for (int n = 1; n <= 64; ++n) {
        const QImage car = Sprite(n);
        long red = 0, green = 0;
        for (int y = 0; y < car.height(); ++y) {
            for (int x = 0; x < car.width(); ++x) {
                if (car.pixelIndex(x, y) != 0) {
                    red += qRed(car.pixel(x, y));
                    green += qGreen(car.pixel(x, y));
                }
            }
        }
        if (n <= 32)
            EXPECT_GT(green, red * 1.3) << "car 1 image " << n;
        else
            EXPECT_GT(red, green * 1.3) << "car 2 image " << n;
        // The race reads the track under (x + 10, y + 14) as the car's own place on the track.
        EXPECT_NE(car.pixelIndex(10, 14), 0) << n;
    }
}

TEST(Sk2ArtSprites, EachDirectionIsAQuarterTurnFromTheOneEightBefore)
{
    // Direction d + 8 must be direction d turned 90 degrees clockwise; both are drawn from one picture
    // on a pixel grid that a quarter turn maps onto itself, so they agree almost pixel for pixel.
    for (int first : {1, 33}) {
        for (int d = 0; d < 24; ++d) {
            const QImage turned = ShownMask(Sprite(first + d)).transformed(QTransform().rotate(90));
            const QImage expected = ShownMask(Sprite(first + d + 8));
            const QImage a = turned.copy(ShownBounds(turned));
            const QImage b = expected.copy(ShownBounds(expected));
            ASSERT_LE(std::abs(a.width() - b.width()), 1) << first + d;
            ASSERT_LE(std::abs(a.height() - b.height()), 1) << first + d;
            int differ = 0, shown = 0;
            for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
                for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
                    differ += (qGray(a.pixel(x, y)) > 127) != (qGray(b.pixel(x, y)) > 127);
                    shown += qGray(b.pixel(x, y)) > 127;
                }
            }
            EXPECT_LT(differ, shown / 12) << "direction " << d << " of image set " << first;
        }
    }
}

TEST(Sk2ArtSprites, EachCarPointsItsWindscreenTheWayItHeads)
{
    // Direction d heads d x 11.25 degrees clockwise from straight up; the light windscreen is at the
    // front, so it lies from the car's middle in that direction.
    for (int first : {1, 33}) {
        for (int d = 0; d < 32; ++d) {
            const QImage car = Sprite(first + d);
            double cx = 0, cy = 0, gx = 0, gy = 0, shown = 0, glass = 0;
            for (int y = 0; y < car.height(); ++y) {
                for (int x = 0; x < car.width(); ++x) {
                    if (car.pixelIndex(x, y) == 0)
                        continue;
                    const QRgb p = car.pixel(x, y);
                    cx += x;
                    cy += y;
                    ++shown;
                    if (qBlue(p) > qRed(p) + 40 && qBlue(p) > qGreen(p) + 10 && qBlue(p) > 120) {
                        gx += x;
                        gy += y;
                        ++glass;
                    }
                }
            }
            ASSERT_GT(glass, 0) << first + d;
            const double heading = std::atan2(gx / glass - cx / shown, -(gy / glass - cy / shown));
            const double expected = d * 11.25 * std::numbers::pi / 180;
            const double error = std::abs(std::remainder(heading - expected, 2 * std::numbers::pi));
            EXPECT_LT(error, 25 * std::numbers::pi / 180) << "image " << first + d;
        }
    }
}
