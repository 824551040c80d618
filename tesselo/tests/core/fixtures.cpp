#include "fixtures.h"

#include <QFile>

#include <utility>

namespace fixtures {

namespace {

void Put16(QByteArray &out, std::uint16_t value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void Put32(QByteArray &out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

std::uint32_t Rgb(QRgb c)
{
    return c & 0xFFFFFF;
}

int IndexOf(const std::vector<std::uint32_t> &table, QRgb colour)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == Rgb(colour))
            return int(i);
    }
    return 0;
}

} // namespace

QByteArray BmpFile::bytes() const
{
    QByteArray info;
    Put32(info, headerSize);
    Put32(info, std::uint32_t(width));
    Put32(info, std::uint32_t(height));
    Put16(info, planes);
    Put16(info, bitCount);
    Put32(info, compression);
    Put32(info, std::uint32_t(pixels.size()));
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, clrUsed);
    Put32(info, 0);
    // Headers of other sizes are cut or padded: their contents past the size do not matter here.
    info.resize(headerSize, '\0');
    QByteArray table;
    for (std::uint32_t colour : colourTable)
        Put32(table, colour);

    const std::uint32_t offBits = 14 + std::uint32_t(info.size() + table.size());
    const std::uint32_t realSize = offBits + std::uint32_t(pixels.size());
    QByteArray file;
    file.append(magic[0]);
    file.append(magic[1]);
    Put32(file, sizeOverride >= 0 ? std::uint32_t(sizeOverride) : realSize);
    Put32(file, 0);
    Put32(file, offBitsOverride >= 0 ? std::uint32_t(offBitsOverride) : offBits);
    return file + info + table + pixels;
}

BmpFile Encode(const QImage &image, int bitCount, const std::vector<std::uint32_t> &table, bool topDown)
{
    BmpFile file;
    file.width = image.width();
    file.height = topDown ? -image.height() : image.height();
    file.bitCount = std::uint16_t(bitCount);
    file.colourTable = table;
    const int stride = (image.width() * bitCount + 31) / 32 * 4;
    for (int row = 0; row < image.height(); ++row) {
        const int y = topDown ? row : image.height() - 1 - row;
        QByteArray line(stride, '\0');
        auto *out = reinterpret_cast<std::uint8_t *>(line.data());
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (bitCount <= 8) {
                const int perByte = 8 / bitCount;
                out[x / perByte] |= std::uint8_t(IndexOf(table, c) << (8 - bitCount * (x % perByte + 1)));
            } else if (bitCount == 16) {
                const int v = (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3;
                out[2 * x] = std::uint8_t(v & 0xFF);
                out[2 * x + 1] = std::uint8_t(v >> 8);
            } else {
                const int size = bitCount / 8;
                out[size * x] = std::uint8_t(qBlue(c));
                out[size * x + 1] = std::uint8_t(qGreen(c));
                out[size * x + 2] = std::uint8_t(qRed(c));
            }
        }
        file.pixels += line;
    }
    return file;
}

QString Write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QImage Pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + y) & 0xFF, (y * 5 + x / 3) & 0xFF, (x ^ y) & 0xFF));
    }
    return image;
}

MemBitmap *PictureOf(const QImage &image)
{
    MemBitmap *picture =
        NewMemBitmap(nullptr, image.width(), image.height(), gdi::Format::Colour, "bRet", "PictureOf");
    if (picture) {
        picture->header.biSize = 40;
        picture->header.biBitCount = 24;
        picture->bitmap->image() = image.convertToFormat(QImage::Format_RGB32);
    }
    return picture;
}

AlertLog::AlertLog()
    : m_previous(SetAlertSink([this](AlertIcon icon, const QString &title, const QString &text) {
        icons.push_back(icon);
        titles.append(title);
        texts.append(text);
    }))
{}

AlertLog::~AlertLog()
{
    SetAlertSink(std::move(m_previous));
}

} // namespace fixtures
