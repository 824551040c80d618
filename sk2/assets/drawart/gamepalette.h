#pragma once

// The one 256-colour palette of the race. A few entries are fixed (the road, the marker bars, the
// sixteen standard colours the screen texts ask for); the others are chosen from the drawn art by
// median cut, refined with a few rounds of k-means. Pictures are then mapped to it colour by colour.

#include <QImage>
#include <QList>

#include <vector>

namespace sk2art {

inline constexpr int RoadIndex = 0;
inline constexpr int Marker800Index = 31;
inline constexpr int Marker640Index = 245;

// The road's colour, also the background of every screen drawn on palette index 0.
QColor RoadColour();
// The marker bars' colour: the deep shadow under the bridge.
QColor MarkerColour();

// A picture on its way to the palette: its colours, and for each pixel an index it must take, or -1
// for the nearest free colour. Free pixels never take index 0 or a marker index.
struct IndexedArt
{
    QImage colour; // Format_RGB32
    std::vector<int> forced;

    explicit IndexedArt(QImage picture);
    void Force(int x, int y, int index) { forced[std::size_t(y) * colour.width() + x] = index; }
    int Forced(int x, int y) const { return forced[std::size_t(y) * colour.width() + x]; }
};

class GamePalette
{
public:
    // Builds the palette from every free pixel of the pictures.
    static GamePalette FromArt(const std::vector<const IndexedArt *> &art);

    const QList<QRgb> &ColourTable() const { return m_table; }
    // The picture in palette indexes, with the full 256-entry colour table.
    QImage Map(const IndexedArt &art) const;
    // A 16 x 16 picture whose pixel (i mod 16, i div 16) is index i.
    QImage Chart() const;

private:
    int NearestFree(QRgb colour) const;

    QList<QRgb> m_table;
};

} // namespace sk2art
