#include "sprites.h"

#include "cars.h"
#include "spriteart.h"

#include <QRadialGradient>

namespace sk2art {

IndexedArt FinishLine()
{
    constexpr int Width = 8;
    constexpr int Height = 80;
    constexpr int Check = 4;
    QImage line(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x)
            line.setPixel(x, y, ((x / Check + y / Check) % 2 == 0) ? qRgb(250, 250, 250) : qRgb(0, 0, 0));
    }
    return IndexedArt(line);
}

IndexedArt Cone(int spinFrame)
{
    constexpr int Size = 15;
    const QImage coverage = Supersampled(Size, Size, 8, [spinFrame](QPainter &p) {
        p.translate(Size / 2.0, Size / 2.0);
        p.setPen(Qt::NoPen);
        // The square foot turns with the spin; the cone itself is round and lit from the upper left.
        p.save();
        p.rotate(spinFrame * 22.5);
        p.setBrush(QColor(150, 54, 8));
        p.drawRoundedRect(QRectF(-5.2, -5.2, 10.4, 10.4), 1.6, 1.6);
        p.setBrush(QColor(222, 96, 18));
        p.drawRoundedRect(QRectF(-4.6, -4.6, 9.2, 9.2), 1.3, 1.3);
        p.restore();
        QRadialGradient body(QPointF(-1.4, -1.4), 5.5);
        body.setColorAt(0, QColor(255, 178, 92));
        body.setColorAt(1, QColor(226, 92, 14));
        p.setBrush(body);
        p.setPen(QPen(QColor(170, 62, 8), 0.45));
        p.drawEllipse(QPointF(0, 0), 4.3, 4.3);
        p.setPen(Qt::NoPen);
        QRadialGradient band(QPointF(-0.8, -0.8), 3.4);
        band.setColorAt(0, QColor(255, 255, 255));
        band.setColorAt(1, QColor(196, 196, 200));
        p.setBrush(band);
        p.drawEllipse(QPointF(0, 0), 3.0, 3.0);
        p.setBrush(QColor(246, 122, 34));
        p.drawEllipse(QPointF(0, 0), 1.8, 1.8);
        p.setBrush(QColor(255, 200, 140));
        p.drawEllipse(QPointF(-0.4, -0.4), 0.7, 0.7);
    });
    return ToSprite(coverage, QRect(0, 0, Size, Size));
}

std::vector<IndexedArt> AllSprites()
{
    std::vector<IndexedArt> sprites;
    sprites.reserve(SpriteCount);
    sprites.push_back(FinishLine());
    for (const CarLivery *livery : {&GreenLivery(), &RedLivery()}) {
        for (int direction = 0; direction < 32; ++direction)
            sprites.push_back(CarSprite(*livery, direction));
    }
    for (int frame = 0; frame < 4; ++frame)
        sprites.push_back(Cone(frame));
    // Going up under a bridge the nose goes first; coming out the nose appears first. Going down the
    // same from the bottom of the picture.
    for (double shown : {0.75, 0.5, 0.25})
        sprites.push_back(CarUnderBridge(GreenLivery(), 0, 1 - shown, 1));
    for (double shown : {0.25, 0.5, 0.75})
        sprites.push_back(CarUnderBridge(GreenLivery(), 0, 0, shown));
    for (double shown : {0.75, 0.5, 0.25})
        sprites.push_back(CarUnderBridge(GreenLivery(), 16, 0, shown));
    for (double shown : {0.25, 0.5, 0.75})
        sprites.push_back(CarUnderBridge(GreenLivery(), 16, 1 - shown, 1));
    return sprites;
}

} // namespace sk2art
