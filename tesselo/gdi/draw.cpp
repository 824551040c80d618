#include "draw.h"

#include "bitmap.h"
#include "dc.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace gdi {

namespace {

// Lines longer than this are first cut down to the bitmap, so that a wild coordinate costs no time.
constexpr long long LongLine = 1 << 16;

void Plot(Bitmap &bitmap, int x, int y, Colour pen)
{
    bitmap.setPixel(x, y, pen);
}

// Bresenham's line, both ends included. It depends only on the difference of its ends, so a line
// moved by whole pixels keeps its shape.
void PlotLine(Bitmap &bitmap, long long x0, long long y0, long long x1, long long y1, Colour pen)
{
    const long long dx = std::llabs(x1 - x0);
    const long long dy = -std::llabs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    long long err = dx + dy;
    for (;;) {
        Plot(bitmap, int(x0), int(y0), pen);
        if (x0 == x1 && y0 == y1)
            return;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// Cuts the line (x0, y0)-(x1, y1) to the bitmap grown by a pixel (Liang-Barsky). False when it misses.
bool ClipLong(const Bitmap &bitmap, long long &x0, long long &y0, long long &x1, long long &y1)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = double(x1 - x0);
    const double dy = double(y1 - y0);
    const auto edge = [&t0, &t1](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double r = q / p;
        if (p < 0.0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        return t0 <= t1;
    };
    if (!edge(-dx, double(x0 + 1)) || !edge(dx, double(bitmap.width() - x0)) || !edge(-dy, double(y0 + 1)) ||
        !edge(dy, double(bitmap.height() - y0)))
        return false;
    const long long sx = x0;
    const long long sy = y0;
    x0 = sx + (long long)(t0 * dx);
    y0 = sy + (long long)(t0 * dy);
    x1 = sx + (long long)(t1 * dx);
    y1 = sy + (long long)(t1 * dy);
    return true;
}

void DrawLine(Bitmap &bitmap, long long x0, long long y0, long long x1, long long y1, Colour pen)
{
    if (std::max(std::llabs(x1 - x0), std::llabs(y1 - y0)) > LongLine && !ClipLong(bitmap, x0, y0, x1, y1))
        return;
    PlotLine(bitmap, x0, y0, x1, y1, pen);
}

// Rounds num / den to the nearest integer, halves away from zero; den > 0.
long long RoundedQuotient(long long num, long long den)
{
    return num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
}

// One cubic segment from `start`, its other control points given relative to it. The curve is
// sampled at n + 1 evenly spaced parameters in exact integer arithmetic and joined by lines, n growing
// with the control polygon's length so that every chord stays within about three pixels.
void DrawCubic(Bitmap &bitmap, Point start, long long q1x, long long q1y, long long q2x, long long q2y,
               long long q3x, long long q3y, Colour pen)
{
    const long long length = std::llabs(q1x) + std::llabs(q1y) + std::llabs(q2x - q1x) +
                             std::llabs(q2y - q1y) + std::llabs(q3x - q2x) + std::llabs(q3y - q2y);
    const long long n = std::clamp(length / 3 + 1, 1LL, 256LL);
    const long long cube = n * n * n;
    long long lastX = 0;
    long long lastY = 0;
    for (long long i = 1; i <= n; ++i) {
        const long long u = n - i;
        const long long b1 = 3 * u * u * i;
        const long long b2 = 3 * u * i * i;
        const long long b3 = i * i * i;
        const long long x = RoundedQuotient(b1 * q1x + b2 * q2x + b3 * q3x, cube);
        const long long y = RoundedQuotient(b1 * q1y + b2 * q2y + b3 * q3y, cube);
        if (x == lastX && y == lastY && i > 1)
            continue;
        DrawLine(bitmap, start.x + lastX, start.y + lastY, start.x + x, start.y + y, pen);
        lastX = x;
        lastY = y;
    }
}

// Scan-line fill of the 4-connected area around the seed. `stops` says whether a pixel ends the area;
// filled pixels must stop it too, so that no pixel is visited twice.
template<typename Pixel, typename Stops>
void FillArea(Bitmap &bitmap, int seedX, int seedY, Pixel value, Stops stops, std::vector<std::uint8_t> *done)
{
    const int width = bitmap.width();
    const int height = bitmap.height();
    const auto row = [&bitmap](int y) { return reinterpret_cast<Pixel *>(bitmap.image().scanLine(y)); };
    const auto blocked = [&](const Pixel *line, int x, int y) {
        return stops(line[x]) || (done && (*done)[std::size_t(y) * width + x]);
    };
    std::vector<Point> seeds{{seedX, seedY}};
    while (!seeds.empty()) {
        const Point seed = seeds.back();
        seeds.pop_back();
        Pixel *line = row(seed.y);
        if (blocked(line, seed.x, seed.y))
            continue;
        int left = seed.x;
        while (left > 0 && !blocked(line, left - 1, seed.y))
            --left;
        int right = seed.x;
        while (right < width - 1 && !blocked(line, right + 1, seed.y))
            ++right;
        std::fill(line + left, line + right + 1, value);
        if (done)
            std::fill(done->begin() + std::ptrdiff_t(seed.y) * width + left,
                      done->begin() + std::ptrdiff_t(seed.y) * width + right + 1, 1);
        for (int y : {seed.y - 1, seed.y + 1}) {
            if (y < 0 || y >= height)
                continue;
            const Pixel *next = row(y);
            for (int x = left; x <= right; ++x) {
                if (!blocked(next, x, y) && (x == left || blocked(next, x - 1, y)))
                    seeds.push_back({x, y});
            }
        }
    }
}

template<typename Pixel, typename Stops>
void FloodFrom(Bitmap &bitmap, int x, int y, Pixel value, Stops stops)
{
    // When the fill colour is the border colour, filled pixels stop the fill by themselves; otherwise
    // a record of the pixels done keeps it from going round in circles.
    if (stops(value)) {
        FillArea<Pixel>(bitmap, x, y, value, stops, nullptr);
        return;
    }
    std::vector<std::uint8_t> done(std::size_t(bitmap.width()) * bitmap.height(), 0);
    FillArea<Pixel>(bitmap, x, y, value, stops, &done);
}

} // namespace

void MoveToEx(Dc *dc, int x, int y)
{
    if (dc)
        dc->setPosition({x, y});
}

void LineTo(Dc *dc, int x, int y)
{
    if (!dc)
        return;
    if (dc->bitmap()) {
        const Point from = dc->position();
        DrawLine(*dc->bitmap(), from.x, from.y, x, y, dc->pen());
    }
    dc->setPosition({x, y});
}

bool PolyBezier(Dc *dc, const Point *points, int count)
{
    if (!dc || !points || count < 1 || (count - 1) % 3 != 0)
        return false;
    if (!dc->bitmap())
        return true;
    Bitmap &bitmap = *dc->bitmap();
    Plot(bitmap, points[0].x, points[0].y, dc->pen());
    for (int i = 0; i + 3 < count; i += 3) {
        const Point s = points[i];
        const auto rel = [s](const Point &p, bool yAxis) {
            return yAxis ? (long long)p.y - s.y : (long long)p.x - s.x;
        };
        DrawCubic(bitmap, s, rel(points[i + 1], false), rel(points[i + 1], true), rel(points[i + 2], false),
                  rel(points[i + 2], true), rel(points[i + 3], false), rel(points[i + 3], true), dc->pen());
    }
    return true;
}

bool ExtFloodFill(Dc *dc, int x, int y, Colour border, FloodFillType type)
{
    if (!dc || !dc->bitmap() || type != FLOODFILLBORDER)
        return false;
    Bitmap &bitmap = *dc->bitmap();
    if (x < 0 || y < 0 || x >= bitmap.width() || y >= bitmap.height())
        return false;
    if (bitmap.isMono()) {
        const std::uint8_t edge = MonoValue(border);
        const auto stops = [edge](std::uint8_t p) { return p == edge; };
        if (stops(bitmap.image().constScanLine(y)[x]))
            return false;
        FloodFrom<std::uint8_t>(bitmap, x, y, MonoValue(dc->brush()), stops);
        return true;
    }
    const QRgb edge = border & 0xFFFFFF;
    const auto stops = [edge](QRgb p) { return (p & 0xFFFFFF) == edge; };
    if (stops(bitmap.pixel(x, y)))
        return false;
    FloodFrom<QRgb>(bitmap, x, y, dc->brush() | 0xFF000000, stops);
    return true;
}

} // namespace gdi
