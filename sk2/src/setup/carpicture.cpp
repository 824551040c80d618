#include "carpicture.h"

#include <QPainter>
#include <QPainterPath>

QPixmap DrawCarPicture(const QColor &body, int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 26 x 26 design grid and scaled to the asked size.
    painter.scale(size / 26.0, size / 26.0);

    // Four black tyres peeking out at the sides.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    for (const QRectF tyre :
         {QRectF(5, 4, 4, 6), QRectF(17, 4, 4, 6), QRectF(5, 16, 4, 7), QRectF(17, 16, 4, 7)})
        painter.drawRoundedRect(tyre, 1, 1);

    // The body: a narrow nose widening to the cockpit and the rear.
    QPainterPath hull;
    hull.moveTo(13, 1);
    hull.cubicTo(17, 1, 18, 5, 18, 9);
    hull.lineTo(19, 22);
    hull.cubicTo(19, 25, 7, 25, 7, 22);
    hull.lineTo(8, 9);
    hull.cubicTo(8, 5, 9, 1, 13, 1);
    painter.setPen(QPen(body.darker(170), 1));
    painter.setBrush(body);
    painter.drawPath(hull);

    // A highlight stripe down the middle and a dark windscreen in front of the driver.
    painter.setPen(Qt::NoPen);
    painter.setBrush(body.lighter(150));
    painter.drawRect(QRectF(12, 2.5, 2, 6));
    painter.setBrush(QColor(30, 40, 60));
    painter.drawRoundedRect(QRectF(9.5, 10, 7, 4), 1.5, 1.5);
    painter.setBrush(body.darker(140));
    painter.drawRoundedRect(QRectF(9.5, 15, 7, 5), 1, 1);
    return picture;
}
