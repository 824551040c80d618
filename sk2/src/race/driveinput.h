#pragma once

// The players' input devices in the race: made once at the set-up from the settings file, polled
// during the frames at most every 50 ms, each poll accelerating or braking the car and turning it one
// direction step.

#include "inputdevice.h"
#include "inputservices.h"

#include <cstdint>
#include <memory>

namespace sk2 {
class Settings;
}

namespace sk2::dgc {
class TDGCSprite;
}

namespace sk2::race {

struct TRaceFields;

struct TRaceInputs
{
    // Either is empty when the player's device code names no device: that car gets no input.
    std::unique_ptr<TInputDevice> Input1;
    std::unique_ptr<TInputDevice> Input2;
};

// Player 1's device first, then player 2's, each from its player's settings: device1 and device2 are
// the device codes the race read at its set-up. When player 1 steers with the mouse, the pointer is
// then moved to (520, 480).
TRaceInputs CreateInputDevices(const Settings &settings, const win::InputServices &services,
                               std::int32_t device1, std::int32_t device2);
// The same with the device codes read from the settings.
TRaceInputs CreateInputDevices(const Settings &settings, const win::InputServices &services);

// Gas or else brakes; left or else right, one step, wrapping between 0 and 31. The fire buttons are
// asked but do nothing.
void PollInput(TInputDevice &device, dgc::TDGCSprite &car);

// The frame's input step: when more than turnDelay milliseconds have passed since LastPoll, each
// available device steers its car.
void PollInputs(TRaceFields &fields, TInputDevice *input1, TInputDevice *input2, dgc::TDGCSprite &car1,
                dgc::TDGCSprite &car2, std::uint32_t now, int turnDelay);

} // namespace sk2::race
