// The picture reader of tesselo: any bytes as a bitmap file, read the way the game opens a picture.
#include "fuzzsupport.h"

#include "dibdecode.h"
#include "picture.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::StartQt(fuzz::Qt::Gui);
    const QString path = fuzz::WriteScratchFile(QStringLiteral("picture.bmp"), data, size);
    long error = 1;
    MemBitmap *picture = ReadBitmapFile(path, &error);
    if (picture) {
        fuzz::Check(error == 0, "a picture came with an error code");
        const int width = WidthOf(picture);
        const int height = HeightOf(picture);
        fuzz::Check(width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide,
                    "a picture of an impossible size was accepted");
        fuzz::Check(picture->bitmap->width() == width && picture->bitmap->height() == height,
                    "the picture record and its bitmap disagree on the size");
        FreeMemBitmap(picture);
    } else {
        fuzz::Check(error == ReadCannotOpen || error == ReadNotBitmap || error == ReadShortFile,
                    "a refused picture came without a known error code");
    }
    ReleaseCurrentPalette();
    return 0;
}
