#pragma once

// Deterministic noise for grass and water: the same picture on every build and every machine.

#include <QColor>

namespace sk2art {

// A hash of integer coordinates and a seed, evenly spread over [0, 1).
double Hash01(int x, int y, int seed);

// Smooth value noise in [0, 1) on a lattice of cells cellSize pixels wide that repeats every
// periodX by periodY lattice cells, so a tile of that many cells joins its neighbours seamlessly.
double PeriodicNoise(double x, double y, double cellSize, int periodX, int periodY, int seed);

// Linear blend of two colours, t in [0, 1].
QColor Mix(const QColor &a, const QColor &b, double t);
// A colour made lighter (amount > 0) or darker (amount < 0), amount in [-1, 1].
QColor Shade(const QColor &colour, double amount);

// A colour as a premultiplied accumulator, for averaging samples.
struct ColourSum
{
    double red = 0;
    double green = 0;
    double blue = 0;
    int count = 0;

    void Add(const QColor &colour)
    {
        red += colour.redF();
        green += colour.greenF();
        blue += colour.blueF();
        ++count;
    }
    QColor Average() const
    {
        return QColor::fromRgbF(float(red / count), float(green / count), float(blue / count));
    }
};

} // namespace sk2art
