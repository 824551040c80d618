// Draws tumblor's 31 tile pictures and its icon.
//
//   tumblor_drawtiles OUTPUT_FOLDER
//
// Every picture is drawn at four times its size with antialiasing, scaled down to 32 x 32 and then
// reduced to a 16-colour palette of its own, so the tiles keep soft edges within sixteen colours.
// Writes E.png, R1.png .. R10.png, S1.png .. S10.png, P1.png .. P10.png and icon.png.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cstdio>
#include <functional>

namespace {

constexpr int TileSize = 32;
constexpr int Oversampling = 4;

// The background colour of each tile colour number (1..10).
const std::array<QColor, 10> TileColours = {
    QColor(0, 0, 255), QColor(255, 255, 0),   QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 0, 0),
    QColor(0, 255, 0), QColor(128, 128, 128), QColor(0, 191, 0),   QColor(191, 191, 0), QColor(191, 0, 0),
};

const QColor Outline(34, 34, 38);

// Draws a tile's picture over its background colour.
using Motif = std::function<void(QPainter &, const QColor &background)>;

// A square in the tile colour with a narrow bevel, so that neighbouring tiles of one colour still read
// as separate tiles.
void drawBackground(QPainter &p, const QColor &colour)
{
    p.fillRect(QRectF(0, 0, 32, 32), colour);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(160));
    p.drawPolygon(QPolygonF({{0, 0}, {32, 0}, {31, 1}, {1, 1}, {1, 31}, {0, 32}}));
    p.setBrush(colour.darker(170));
    p.drawPolygon(QPolygonF({{32, 32}, {0, 32}, {1, 31}, {31, 31}, {31, 1}, {32, 0}}));
}

void drawShadow(QPainter &p, const QRectF &ellipse)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(ellipse);
}

void drawStone(QPainter &p, const QColor &)
{
    drawShadow(p, QRectF(6.5, 21.5, 21, 6));
    QPainterPath stone;
    stone.moveTo(8, 22);
    stone.cubicTo(4.5, 17, 6.5, 10.5, 11.5, 8.5);
    stone.cubicTo(14, 6, 19.5, 5.5, 22.5, 8.5);
    stone.cubicTo(27, 10.5, 28, 16.5, 25.5, 21);
    stone.cubicTo(23.5, 25.5, 12, 26, 8, 22);
    QRadialGradient shade(QPointF(13, 11), 17, QPointF(12, 10));
    shade.setColorAt(0.0, QColor(236, 236, 232));
    shade.setColorAt(0.45, QColor(168, 168, 164));
    shade.setColorAt(1.0, QColor(82, 82, 86));
    p.setBrush(shade);
    p.setPen(QPen(Outline, 1.1));
    p.drawPath(stone);
    // A crack and a couple of pits give the stone its grain.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 70, 74), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF({{17, 12}, {18.5, 15}, {17.5, 17.5}, {20, 20.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 100, 104));
    p.drawEllipse(QRectF(11, 17, 2, 1.6));
    p.drawEllipse(QRectF(22, 14, 1.6, 1.4));
    p.setBrush(QColor(250, 250, 248));
    p.drawEllipse(QRectF(11, 10, 3.2, 2));
}

QPainterPath blade(double angle)
{
    // One blade from the pivot at (16, 17), pointing up and tilted by angle degrees.
    QPainterPath path;
    path.moveTo(-1.6, 1.5);
    path.lineTo(-1.2, -8);
    path.quadTo(-0.2, -13.5, 0.6, -14);
    path.quadTo(1.8, -8, 1.8, 1.5);
    path.closeSubpath();
    QTransform t;
    t.translate(16, 17);
    t.rotate(angle);
    return t.map(path);
}

void drawHandle(QPainter &p, const QPointF &centre, double angle, const QColor &plastic)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Outline, 4.2));
    p.drawEllipse(QRectF(-3.6, -4.4, 7.2, 8.8));
    p.setPen(QPen(plastic, 2.6));
    p.drawEllipse(QRectF(-3.6, -4.4, 7.2, 8.8));
    p.setPen(QPen(plastic.lighter(150), 0.8));
    p.drawArc(QRectF(-3.2, -4.0, 6.4, 8.0), 100 * 16, 70 * 16);
    p.restore();
}

// Red handles, but dark ones on the red tiles, where red would vanish.
QColor handleColour(const QColor &background)
{
    return background.red() > 150 && background.green() < 60 && background.blue() < 60 ? QColor(52, 52, 60)
                                                                                       : QColor(214, 38, 38);
}

