#pragma once

// What a race form takes from the machine: where its frames are shown, the clock, the sound output,
// the random numbers, the players' input and where errors are shown. Each left empty takes the game's
// own: the form's full-screen view, the system clock, SDL_mixer, the program's fixed-seed generator,
// the form's keyboard with the desktop's pointer and joysticks, and the standard error box. Tests fill
// them with a headless display, a manual clock and scripted sound, numbers and input.

#include "audio.h"
#include "display.h"
#include "inputservices.h"
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
    std::unique_ptr<RaceRandom> random;        // empty: the program-wide generator
    const win::InputServices *input = nullptr; // must outlive the form; empty: the form's window
    std::function<void(const QString &)> showError;
};

} // namespace sk2::race
