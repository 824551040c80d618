#pragma once

#include <QByteArray>
#include <QImage>
#include <QPicture>
#include <QString>

#include <array>

class QMimeData;
class QPainter;
class QRectF;

namespace sk2 {

// The pictures of the 20 grid cells in cell order; a null picture is a cell without a tile.
using CellPictures = std::array<QImage, 20>;

inline constexpr int CellPictureWidth = 53;
inline constexpr int CellPictureHeight = 50;
inline constexpr int GridPictureWidth = 5 * CellPictureWidth;
inline constexpr int GridPictureHeight = 4 * CellPictureHeight;

// The picture of a track grid as it is printed and copied, recorded as drawing commands: 265 x 200
// pixels, each cell's 53 x 50 picture in its place, an empty square where a cell holds no tile.
QPicture GridPicture(const CellPictures &pictures);

// Plays the picture stretched over the target rectangle, whatever its proportions.
void PlayStretched(QPainter &painter, const QPicture &picture, const QRectF &target);

// The picture at its own size on white, and as an SVG document.
QImage GridPictureImage(const QPicture &picture);
QByteArray GridPictureSvg(const QPicture &picture, const QString &title);

// Clipboard data holding the picture as SVG ("image/svg+xml") and PNG ("image/png"), and as an image for
// readers that ask for one.
QMimeData *GridPictureMimeData(const QPicture &picture, const QString &title);

} // namespace sk2
