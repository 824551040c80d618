#include "inputfactory.h"

#include "joystickinput.h"
#include "keyboardinput.h"
#include "mouseinput.h"

namespace sk2 {

namespace {

// Indexes into SteeringKeyCodes.
enum SteeringKey { SteerLeft, SteerRight, SteerUp, SteerDown, SteerFire1, SteerFire2 };

std::uint16_t KeyCodeOf(std::int32_t stored)
{
    // Cutting a stored code to 16 bits could turn a meaningless number into a real key.
    return stored >= 0 && stored <= 255 ? static_cast<std::uint16_t>(stored) : 0;
}

std::unique_ptr<TInputDevice> CreateKeyboard(const SteeringKeyCodes &keys, const win::InputServices &services)
{
    auto keyboard = std::make_unique<TKeyBoardInput>(1, 50, services);
    keyboard->KeyLeft = KeyCodeOf(keys[SteerLeft]);
    keyboard->KeyRight = KeyCodeOf(keys[SteerRight]);
    keyboard->KeyUp = KeyCodeOf(keys[SteerUp]);
    keyboard->KeyDown = KeyCodeOf(keys[SteerDown]);
    keyboard->KeyFire1 = KeyCodeOf(keys[SteerFire1]);
    keyboard->KeyFire2 = KeyCodeOf(keys[SteerFire2]);
    return keyboard;
}

} // namespace

PlayerInput ReadPlayerInput(const Settings &settings, int player)
{
    PlayerInput input;
    input.InputDevice = settings.ReadInteger(Keys::InputDevice(player), RaceDefaults::InputDevice);
    input.Sensitivity = settings.ReadInteger(Keys::Sensitivity(player), RaceDefaults::Sensitivity);
    input.Keys = settings.ReadSteeringKeys(player, RaceDefaults::SteeringKeys(player));
    return input;
}

std::unique_ptr<TInputDevice> CreateInputDevice(const PlayerInput &player, const win::InputServices &services)
{
    switch (player.InputDevice) {
    case KeyboardDevice:
        return CreateKeyboard(player.Keys, services);
    case MouseDevice:
        return std::make_unique<TMouseInput>(1, player.Sensitivity, services);
    case Joystick1Device:
        return std::make_unique<TJoyStick>(win::JOYSTICKID1, player.Sensitivity, services);
    case Joystick2Device:
        return std::make_unique<TJoyStick>(win::JOYSTICKID2, player.Sensitivity, services);
    default:
        return nullptr;
    }
}

} // namespace sk2
