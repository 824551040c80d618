#include "imagelib.h"

#include "dgcerror.h"
#include "libraryfile.h"

#include <cstring>

namespace sk2::dgc {

namespace {
constexpr char ImageMagic[9] = "SK2IMLIB";
constexpr std::uint32_t ImageVersion = 1;

DGCPalette PaletteOf(const QImage &picture)
{
    DGCPalette palette;
    const QList<QRgb> table = picture.colorTable();
    for (int i = 0; i < table.size() && i < 256; ++i)
        palette.SetColour(i, table[i]);
    return palette;
}
} // namespace

const TDGCSurface &TDGCImageLib::Image(int n) const
{
    if (n < 0 || n >= Count())
        throw EDGCError(
            QStringLiteral("Image %1 is not in the image library (it holds %2)").arg(n).arg(Count()));
    return m_images[std::size_t(n)];
}

void TDGCImageLib::LoadFromFile(const QString &path)
{
    LoadFromData(ReadLibraryFile(path), path);
}

void TDGCImageLib::LoadFromData(const QByteArray &data, const QString &sourceName)
{
    LibraryReader reader(data, sourceName);
    reader.ExpectHeader(ImageMagic, ImageVersion, QStringLiteral("an image library"));
    const std::uint32_t count = reader.ReadUInt32();
    if (count > std::uint32_t(MaxImages))
        reader.Fail(QStringLiteral("it declares %1 images").arg(count));
    DGCPalette palette;
    for (int i = 0; i < 256; ++i) {
        const auto *rgb = reinterpret_cast<const unsigned char *>(reader.Take(4));
        palette.SetColour(i, qRgb(rgb[0], rgb[1], rgb[2]));
    }
    std::vector<TDGCSurface> images;
    images.reserve(count);
    for (std::uint32_t n = 0; n < count; ++n) {
        const int width = reader.ReadUInt16();
        const int height = reader.ReadUInt16();
        if (width < 1 || height < 1 || width > MaxImageSide || height > MaxImageSide)
            reader.Fail(
                QStringLiteral("image %1 has the impossible size %2 x %3").arg(n).arg(width).arg(height));
        const char *pixels = reader.Take(std::size_t(width) * std::size_t(height));
        TDGCSurface image(width, height);
        for (int y = 0; y < height; ++y)
            std::memcpy(image.ScanLine(y), pixels + std::size_t(y) * std::size_t(width), std::size_t(width));
        images.push_back(std::move(image));
    }
    reader.ExpectEnd();
    m_images = std::move(images);
    m_palette = palette;
}

QByteArray TDGCImageLib::SaveToData() const
{
    LibraryWriter writer;
    writer.WriteHeader(ImageMagic, ImageVersion);
    writer.WriteUInt32(std::uint32_t(m_images.size()));
    for (QRgb colour : m_palette.Colours()) {
        const char rgb[4] = {char(qRed(colour)), char(qGreen(colour)), char(qBlue(colour)), 0};
        writer.WriteBytes(rgb, 4);
    }
    for (const TDGCSurface &image : m_images) {
        writer.WriteUInt16(std::uint16_t(image.Width()));
        writer.WriteUInt16(std::uint16_t(image.Height()));
        for (int y = 0; y < image.Height(); ++y)
            writer.WriteBytes(reinterpret_cast<const char *>(image.ScanLine(y)), std::size_t(image.Width()));
    }
    return writer.Data();
}

void TDGCImageLib::SaveToFile(const QString &path) const
{
    WriteLibraryFile(path, SaveToData());
}

TDGCImageLib TDGCImageLib::FromIndexedImages(const QList<QImage> &pictures)
{
    TDGCImageLib library;
    for (qsizetype n = 0; n < pictures.size(); ++n) {
        const QImage &picture = pictures[n];
        if (picture.format() != QImage::Format_Indexed8)
            throw EDGCError(QStringLiteral("Picture %1 is not an 8-bit indexed picture").arg(n));
        if (picture.width() > MaxImageSide || picture.height() > MaxImageSide || picture.isNull())
            throw EDGCError(QStringLiteral("Picture %1 has an unusable size").arg(n));
        const DGCPalette palette = PaletteOf(picture);
        if (n == 0)
            library.m_palette = palette;
        else if (!(palette == library.m_palette))
            throw EDGCError(QStringLiteral("Picture %1 does not share the first picture's palette").arg(n));
        TDGCSurface image(picture.width(), picture.height());
        for (int y = 0; y < picture.height(); ++y)
            std::memcpy(image.ScanLine(y), picture.constScanLine(y), std::size_t(picture.width()));
        library.Add(std::move(image));
    }
    if (library.Count() > MaxImages)
        throw EDGCError(QStringLiteral("Too many pictures for one image library"));
    return library;
}

} // namespace sk2::dgc
