// The sound library loader of sk2's component pack ("sk2demo.sdl"): any bytes loaded into a library that
// already holds a sound. A file it takes must write back byte for byte and hold only WAV file images; a
// file it refuses must leave the library as it was.
#include "fuzzsupport.h"

#include "dgcerror.h"
#include "soundlib.h"

#include <cstdint>

namespace {

sk2::dgc::TDGCSoundLib HeldLibrary()
{
    // The smallest RIFF WAVE image the library takes: the form type and nothing else.
    static const QByteArray wave("RIFF\x04\0\0\0WAVE", 12);
    sk2::dgc::TDGCSoundLib library;
    library.Add(wave);
    return library;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::StartQt(fuzz::Qt::Core);
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    sk2::dgc::TDGCSoundLib library = HeldLibrary();
    if (!fuzz::LoadOrKeep<sk2::dgc::EDGCError>(library, input, QStringLiteral("sk2demo.sdl")))
        return 0;
    fuzz::Check(library.SaveToData() == input, "an accepted file is not written back as it was read");
    for (int n = 0; n < library.Count(); ++n)
        fuzz::Check(sk2::dgc::TDGCSoundLib::IsWaveFile(library.Sound(n)), "a sound that is no WAV file");
    return 0;
}
