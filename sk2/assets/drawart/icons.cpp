#include "icons.h"

#include "cars.h"
#include "gamepalette.h"
#include "texture.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace sk2art {

namespace {

QImage Canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void PaintGrassSquare(QPainter &p, int size, double radius)
{
    QLinearGradient grass(0, 0, size, size);
    grass.setColorAt(0, QColor(108, 168, 64));
    grass.setColorAt(1, QColor(48, 104, 36));
    p.setPen(QPen(QColor(30, 70, 26), size / 64.0));
    p.setBrush(grass);
    const double inset = size / 64.0;
    p.drawRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), radius, radius);
}

// A road along a path: white kerb under red dashes, then the asphalt.
void PaintRoad(QPainter &p, const QPainterPath &path, double width, double kerb)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 240, 232), width + 2 * kerb, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(path);
    QPen red(QColor(206, 40, 36), width + 2 * kerb, Qt::CustomDashLine, Qt::FlatCap);
    red.setDashPattern({0.35, 0.35});
    p.setPen(red);
    p.drawPath(path);
    p.setPen(QPen(RoadColour(), width, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(path);
}

void PaintCarAt(QPainter &p, const CarLivery &livery, QPointF centre, double headingDegrees, double scale)
{
    p.save();
    p.translate(centre);
    p.rotate(90 - headingDegrees);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(-6.2, -12.2, 14.0, 27.0), 4, 4);
    PaintCar(p, livery);
    p.restore();
}

} // namespace

QImage DrawIcon(int size)
{
    QImage icon = Canvas(size);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    PaintGrassSquare(p, 128, 24);

    QPainterPath road;
    road.moveTo(-10, 112);
    road.cubicTo(40, 116, 66, 96, 74, 62);
    road.cubicTo(82, 30, 100, 16, 140, 14);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(QRectF(2, 2, 124, 124), 23, 23);
    p.setClipPath(clip);
    PaintRoad(p, road, 40, 4);

    // The finish line across the road.
    const QPointF line = road.pointAtPercent(0.3);
    p.save();
    p.translate(line);
    p.rotate(-road.angleAtPercent(0.3));
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 2; ++j) {
            p.fillRect(QRectF(j * 4 - 4, i * 4 - 20, 4, 4),
                       (i + j) % 2 ? QColor(10, 10, 10) : QColor(250, 250, 250));
        }
    }
    p.restore();
    PaintCarAt(p, RedLivery(), road.pointAtPercent(0.47) + QPointF(-9, -4), road.angleAtPercent(0.47), 1.5);
    PaintCarAt(p, GreenLivery(), road.pointAtPercent(0.66) + QPointF(8, 6), road.angleAtPercent(0.66), 1.5);
    p.restore();
    return icon;
}

QImage DrawCarPicture(const CarLivery &livery, int size)
{
    QImage picture = Canvas(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    PaintCarAt(p, livery, QPointF(size / 2.0, size / 2.0), 0, size / 29.0);
    return picture;
}

QImage DrawTrackGlyph(int size)
{
    QImage glyph = Canvas(size);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    PaintGrassSquare(p, 32, 5);
    QPainterPath oval;
    oval.addRoundedRect(QRectF(7, 8, 18, 16), 7, 7);
    PaintRoad(p, oval, 4.5, 0.8);
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(17 + (i % 2), 21.5 + i * 1.5, 1, 1.5), QColor(250, 250, 250));
    return glyph;
}

} // namespace sk2art
