#pragma once

// What a race form takes from the machine: where its frames are shown, the clock, the sound output,
// the random numbers and where errors are shown. Each left empty takes the game's own: the form's
// full-screen view, the system clock, SDL_mixer, the fixed-seed generator and the standard error box.
// Tests fill them with a headless display, a manual clock and scripted sound and numbers.

#include "audio.h"
#include "display.h"
#include "racerandom.h"

#include <QString>

#include <functional>
#include <memory>

namespace sk2::race {

struct RacePlatform
{
    dgc::DGCDisplay *display = nullptr; // must outlive the form
    const dgc::DGCClock *clock = nullptr;
    std::unique_ptr<dgc::DGCAudioOutput> audio;
    std::unique_ptr<RaceRandom> random;
    std::function<void(const QString &)> showError;
};

} // namespace sk2::race
