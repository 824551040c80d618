#include "picture.h"

#include "alerts.h"
#include "dibdecode.h"
#include "memory.h"

#include <QFile>

#include <cctype>
#include <cstring>

using namespace gdi;

namespace {

constexpr std::size_t InfoHeaderOffset = FileHeaderSize;
constexpr std::size_t ColourTableOffset = FileHeaderSize + InfoHeaderSize;
constexpr std::uint32_t MaxPaletteEntries = 0xFFFF; // what a LOGPALETTE can count

Palette *currentPalette = nullptr;

std::uint32_t Le32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void PutLe32(std::uint8_t *p, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(value >> (8 * i));
}

// The whole file in a block from MyGAlloc, the file header first, so that every offset in the file is
// an offset in the block.
struct FileBuffer
{
    ~FileBuffer() { MyGFree(bytes); }
    std::uint8_t *bytes = nullptr;
    std::uint32_t size = 0;
};

// Steps 1 to 3: the file into `buffer`. 0, or the error code.
long ReadWholeFile(const QString &path, FileBuffer &buffer)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadCannotOpen;
    std::uint8_t fileHeader[FileHeaderSize];
    if (file.read(reinterpret_cast<char *>(fileHeader), FileHeaderSize) != FileHeaderSize ||
        std::tolower(fileHeader[0]) != 'b' || std::tolower(fileHeader[1]) != 'm')
        return ReadNotBitmap;
    const std::uint32_t announced = Le32(fileHeader + 2);
    if (announced < FileHeaderSize)
        return ReadNotBitmap;
    // Measured before anything is allocated, so that a header announcing gigabytes costs nothing.
    if (file.size() < qint64(announced))
        return ReadShortFile;
    buffer.bytes = static_cast<std::uint8_t *>(MyGAlloc(announced, "pBuff", "ReadBitmapFile"));
    if (!buffer.bytes)
        return ReadNotBitmap;
    buffer.size = announced;
    std::memcpy(buffer.bytes, fileHeader, FileHeaderSize);
    const qint64 wanted = qint64(announced) - FileHeaderSize;
    const qint64 got = file.read(reinterpret_cast<char *>(buffer.bytes) + FileHeaderSize, wanted);
    if (got < 0)
        return ReadNotBitmap;
    return got == wanted ? 0L : long(ReadShortFile);
}

// Step 4: only the 40-byte info header is read.
bool HeaderKindIsRead(const FileBuffer &buffer)
{
    if (buffer.size < InfoHeaderOffset + 4)
        return false;
    const std::uint32_t headerSize = Le32(buffer.bytes + InfoHeaderOffset);
    if (headerSize == 16) {
        ShowAlert(AlertIcon::None, QStringLiteral("ReadBitmapFile"),
                  QStringLiteral("Code not implemented to read this type of file."));
        return false;
    }
    return headerSize == InfoHeaderSize && buffer.size >= ColourTableOffset;
}

// Step 5: the colour table as a LOGPALETTE block, or null after the allocation message.
LOGPALETTE *BuildLogPalette(const FileBuffer &buffer, std::uint32_t entries)
{
    auto *logPalette =
        static_cast<LOGPALETTE *>(MyGAlloc(std::size_t(entries) * 4 + 8, "logPal", "ReadBitmapFile"));
    if (!logPalette)
        return nullptr;
    logPalette->palVersion = 0x300;
    logPalette->palNumEntries = std::uint16_t(entries);
    PALETTEENTRY *out = PaletteEntries(logPalette);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint8_t *quad = buffer.bytes + ColourTableOffset + 4 * std::size_t(i);
        out[i] = PALETTEENTRY{quad[2], quad[1], quad[0], 0};
    }
    return logPalette;
}

// Step 6: the new palette becomes the current one and goes into the backing's device context.
void InstallPalette(Palette *palette, MemBitmap *backing)
{
    ReleaseCurrentPalette(backing);
    currentPalette = palette;
    if (backing && backing->dc)
        backing->previousPalette = backing->dc->SelectPalette(palette);
}

// Step 8: the record with the picture selected into its own device context.
MemBitmap *MakePictureRecord(QImage pixels, const BITMAPINFOHEADER &header)
{
    auto *record = static_cast<MemBitmap *>(MyGAlloc(sizeof(MemBitmap), "bRet", "ReadBitmapFile"));
    if (!record)
        return nullptr;
    record->header = header;
    record->header.biHeight = pixels.height(); // top-down pictures are turned the right way up
    record->bitmap = CreateBitmapFromImage(pixels);
    record->dc = CreateCompatibleDC();
    if (!record->bitmap || !record->dc) {
        FreeMemBitmap(record);
        return nullptr;
    }
    record->previousObject = record->dc->SelectBitmap(record->bitmap);
    return record;
}

MemBitmap *Refuse(long code, long *error)
{
    if (error)
        *error = code;
    return nullptr;
}

} // namespace

MemBitmap *ReadBitmapFile(const QString &path, long *error, MemBitmap *backing)
{
    FileBuffer buffer;
    if (const long code = ReadWholeFile(path, buffer); code != 0)
        return Refuse(code, error);
    if (!HeaderKindIsRead(buffer))
        return Refuse(ReadNotBitmap, error);

    const std::uint32_t offBits = Le32(buffer.bytes + 10);
    BITMAPINFOHEADER header;
    std::memcpy(&header, buffer.bytes + InfoHeaderOffset, sizeof header);
    if (offBits < ColourTableOffset || offBits > buffer.size)
        return Refuse(ReadNotBitmap, error);
    const std::uint32_t entries = (offBits - ColourTableOffset) / 4;
    if (entries > MaxPaletteEntries)
        return Refuse(ReadNotBitmap, error);
    // The colour table is as long as the gap before the pixels, whatever the file said.
    header.biClrUsed = entries;
    PutLe32(buffer.bytes + InfoHeaderOffset + 32, entries);
    if (!DibIsReadable(header, offBits, buffer.size))
        return Refuse(ReadNotBitmap, error);

    QImage pixels = DecodeDib(buffer.bytes, buffer.size, offBits, header);
    if (pixels.isNull())
        return Refuse(ReadNotBitmap, error);
    LOGPALETTE *logPalette = BuildLogPalette(buffer, entries);
    if (!logPalette)
        return Refuse(ReadNotBitmap, error);
    Palette *palette = CreatePalette(logPalette);
    MyGFree(logPalette);
    if (!palette)
        return Refuse(ReadNotBitmap, error);
    InstallPalette(palette, backing);

    MemBitmap *picture = MakePictureRecord(std::move(pixels), header);
    if (!picture)
        return Refuse(ReadNotBitmap, error);
    if (error)
        *error = 0;
    return picture;
}

const Palette *CurrentPalette()
{
    return currentPalette;
}

void ReleaseCurrentPalette(MemBitmap *backing)
{
    if (!currentPalette)
        return;
    if (backing && backing->dc && backing->dc->palette() == currentPalette) {
        backing->dc->SelectPalette(backing->previousPalette);
        backing->previousPalette = nullptr;
    }
    DeletePalette(currentPalette);
    currentPalette = nullptr;
}
