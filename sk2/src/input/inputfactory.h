#pragma once

// Making a player's input device from the player's settings.

#include "inputdevice.h"
#include "inputservices.h"
#include "sk2settings.h"

#include <memory>

namespace sk2 {

// Device codes as the settings file stores them under InputDevice.
inline constexpr std::int32_t KeyboardDevice = 0;
inline constexpr std::int32_t MouseDevice = 1;
inline constexpr std::int32_t Joystick1Device = 2;
inline constexpr std::int32_t Joystick2Device = 3;

// One player's input settings.
struct PlayerInput
{
    std::int32_t InputDevice = RaceDefaults::InputDevice;
    std::int32_t Sensitivity = RaceDefaults::Sensitivity;
    SteeringKeyCodes Keys{}; // in the order of SteeringKeyNames: Left, Right, Up, Down, Fire1, Fire2
};

// The player's (1 or 2) input settings as the race reads them, each missing key with the race's
// default.
PlayerInput ReadPlayerInput(const Settings &settings, int player);

// The player's device: the keyboard with the player's keys, the mouse with re-centring on, or
// joystick 1 or 2, the sensitivity passed on. A device code outside 0..3 gives no device (nullptr):
// that player's car simply gets no input. Key codes outside 0..255 name no key.
std::unique_ptr<TInputDevice> CreateInputDevice(const PlayerInput &player,
                                                const win::InputServices &services);

} // namespace sk2
