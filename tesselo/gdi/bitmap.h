#pragma once

// Off-screen bitmaps: colour (32 bits a pixel) or monochrome (one byte a pixel, 0 black, 0xFF white).
#include "wintypes.h"

#include <QImage>

namespace gdi {

enum class Format { Colour, Mono };

class Bitmap
{
public:
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    Format format() const { return m_format; }
    bool isMono() const { return m_format == Format::Mono; }

    // The pixels: QImage::Format_RGB32 for colour, QImage::Format_Grayscale8 (0 or 255) for monochrome.
    const QImage &image() const { return m_image; }
    QImage &image() { return m_image; }

    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour colour);

private:
    friend Bitmap *CreateBitmap(int width, int height, Format format);
    friend Bitmap *CreateBitmapFromImage(const QImage &image);
    Bitmap(QImage image, Format format);

    QImage m_image;
    Format m_format;
};

// A new bitmap, all black; null when the size is not positive or memory runs short.
Bitmap *CreateBitmap(int width, int height, Format format);
// A colour bitmap holding `image`'s pixels; null when memory runs short.
Bitmap *CreateBitmapFromImage(const QImage &image);
void DeleteBitmap(Bitmap *bitmap);

// How a colour lands on a monochrome pixel: white stays white (0xFF), every other colour is black (0).
std::uint8_t MonoValue(Colour colour);

} // namespace gdi
