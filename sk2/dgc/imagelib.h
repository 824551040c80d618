#pragma once

// TDGCImageLib: a numbered list of 8-bit images with the 256-colour palette they are drawn in. The
// sprite pictures and each set of track tiles are one image library. LoadFromFile reads the pack's own
// image library format (FORMATS.md); FromIndexedImages builds one from indexed pictures (the packer).

#include "palette.h"
#include "surface.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <vector>

namespace sk2::dgc {

class TDGCImageLib
{
public:
    // Largest image side and image count a library file may declare.
    static constexpr int MaxImageSide = 4096;
    static constexpr int MaxImages = 4096;

    int Count() const { return int(m_images.size()); }
    // Image n, 0-based; EDGCError when there is no such image.
    const TDGCSurface &Image(int n) const;
    void Add(TDGCSurface image) { m_images.push_back(std::move(image)); }
    void Clear() { m_images.clear(); }

    const DGCPalette &Palette() const { return m_palette; }
    void SetPalette(const DGCPalette &palette) { m_palette = palette; }

    // Replaces the images and the palette with those of a library file (a path or a Qt resource). On
    // error (EDGCError naming the file and the fault) the library keeps what it held.
    void LoadFromFile(const QString &path);
    void LoadFromData(const QByteArray &data, const QString &sourceName);
    QByteArray SaveToData() const;
    void SaveToFile(const QString &path) const;

    // A library from 8-bit indexed pictures; the palette is the first picture's colour table (padded
    // with black to 256 entries), and every picture must use that same table. EDGCError otherwise.
    static TDGCImageLib FromIndexedImages(const QList<QImage> &pictures);

private:
    std::vector<TDGCSurface> m_images;
    DGCPalette m_palette;
};

} // namespace sk2::dgc
