#include "cars.h"

#include "spriteart.h"
#include "texture.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <stdexcept>
#include <string>

namespace sk2art {

namespace {

constexpr int Canvas = 40;
constexpr int Factor = 8;
// The drawing is 26 units long; this makes the car as large as the sprite sizes allow.
constexpr double CarScale = 1.1;

// The right half of the body's outline, from the middle of the nose to the middle of the tail.
QPainterPath RightHalf()
{
    QPainterPath half;
    half.moveTo(0, -13.2);
    half.cubicTo(2.6, -13.2, 4.4, -12.9, 4.9, -11.6);
    half.cubicTo(5.9, -10.8, 6.1, -6.4, 5.8, -5.4);
    half.cubicTo(5.5, -3.6, 5.5, 3.0, 5.9, 4.4);
    half.cubicTo(6.4, 5.4, 6.4, 10.0, 6.2, 11.2);
    half.cubicTo(6.1, 12.6, 5.2, 13.0, 4.0, 13.0);
    half.lineTo(0, 13.0);
    return half;
}

QPainterPath BodyOutline()
{
    QPainterPath body = RightHalf();
    const QPainterPath left = QTransform::fromScale(-1, 1).map(RightHalf()).toReversed();
    body.connectPath(left);
    body.closeSubpath();
    return body;
}

void PaintWheels(QPainter &p)
{
    for (double wheelY : {-7.6, 7.5}) {
        for (double side : {-1.0, 1.0}) {
            const QRectF wheel(side * 5.75 - 1.4, wheelY - 2.5, 2.8, 5.0);
            p.setBrush(QColor(24, 24, 27));
            p.drawRoundedRect(wheel, 0.8, 0.8);
            p.setBrush(QColor(78, 78, 84));
            p.drawRect(QRectF(wheel.center().x() + side * 0.45 - 0.3, wheelY - 2.0, 0.6, 4.0));
        }
    }
}

void PaintGlass(QPainter &p, const QPolygonF &pane, const QColor &light, const QColor &dark)
{
    QLinearGradient glass(pane.boundingRect().topLeft(), pane.boundingRect().bottomRight());
    glass.setColorAt(0, light);
    glass.setColorAt(0.45, Mix(light, dark, 0.6));
    glass.setColorAt(1, dark);
    p.setBrush(glass);
    p.drawPolygon(pane);
}

// Pads a box to at least the smallest car size, keeping the car in the middle.
QRect PaddedBox(QRect box)
{
    const int extraWidth = std::max(0, 22 - box.width());
    const int extraHeight = std::max(0, 25 - box.height());
    return box.adjusted(-extraWidth / 2, -extraHeight / 2, extraWidth - extraWidth / 2,
                        extraHeight - extraHeight / 2);
}

QImage CarCoverage(const CarLivery &livery, int direction)
{
    return Supersampled(Canvas, Canvas, Factor, [&](QPainter &p) {
        p.translate(Canvas / 2.0, Canvas / 2.0);
        p.rotate(direction * 11.25);
        p.scale(CarScale, CarScale);
        PaintCar(p, livery);
    });
}

} // namespace

const CarLivery &GreenLivery()
{
    static const CarLivery livery{QColor(36, 162, 64), QColor(12, 80, 30), QColor(150, 232, 140),
                                  QColor(246, 246, 236)};
    return livery;
}

const CarLivery &RedLivery()
{
    static const CarLivery livery{QColor(212, 38, 38), QColor(104, 14, 14), QColor(255, 150, 132),
                                  QColor(246, 246, 236)};
    return livery;
}

void PaintCar(QPainter &p, const CarLivery &c)
{
    p.save();
    p.setPen(Qt::NoPen);
    PaintWheels(p);

    const QPainterPath body = BodyOutline();
    QLinearGradient sides(-6.3, 0, 6.3, 0);
    sides.setColorAt(0.0, c.dark);
    sides.setColorAt(0.2, c.body);
    sides.setColorAt(0.5, Mix(c.body, c.light, 0.45));
    sides.setColorAt(0.8, c.body);
    sides.setColorAt(1.0, c.dark);
    p.setBrush(sides);
    p.drawPath(body);

    // A racing stripe from nose to tail, and a soft light over the bonnet.
    p.save();
    p.setClipPath(body);
    p.setBrush(c.stripe);
    p.drawRect(QRectF(-1.7, -13.5, 1.2, 27));
    p.drawRect(QRectF(0.5, -13.5, 1.2, 27));
    QRadialGradient bonnet(QPointF(-1.5, -9.5), 6.5);
    bonnet.setColorAt(0, QColor(255, 255, 255, 80));
    bonnet.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(bonnet);
    p.drawRect(QRectF(-7, -14, 14, 10));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Mix(c.dark, QColor(0, 0, 0), 0.4), 0.45));
    p.drawPath(body);
    p.setPen(Qt::NoPen);

    // Cabin: a large, light windscreen at the front, the roof, and a narrow dark rear window, so the
    // car's heading reads even at its small size.
    PaintGlass(p, QPolygonF({{-4.7, -6.4}, {4.7, -6.4}, {4.1, -1.8}, {-4.1, -1.8}}), QColor(170, 214, 240),
               QColor(30, 56, 90));
    p.setBrush(QColor(22, 34, 50));
    p.drawRect(QRectF(-4.8, -1.8, 0.8, 5.0));
    p.drawRect(QRectF(4.0, -1.8, 0.8, 5.0));
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawRoundedRect(QRectF(-3.9, -1.7, 7.8, 4.8), 1.0, 1.0);
    PaintGlass(p, QPolygonF({{-3.9, 3.4}, {3.9, 3.4}, {4.2, 5.0}, {-4.2, 5.0}}), QColor(60, 90, 120),
               QColor(12, 20, 32));

    // Headlights, mirrors, and the black rear wing with its tail lights.
    p.setBrush(QColor(255, 250, 215));
    p.drawEllipse(QPointF(-3.1, -12.1), 1.4, 0.8);
    p.drawEllipse(QPointF(3.1, -12.1), 1.4, 0.8);
    p.setBrush(c.dark);
    p.drawEllipse(QPointF(-6.0, -4.6), 0.8, 0.5);
    p.drawEllipse(QPointF(6.0, -4.6), 0.8, 0.5);
    p.setBrush(QColor(26, 26, 30));
    p.drawRoundedRect(QRectF(-6.5, 10.2, 13.0, 2.4), 0.5, 0.5);
    p.setBrush(QColor(90, 90, 96));
    p.drawRect(QRectF(-6.2, 10.4, 12.4, 0.5));
    p.setBrush(QColor(255, 70, 50));
    p.drawRect(QRectF(-5.6, 12.4, 2.0, 0.6));
    p.drawRect(QRectF(3.6, 12.4, 2.0, 0.6));
    p.restore();
}

