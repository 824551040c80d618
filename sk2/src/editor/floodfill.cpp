#include "floodfill.h"

#include <vector>

namespace sk2 {

namespace {

bool SameColour(QRgb a, QRgb b)
{
    return (a & RGB_MASK) == (b & RGB_MASK);
}

} // namespace

void FloodFill(QImage &picture, QPoint seed, QRgb from, QRgb to)
{
    if (!picture.rect().contains(seed))
        return;
    if (picture.format() != QImage::Format_RGB32)
        picture.convertTo(QImage::Format_RGB32);
    if (!SameColour(picture.pixel(seed), from) || SameColour(from, to))
        return;

    const QRgb fill = to | 0xff000000u;
    const int width = picture.width();
    const int height = picture.height();
    auto line = [&picture](int y) { return reinterpret_cast<QRgb *>(picture.scanLine(y)); };

    // Scan-line fill: recolour a whole run of the row, then queue the runs above and below it.
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint point = pending.back();
        pending.pop_back();
        QRgb *row = line(point.y());
        if (!SameColour(row[point.x()], from))
            continue;
        int left = point.x();
        while (left > 0 && SameColour(row[left - 1], from))
            --left;
        int right = point.x();
        while (right < width - 1 && SameColour(row[right + 1], from))
            ++right;
        for (int x = left; x <= right; ++x)
            row[x] = fill;
        for (int y : {point.y() - 1, point.y() + 1}) {
            if (y < 0 || y >= height)
                continue;
            const QRgb *neighbour = line(y);
            for (int x = left; x <= right; ++x) {
                // One seed per run of the wanted colour is enough.
                if (SameColour(neighbour[x], from) && (x == left || !SameColour(neighbour[x - 1], from)))
                    pending.emplace_back(x, y);
            }
        }
    }
}

} // namespace sk2
