#include "driveinput.h"

#include "drivefields.h"
#include "inputfactory.h"
#include "sk2settings.h"
#include "sprite.h"

namespace sk2::race {

namespace {

// Where the pointer starts when player 1 steers with the mouse.
constexpr int MouseStartX = 520;
constexpr int MouseStartY = 480;

void PollIfAvailable(TInputDevice *device, dgc::TDGCSprite &car)
{
    if (device && device->Available)
        PollInput(*device, car);
}

} // namespace

TRaceInputs CreateInputDevices(const Settings &settings, const win::InputServices &services,
                               std::int32_t device1, std::int32_t device2)
{
    TRaceInputs inputs;
    PlayerInput player1 = ReadPlayerInput(settings, 1);
    player1.InputDevice = device1;
    inputs.Input1 = CreateInputDevice(player1, services);
    if (device1 == MouseDevice)
        services.pointer.SetCursorPos(MouseStartX, MouseStartY);
    PlayerInput player2 = ReadPlayerInput(settings, 2);
    player2.InputDevice = device2;
    inputs.Input2 = CreateInputDevice(player2, services);
    return inputs;
}

TRaceInputs CreateInputDevices(const Settings &settings, const win::InputServices &services)
{
    return CreateInputDevices(settings, services,
                              settings.ReadInteger(Keys::InputDevice(1), RaceDefaults::InputDevice),
                              settings.ReadInteger(Keys::InputDevice(2), RaceDefaults::InputDevice));
}

void PollInput(TInputDevice &device, dgc::TDGCSprite &car)
{
    if (device.Up())
        car.Accelerate();
    else if (device.Down())
        car.Decelerate();
    if (device.Left())
        car.SetDirection(car.Direction() == 0 ? 31 : car.Direction() - 1);
    else if (device.Right())
        car.SetDirection(car.Direction() == 31 ? 0 : car.Direction() + 1);
    device.Fire1();
    device.Fire2();
}

void PollInputs(TRaceFields &fields, TInputDevice *input1, TInputDevice *input2, dgc::TDGCSprite &car1,
                dgc::TDGCSprite &car2, std::uint32_t now, int turnDelay)
{
    // Unsigned difference: right across the tick count's wrap.
    if (std::uint32_t(now - fields.LastPoll) <= std::uint32_t(turnDelay))
        return;
    fields.LastPoll = now;
    PollIfAvailable(input1, car1);
    PollIfAvailable(input2, car2);
}

} // namespace sk2::race
