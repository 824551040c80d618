// Draws tesselo's icon: four jigsaw pieces of a small landscape, the lower right one lifted out of its
// place with its shadow beneath it.
//
//   tesselo_drawicon OUTPUT.png [SIZE]
//
// The knobs follow the game's own tabbed edge shape, so the icon looks like the pieces on the table.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cstdio>

namespace {

// One tabbed edge from (0, 0) to (0, 1) in cell units: a start point and six cubic segments.
const std::array<QPointF, 19> TabbedEdge = {{{0, 0},
                                             {0, 0.2},
                                             {0, 0.35},
                                             {-0.1, 0.4},
                                             {-0.15, 0.425},
                                             {-0.22, 0.4},
                                             {-0.25, 0.35},
                                             {-0.28, 0.3},
                                             {-0.38, 0.36},
                                             {-0.38, 0.5},
                                             {-0.38, 0.64},
                                             {-0.28, 0.7},
                                             {-0.25, 0.65},
                                             {-0.22, 0.6},
                                             {-0.15, 0.575},
                                             {-0.1, 0.6},
                                             {0, 0.65},
                                             {0, 0.8},
                                             {0, 1}}};

// Appends one edge from `from` to `to`; bulge +1 pushes the knob to the left of the direction of travel.
void appendEdge(QPainterPath &path, QPointF from, QPointF to, int bulge)
{
    const QPointF along = to - from;
    const QPointF across(along.y(), -along.x()); // left of travel in screen coordinates
    // The knobs are drawn a little smaller than on the table, so four pieces still read at 32 pixels.
    auto map = [&](QPointF t) { return from + along * t.y() - across * t.x() * bulge * 0.8; };
    for (int i = 1; i < 19; i += 3)
        path.cubicTo(map(TabbedEdge[i]), map(TabbedEdge[i + 1]), map(TabbedEdge[i + 2]));
}

// The outline of the piece in column c, row r of a 2 x 2 puzzle whose cells are `cell` wide.
QPainterPath pieceOutline(int c, int r, qreal cell, QPointF origin)
{
    const QPointF tl = origin + QPointF(c * cell, r * cell);
    const QPointF tr = tl + QPointF(cell, 0), br = tl + QPointF(cell, cell), bl = tl + QPointF(0, cell);
    QPainterPath path(tl);
    // Inner edges carry a knob; which side it bulges to alternates like a real puzzle.
    auto edge = [&](QPointF a, QPointF b, bool inner, int bulge) {
        if (inner)
            appendEdge(path, a, b, bulge);
        else
            path.lineTo(b);
    };
    const int sign = (c + r) % 2 ? 1 : -1;
    edge(tl, tr, r == 1, sign);
    edge(tr, br, c == 0, sign);
    edge(br, bl, r == 0, sign);
    edge(bl, tl, c == 1, sign);
    path.closeSubpath();
    return path;
}

void drawLandscape(QPainter &p, const QRectF &area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(40, 110, 200));
    sky.setColorAt(0.6, QColor(150, 200, 240));
    p.fillRect(area, sky);
    const qreal s = area.width();
    QRadialGradient sun(area.topLeft() + QPointF(0.7 * s, 0.28 * s), 0.16 * s);
    sun.setColorAt(0, QColor(255, 246, 190));
    sun.setColorAt(0.6, QColor(255, 210, 80));
    sun.setColorAt(1, QColor(255, 210, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(area.topLeft() + QPointF(0.7 * s, 0.28 * s), 0.16 * s, 0.16 * s);
    QPainterPath far(area.bottomLeft());
    far.lineTo(area.left(), area.top() + 0.62 * s);
    far.cubicTo(area.topLeft() + QPointF(0.3 * s, 0.45 * s), area.topLeft() + QPointF(0.55 * s, 0.7 * s),
                area.topLeft() + QPointF(s, 0.55 * s));
    far.lineTo(area.bottomRight());
    p.setBrush(QColor(70, 150, 80));
    p.drawPath(far);
    QPainterPath nearHill(area.bottomLeft());
    nearHill.lineTo(area.left(), area.top() + 0.85 * s);
    nearHill.cubicTo(area.topLeft() + QPointF(0.4 * s, 0.65 * s), area.topLeft() + QPointF(0.7 * s, 0.9 * s),
                     area.topLeft() + QPointF(s, 0.75 * s));
    nearHill.lineTo(area.bottomRight());
    p.setBrush(QColor(40, 115, 55));
    p.drawPath(nearHill);
}

QImage drawIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal cell = size * 0.34;
    const QPointF origin(size * 0.1, size * 0.1);
    const QRectF picture(origin, QSizeF(2 * cell, 2 * cell));
    const QPointF lift(size * 0.08, size * 0.07);
    const QPen outline(QColor(30, 30, 40), qMax<qreal>(1.0, size / 64.0));

    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c) {
            const bool lifted = c == 1 && r == 1;
            QPainterPath shape = pieceOutline(c, r, cell, origin);
            if (lifted) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0, 0, 0, 80));
                p.drawPath(shape.translated(lift + QPointF(size * 0.03, size * 0.03)));
                shape.translate(lift);
            }
            p.save();
            p.setClipPath(shape);
            drawLandscape(p, lifted ? picture.translated(lift) : picture);
            p.restore();
            p.setBrush(Qt::NoBrush);
            p.setPen(outline);
            p.drawPath(shape);
        }
    }
    return icon;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tesselo_drawicon OUTPUT.png [SIZE]\n");
        return 2;
    }
    const int size = argc > 2 ? std::atoi(argv[2]) : 128;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "tesselo_drawicon: size must lie between 16 and 1024\n");
        return 2;
    }
    if (!drawIcon(size).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "tesselo_drawicon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
