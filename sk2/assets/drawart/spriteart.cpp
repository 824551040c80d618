#include "spriteart.h"

#include "texture.h"

namespace sk2art {

QImage Supersampled(int width, int height, int factor, const std::function<void(QPainter &)> &paint)
{
    QImage large(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(factor, factor);
        paint(painter);
    }
    QImage small(width, height, QImage::Format_ARGB32_Premultiplied);
    const int samples = factor * factor;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const auto *line = reinterpret_cast<const QRgb *>(large.constScanLine(y * factor + sy));
                for (int sx = 0; sx < factor; ++sx) {
                    const QRgb p = line[x * factor + sx];
                    a += qAlpha(p);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            small.setPixel(x, y, qRgba(r / samples, g / samples, b / samples, a / samples));
        }
    }
    return small;
}

QRect OpaqueBounds(const QImage &coverage)
{
    QRect bounds;
    for (int y = 0; y < coverage.height(); ++y) {
        for (int x = 0; x < coverage.width(); ++x) {
            if (qAlpha(coverage.pixel(x, y)) >= 128)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

IndexedArt ToSprite(const QImage &coverage, const QRect &box)
{
    const QImage straight = coverage.convertToFormat(QImage::Format_ARGB32);
    QImage colours(box.size(), QImage::Format_RGB32);
    colours.fill(RoadColour());
    IndexedArt sprite(colours);
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) {
            const QPoint source = box.topLeft() + QPoint(x, y);
            const QRgb p = straight.rect().contains(source) ? straight.pixel(source) : 0;
            if (qAlpha(p) < 128) {
                sprite.Force(x, y, RoadIndex);
                continue;
            }
            const QColor shown = Mix(RoadColour(), QColor(qRed(p), qGreen(p), qBlue(p)), qAlpha(p) / 255.0);
            sprite.colour.setPixel(x, y, shown.rgb());
        }
    }
    return sprite;
}

} // namespace sk2art
