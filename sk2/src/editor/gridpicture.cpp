#include "gridpicture.h"

#include <QBuffer>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace sk2 {

namespace {

const QRect GridPictureRect(0, 0, GridPictureWidth, GridPictureHeight);

// A recorded picture plays scaled by the target's resolution over its own; these undo that, so that
// one unit of the picture is one pixel of the target, or exactly what the caller scales it to.
void MatchResolution(QImage &image, const QPicture &picture)
{
    image.setDotsPerMeterX(qRound(picture.logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(picture.logicalDpiY() / 0.0254));
}

QSizeF ResolutionScale(const QPaintDevice &device, const QPicture &picture)
{
    return QSizeF(qreal(picture.logicalDpiX()) / device.logicalDpiX(),
                  qreal(picture.logicalDpiY()) / device.logicalDpiY());
}

} // namespace

QPicture GridPicture(const CellPictures &pictures)
{
    QPicture picture;
    picture.setBoundingRect(GridPictureRect);
    QPainter painter(&picture);
    const QRect source(0, 0, CellPictureWidth, CellPictureHeight);
    for (int cell = 0; cell < int(pictures.size()); ++cell) {
        if (pictures[cell].isNull())
            continue;
        const QRect target((cell % 5) * CellPictureWidth, (cell / 5) * CellPictureHeight, CellPictureWidth,
                           CellPictureHeight);
        painter.drawImage(target, pictures[cell], source);
    }
    painter.end();
    return picture;
}

void PlayStretched(QPainter &painter, const QPicture &picture, const QRectF &target)
{
    painter.save();
    painter.translate(target.topLeft());
    const QSizeF resolution = ResolutionScale(*painter.device(), picture);
    painter.scale(target.width() / GridPictureWidth * resolution.width(),
                  target.height() / GridPictureHeight * resolution.height());
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

QImage GridPictureImage(const QPicture &picture)
{
    QImage image(GridPictureWidth, GridPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    MatchResolution(image, picture);
    QPainter painter(&image);
    painter.drawPicture(0, 0, picture);
    painter.end();
    return image;
}

QByteArray GridPictureSvg(const QPicture &picture, const QString &title)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(GridPictureRect.size());
    generator.setViewBox(GridPictureRect);
    generator.setTitle(title);
    generator.setResolution(picture.logicalDpiX());
    QPainter painter(&generator);
    painter.drawPicture(0, 0, picture);
    painter.end();
    // The generator gives the size in millimetres, which readers turn into pixels at differing
    // resolutions; in plain pixels the picture keeps its 265 x 200 everywhere.
    static const QRegularExpression size(QStringLiteral(R"(<svg width="[^"]*" height="[^"]*")"));
    const QString pixelSize =
        QStringLiteral(R"(<svg width="%1" height="%2")").arg(GridPictureWidth).arg(GridPictureHeight);
    return QString::fromUtf8(svg).replace(size, pixelSize).toUtf8();
}

QMimeData *GridPictureMimeData(const QPicture &picture, const QString &title)
{
    const QImage image = GridPictureImage(picture);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");

    auto *data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/svg+xml"), GridPictureSvg(picture, title));
    data->setData(QStringLiteral("image/png"), png);
    return data;
}

} // namespace sk2
