// The image library loader of sk2's component pack ("track36.iml" and the other .iml files): any bytes
// loaded into a library that already holds a picture. A file it takes must write back as it was read
// (the palette's unused fourth bytes aside); a file it refuses must leave the library as it was.
#include "fuzzsupport.h"

#include "dgcerror.h"
#include "imagelib.h"

#include <cstdint>

namespace {

constexpr int PaletteOffset = 16;

sk2::dgc::TDGCImageLib HeldLibrary()
{
    sk2::dgc::TDGCImageLib library;
    sk2::dgc::DGCPalette palette;
    palette.SetColour(1, qRgb(10, 20, 30));
    library.SetPalette(palette);
    library.Add(sk2::dgc::TDGCSurface(3, 2, 1));
    return library;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::StartQt(fuzz::Qt::Core);
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    sk2::dgc::TDGCImageLib library = HeldLibrary();
    if (!fuzz::LoadOrKeep<sk2::dgc::EDGCError>(library, input, QStringLiteral("track36.iml")))
        return 0;
    QByteArray expected(input.constData(), input.size());
    for (int entry = 0; entry < 256; ++entry)
        expected[PaletteOffset + 4 * entry + 3] = 0;
    fuzz::Check(library.SaveToData() == expected, "an accepted file is not written back as it was read");
    for (int n = 0; n < library.Count(); ++n) {
        const sk2::dgc::TDGCSurface &image = library.Image(n);
        fuzz::Check(image.Width() >= 1 && image.Height() >= 1 &&
                        image.Width() <= sk2::dgc::TDGCImageLib::MaxImageSide &&
                        image.Height() <= sk2::dgc::TDGCImageLib::MaxImageSide,
                    "an image of an impossible size was accepted");
    }
    return 0;
}
