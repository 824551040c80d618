// The track file reader of sk2: any bytes as "sk2.trk", opened as the game opens it, every record read
// and set up for a race in both screen modes as the race form does.
#include "fuzzsupport.h"

#include "racemode.h"
#include "trackfile.h"
#include "tracksetup.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Records beyond these add nothing the first ones do not reach.
constexpr std::int32_t RecordsSetUp = 16;

void CheckSetup(const sk2::TTrackSetup &setup)
{
    for (const auto &column : setup.Map) {
        for (const std::int32_t value : column)
            fuzz::Check(value >= 0 && value <= sk2::PlainGrassValue, "a map value names no tile picture");
    }
    for (const auto &row : setup.HintGrid) {
        for (const std::int8_t hint : row)
            fuzz::Check(hint >= -1 && hint <= 1, "a steering hint beyond one step");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::StartQt(fuzz::Qt::Core);
    fuzz::WriteScratchFile(QStringLiteral("sk2.trk"), data, size);
    sk2::SetTrackFolder(fuzz::ScratchFolder());
    const sk2::TRaceModeValues modes[] = {sk2::RaceModeValues(true, 640, 480),
                                          sk2::RaceModeValues(false, 800, 600)};
    try {
        sk2::OpenTrackFile();
        const std::int32_t count = sk2::TrackCount();
        fuzz::Check(count == std::max<std::int32_t>(1, std::int32_t(size / sk2::TrackRecordSize)),
                    "the track count does not follow from the file size");
        for (std::int32_t index = 0; index < std::min(count, RecordsSetUp); ++index) {
            const sk2::TTrackRec track = sk2::ReadTrack(index);
            if (size >= std::size_t(sk2::TrackRecordSize))
                fuzz::Check(
                    std::memcmp(&track, data + std::size_t(index) * sk2::TrackRecordSize, sizeof track) == 0,
                    "a record read differs from the file's bytes");
            fuzz::Check(sk2::TrackName(track).size() == track.Name.Length,
                        "the name is not as long as its length byte");
            for (const sk2::TRaceModeValues &mode : modes)
                CheckSetup(sk2::SetUpTrack(track, mode));
        }
        sk2::TTrackRec untouched{};
        bool refused = false;
        try {
            sk2::ReadTrack(count, untouched);
        } catch (const sk2::EInOutError &) {
            refused = true;
        }
        fuzz::Check(refused, "a read past the last record was not refused");
    } catch (const sk2::EInOutError &) {
        // The reader's own refusal.
    }
    sk2::CloseTrackFile();
    return 0;
}
