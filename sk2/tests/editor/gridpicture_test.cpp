#include "gridpicture.h"
#include "tilefixtures.h"

#include <QMimeData>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

using namespace sk2;

namespace {

// Each cell a different flat colour, cell 7 left empty.
CellPictures ColouredCells()
{
    CellPictures pictures;
    for (int cell = 0; cell < 20; ++cell) {
        if (cell == 7)
            continue;
        pictures[cell] = QImage(53, 50, QImage::Format_RGB32);
        pictures[cell].fill(qRgb(cell * 12, 255 - cell * 12, 100));
    }
    return pictures;
}

void ExpectCellsInPlace(const QImage &image, const CellPictures &pictures)
{
    ASSERT_EQ(image.size(), QSize(265, 200));
    for (int cell = 0; cell < 20; ++cell) {
        const int left = (cell % 5) * 53;
        const int top = (cell / 5) * 50;
        const QRgb expected = pictures[cell].isNull() ? qRgb(255, 255, 255) : pictures[cell].pixel(0, 0);
        // Corners and middle of each cell, away from the seams where smoothing could blend.
        for (QPoint at : {QPoint(2, 2), QPoint(50, 47), QPoint(26, 25)})
            EXPECT_EQ(image.pixel(left + at.x(), top + at.y()) & RGB_MASK, expected & RGB_MASK) << cell;
    }
}

} // namespace

TEST(GridPicture, PlacesEachCellAt53By50AndLeavesEmptyCellsBlank)
{
    const CellPictures pictures = ColouredCells();
    ExpectCellsInPlace(GridPictureImage(GridPicture(pictures)), pictures);
}

TEST(GridPicture, UsesOnlyTheTopLeft53By50OfALargerPicture)
{
    CellPictures pictures;
    pictures[0] = QImage(80, 80, QImage::Format_RGB32);
    pictures[0].fill(Qt::blue);
    QPainter(&pictures[0]).fillRect(53, 0, 27, 80, Qt::red);
    const QImage image = GridPictureImage(GridPicture(pictures));
    EXPECT_EQ(image.pixel(52, 49) & RGB_MASK, qRgb(0, 0, 255) & RGB_MASK);
    EXPECT_EQ(image.pixel(53, 0) & RGB_MASK, qRgb(255, 255, 255) & RGB_MASK);
}

TEST(GridPicture, PlaysStretchedOverAnyRectangleWhateverTheResolution)
{
    const CellPictures pictures = ColouredCells();
    QImage page(530, 800, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(11811); // 300 dots per inch, like a printer
    page.setDotsPerMeterY(11811);
    QPainter painter(&page);
    PlayStretched(painter, GridPicture(pictures), QRectF(0, 0, 530, 800));
    painter.end();
    // Cell 19, the last, fills the bottom right quarter-width by quarter-height block.
    EXPECT_EQ(page.pixel(529, 799) & RGB_MASK, pictures[19].pixel(0, 0) & RGB_MASK);
    EXPECT_EQ(page.pixel(424, 600) & RGB_MASK, pictures[19].pixel(0, 0) & RGB_MASK);
    EXPECT_EQ(page.pixel(5, 5) & RGB_MASK, pictures[0].pixel(0, 0) & RGB_MASK);
    EXPECT_EQ(page.pixel(110, 230) & RGB_MASK, pictures[6].pixel(0, 0) & RGB_MASK);
}

TEST(GridPicture, ClipboardDataCarriesTheSamePictureAsPngAndSvg)
{
    const CellPictures pictures = ColouredCells();
    std::unique_ptr<QMimeData> data(GridPictureMimeData(GridPicture(pictures), QStringLiteral("Oval")));

    ASSERT_TRUE(data->hasFormat(QStringLiteral("image/png")));
    ExpectCellsInPlace(QImage::fromData(data->data(QStringLiteral("image/png")), "PNG"), pictures);
    ExpectCellsInPlace(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
                       pictures);

    ASSERT_TRUE(data->hasFormat(QStringLiteral("image/svg+xml")));
    QSvgRenderer svg(data->data(QStringLiteral("image/svg+xml")));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(265, 200));
    QImage rendered(265, 200, QImage::Format_RGB32);
    rendered.fill(Qt::white);
    QPainter painter(&rendered);
    svg.render(&painter);
    painter.end();
    ExpectCellsInPlace(rendered, pictures);
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<title>Oval</title>"));
}