void drawScissors(QPainter &p, const QColor &background)
{
    const QColor plastic = handleColour(background);
    drawShadow(p, QRectF(7, 26, 18, 3.5));
    // Shanks from the pivot down to the rings.
    p.setPen(QPen(Outline, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 17), QPointF(11, 22));
    p.drawLine(QPointF(16, 17), QPointF(21, 22));
    p.setPen(QPen(plastic, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 18), QPointF(11, 22));
    p.drawLine(QPointF(16.5, 18), QPointF(21, 22));
    drawHandle(p, QPointF(9.5, 24), 35, plastic);
    drawHandle(p, QPointF(22.5, 24), -35, plastic);

    QLinearGradient steel(QPointF(10, 4), QPointF(22, 16));
    steel.setColorAt(0.0, QColor(250, 250, 252));
    steel.setColorAt(0.5, QColor(196, 200, 210));
    steel.setColorAt(1.0, QColor(128, 132, 144));
    p.setBrush(steel);
    p.setPen(QPen(Outline, 0.9));
    p.drawPath(blade(-24));
    p.drawPath(blade(24));
    // The pivot screw.
    p.setBrush(QColor(120, 120, 128));
    p.drawEllipse(QPointF(16, 17), 1.6, 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 244));
    p.drawEllipse(QPointF(15.5, 16.5), 0.55, 0.55);
}

void drawPaper(QPainter &p, const QColor &)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRect(QRectF(10, 7, 17, 22)); // drop shadow, down and to the right
    const double left = 8, top = 5, right = 24, bottom = 27, fold = 6;
    QPolygonF sheet({{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}});
    p.setBrush(QColor(252, 252, 248));
    p.setPen(QPen(Outline, 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(sheet);
    // Ruled lines of writing.
    p.setPen(QPen(QColor(110, 140, 210), 0.9));
    for (double y = 12.5; y < bottom - 2; y += 3)
        p.drawLine(QPointF(left + 2.5, y), QPointF(right - (y < top + fold + 1 ? fold + 1.5 : 2.5), y));
    // The folded corner, turned down onto the sheet.
    QPolygonF flap({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}});
    p.setBrush(QColor(204, 204, 198));
    p.setPen(QPen(Outline, 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(flap);
}

// Reduces a picture to at most sixteen colours: the tile colour with its bevel shades, and the shades
// the motifs are drawn in.
QImage toSixteenColours(const QImage &image, const QColor &background)
{
    const QList<QRgb> table = {
        background.rgb(),
        background.lighter(160).rgb(),
        background.darker(170).rgb(),
        background.darker(300).rgb(),
        Outline.rgb(),
        qRgb(252, 252, 248),
        qRgb(226, 226, 224),
        qRgb(190, 190, 190),
        qRgb(150, 150, 152),
        qRgb(110, 110, 114),
        qRgb(72, 72, 76),
        qRgb(214, 38, 38),
        qRgb(130, 24, 24),
        qRgb(204, 204, 198),
        qRgb(110, 140, 210),
        qRgb(255, 130, 120),
    };
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage drawTile(const QColor &background, const Motif &motif)
{
    QImage big(TileSize * Oversampling, TileSize * Oversampling, QImage::Format_RGB32);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Oversampling, Oversampling);
    drawBackground(p, background);
    motif(p, background);
    p.end();
    return big.scaled(TileSize, TileSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage drawEmptyTile()
{
    QImage image(TileSize, TileSize, QImage::Format_Indexed8);
    image.setColorTable({qRgb(192, 192, 192)});
    image.fill(0);
    return image;
}

// The program icon: four tiles, one of each kind and a second stone, in a rounded square.
QImage drawIcon()
{
    constexpr int size = 128;
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(2, 2, size - 4, size - 4), 14, 14);
    p.setClipPath(clip);
    const struct
    {
        int colour;
        Motif motif;
    } corners[] = {{1, drawStone}, {2, drawScissors}, {5, drawPaper}, {6, drawStone}};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate((i % 2) * size / 2.0, (i / 2) * size / 2.0);
        p.scale(size / 64.0, size / 64.0);
        drawBackground(p, TileColours[corners[i].colour - 1]);
        corners[i].motif(p, TileColours[corners[i].colour - 1]);
        p.restore();
    }
    return icon;
}

bool save(const QImage &image, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "tumblor_drawtiles: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tumblor_drawtiles OUTPUT_FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "tumblor_drawtiles: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = save(drawEmptyTile(), folder, QStringLiteral("E"));
    const struct
    {
        char letter;
        Motif motif;
    } kinds[] = {{'R', drawStone}, {'S', drawScissors}, {'P', drawPaper}};
    for (const auto &kind : kinds) {
        for (int colour = 1; colour <= 10; ++colour) {
            const QColor background = TileColours[colour - 1];
            const QImage tile = toSixteenColours(drawTile(background, kind.motif), background);
            ok = save(tile, folder, QStringLiteral("%1%2").arg(kind.letter).arg(colour)) && ok;
        }
    }
    ok = save(drawIcon(), folder, QStringLiteral("icon")) && ok;
    return ok ? 0 : 1;
}