IndexedArt CarSprite(const CarLivery &livery, int direction)
{
    const QImage coverage = CarCoverage(livery, direction);
    const QRect bounds = OpaqueBounds(coverage);
    if (bounds.width() > 31 || bounds.height() > 32)
        throw std::runtime_error("car image of direction " + std::to_string(direction) + " is too large");
    return ToSprite(coverage, PaddedBox(bounds));
}

IndexedArt CarUnderBridge(const CarLivery &livery, int direction, double shownFrom, double shownTo)
{
    IndexedArt car = CarSprite(livery, direction);
    const int height = car.colour.height();
    const int firstShown = int(std::lround(shownFrom * height));
    const int lastShown = int(std::lround(shownTo * height)) - 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < car.colour.width(); ++x) {
            if (car.Forced(x, y) == RoadIndex)
                continue;
            if (y < firstShown || y > lastShown) {
                car.Force(x, y, RoadIndex);
                continue;
            }
            // The bridge's shadow falls on the rows next to where the car disappears.
            const int fromCut = std::min(firstShown > 0 ? y - firstShown : height,
                                         lastShown < height - 1 ? lastShown - y : height);
            if (fromCut < 4) {
                const QColor shaded = Shade(QColor(car.colour.pixel(x, y)), -0.6 + 0.15 * fromCut);
                car.colour.setPixel(x, y, shaded.rgb());
            }
        }
    }
    return car;
}

} // namespace sk2art
