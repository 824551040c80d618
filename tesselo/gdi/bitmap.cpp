#include "bitmap.h"

#include <new>

namespace gdi {

Bitmap::Bitmap(QImage image, Format format)
    : m_image(std::move(image))
    , m_format(format)
{}

Colour Bitmap::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return White;
    if (isMono())
        return m_image.constScanLine(y)[x] ? White : Black;
    return reinterpret_cast<const QRgb *>(m_image.constScanLine(y))[x] | 0xFF000000;
}

void Bitmap::setPixel(int x, int y, Colour colour)
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return;
    if (isMono())
        m_image.scanLine(y)[x] = MonoValue(colour);
    else
        reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = colour | 0xFF000000;
}

Bitmap *CreateBitmap(int width, int height, Format format)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    QImage image(width, height, format == Format::Mono ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (image.isNull())
        return nullptr;
    image.fill(format == Format::Mono ? 0u : Black);
    return new (std::nothrow) Bitmap(std::move(image), format);
}

Bitmap *CreateBitmapFromImage(const QImage &image)
{
    QImage colour =
        image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    if (colour.isNull())
        return nullptr;
    return new (std::nothrow) Bitmap(std::move(colour), Format::Colour);
}

void DeleteBitmap(Bitmap *bitmap)
{
    delete bitmap;
}

std::uint8_t MonoValue(Colour colour)
{
    return (colour & 0xFFFFFF) == 0xFFFFFF ? 0xFF : 0x00;
}

} // namespace gdi
