// One whole race frame of sk2 at 800 x 600, beside a plain copy of one 800 x 600 32-bit frame.
//
// The race frame is the real race form's frame on a headless screen: the track map, the four heads-up
// boxes, the cones in play, both cars driving with their track contact, all sprites drawn, the flip and
// the conversion of the 8-bit frame into the window's 32-bit pixels; then the two cars' off-road
// overlap tests against the back buffer.
#include "trackfile.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#if __has_include("racecaru2.h")
#include "headless.h"
#include "profile.h"
#include "racecaru2.h"
#include "sk2settings.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

using NoSound = sk2::dgc::NoAudioOutput;

void BM_RaceFrame800x600(benchmark::State &state)
{
    QTemporaryDir folder;
    sk2::win::SetWindowsDirectory(folder.path());
    sk2::SetTrackFolder(folder.path());
    sk2::OpenTrackFile();
    sk2::Settings().WriteInteger(sk2::Keys::LastPicked, 0);
    sk2::dgc::HeadlessDisplay display;
    sk2::race::RacePlatform platform;
    platform.display = &display;
    platform.audio = std::make_unique<NoSound>();
    sk2::race::Tskrace2game race(std::move(platform));
    race.OpenScreen();
    // Both cars drive on by themselves (no devices steer them), touching the roadside now and then,
    // among the ten cones.
    race.Input1.reset();
    race.Input2.reset();
    const sk2::dgc::TDGCSurface &back = race.DGCScreen1.Back();
    for (auto _ : state) {
        for (sk2::dgc::TDGCRaceCar *car : {race.Car1, race.Car2}) {
            if (car->Speed() < 1)
                car->SetSpeed(4);
        }
        race.DGCScreen1.StepFrame();
        for (const sk2::dgc::TDGCRaceCar *car : {race.Car1, race.Car2})
            benchmark::DoNotOptimize(car->Image()->Overlaps(car->X(), car->Y(), back, 0, 0, true));
    }
    state.counters["presented"] = display.PresentCount();
    sk2::CloseTrackFile();
}
BENCHMARK(BM_RaceFrame800x600)->Unit(benchmark::kMicrosecond);

} // namespace
#endif

namespace {

void BM_PlainCopy800x600x32(benchmark::State &state)
{
    std::vector<std::uint32_t> from(800 * 600, 0x00336699u);
    std::vector<std::uint32_t> to(800 * 600);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainCopy800x600x32)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
#if __has_include("racecaru2.h")
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
