#include "checkwalk.h"
#include "floodfill.h"
#include "tilefixtures.h"

#include <gtest/gtest.h>

using namespace sk2;

namespace {

int CountColour(const QImage &picture, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += (picture.pixel(x, y) & RGB_MASK) == (colour & RGB_MASK);
    return count;
}

} // namespace

TEST(FloodFill, RecoloursOnlyTheFourWayConnectedAreaOfTheSeedColour)
{
    // Two black areas that touch only at a corner, and a U shape whose arms join at the bottom.
    QImage picture(10, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, RoadBlack);
    picture.setPixel(1, 1, RoadBlack); // diagonal neighbour: not connected
    for (int y = 2; y < 8; ++y) {
        picture.setPixel(3, y, RoadBlack);
        picture.setPixel(7, y, RoadBlack);
    }
    for (int x = 3; x <= 7; ++x)
        picture.setPixel(x, 7, RoadBlack);

    FloodFill(picture, QPoint(3, 2), RoadBlack, CheckRed);
    EXPECT_EQ(picture.pixel(7, 2) & RGB_MASK, CheckRed & RGB_MASK); // up the other arm
    EXPECT_EQ(CountColour(picture, CheckRed), 6 + 6 + 3);
    EXPECT_EQ(picture.pixel(0, 0) & RGB_MASK, RoadBlack & RGB_MASK);
    EXPECT_EQ(picture.pixel(1, 1) & RGB_MASK, RoadBlack & RGB_MASK);
}

TEST(FloodFill, LeavesThePictureAloneWhenTheSeedIsNotTheColourOrOutside)
{
    const QImage original = fixtures::RoadPicture(6);
    for (QPoint seed : {QPoint(2, 2), QPoint(-1, 25), QPoint(53, 25), QPoint(25, 50)}) {
        QImage picture = original;
        FloodFill(picture, seed, RoadBlack, CheckRed);
        EXPECT_EQ(picture, original) << seed.x() << "," << seed.y();
    }
    QImage empty;
    FloodFill(empty, QPoint(25, 25), RoadBlack, CheckRed);
    EXPECT_TRUE(empty.isNull());
}

TEST(FloodFill, WorksOnIndexedPicturesAndComparesColourNotAlpha)
{
    QImage indexed = fixtures::RoadPicture(5).convertToFormat(QImage::Format_Indexed8);
    FloodFill(indexed, QPoint(25, 25), qRgba(0, 0, 0, 0), CheckRed);
    EXPECT_EQ(indexed.pixel(25, 2) & RGB_MASK, CheckRed & RGB_MASK);
    EXPECT_EQ(CountColour(indexed, RoadBlack), 0);
}

TEST(MarkCell, MarksTheRoadOfTheHeadingOnly)
{
    const int straightRoad = CountColour(fixtures::RoadPicture(6), RoadBlack);
    QImage straight = fixtures::RoadPicture(6);
    MarkCell(straight, 6, Heading::West, RoadBlack, CheckRed);
    EXPECT_EQ(CountColour(straight, CheckRed), straightRoad);

    // The crossing: west-east takes the middle road, north-south the two arms, both ways all of it.
    QImage crossing = fixtures::RoadPicture(7);
    const int crossingRoad = CountColour(crossing, RoadBlack);
    MarkCell(crossing, 7, Heading::East, RoadBlack, CheckRed);
    EXPECT_EQ(crossing.pixel(25, 25) & RGB_MASK, CheckRed & RGB_MASK);
    EXPECT_EQ(crossing.pixel(25, 5) & RGB_MASK, RoadBlack & RGB_MASK);
    EXPECT_EQ(crossing.pixel(25, 47) & RGB_MASK, RoadBlack & RGB_MASK);
    MarkCell(crossing, 7, Heading::South, RoadBlack, CheckRed);
    EXPECT_EQ(CountColour(crossing, RoadBlack), 0);
    EXPECT_EQ(CountColour(crossing, CheckRed), crossingRoad);

    // Clearing puts the black back; grass and unknown codes are never touched.
    MarkCell(crossing, 7, Heading::North, CheckRed, RoadBlack);
    EXPECT_EQ(crossing.pixel(25, 5) & RGB_MASK, RoadBlack & RGB_MASK);
    EXPECT_EQ(crossing.pixel(25, 25) & RGB_MASK, CheckRed & RGB_MASK);
    for (int code : {0, 8, 11, 12}) {
        QImage road = fixtures::RoadPicture(6);
        MarkCell(road, code, Heading::East, RoadBlack, CheckRed);
        EXPECT_EQ(CountColour(road, CheckRed), 0) << code;
    }
}
