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

TRaceInputs CreateInputDevices(const Settings &settings, const win::InputServices &services)
{
    TRaceInputs inputs;
    const PlayerInput player1 = ReadPlayerInput(settings, 1);
    inputs.Input1 = CreateInputDevice(player1, services);
    if (player1.InputDevice == MouseDevice)
        services.pointer.SetCursorPos(MouseStartX, MouseStartY);
    inputs.Input2 = CreateInputDevice(ReadPlayerInput(settings, 2), services);
    return inputs;
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

void PollInputs(TRaceFields &fields, TRaceInputs &inputs, dgc::TDGCSprite &car1, dgc::TDGCSprite &car2,
                std::uint32_t now, int turnDelay)
{
    // Unsigned difference: right across the tick count's wrap.
    if (std::uint32_t(now - fields.LastPoll) <= std::uint32_t(turnDelay))
        return;
    fields.LastPoll = now;
    PollIfAvailable(inputs.Input1.get(), car1);
    PollIfAvailable(inputs.Input2.get(), car2);
}

} // namespace sk2::race
