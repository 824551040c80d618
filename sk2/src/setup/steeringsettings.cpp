#include "steeringsettings.h"

namespace sk2 {

PlayerSteering SteeringSettings::Read(int player) const
{
    PlayerSteering steering;
    steering.keys = m_settings.ReadSteeringKeys(player, SetupDefaults::SteeringKeys(player));
    steering.sensitivity = m_settings.ReadInteger(Keys::Sensitivity(player), SetupDefaults::Sensitivity);
    steering.topSpeed = m_settings.ReadInteger(Keys::TopSpeed(player), SetupDefaults::TopSpeed);
    steering.inputDevice = m_settings.ReadInteger(Keys::InputDevice(player), SetupDefaults::InputDevice);
    return steering;
}

void SteeringSettings::Write(int player, const PlayerSteering &steering) const
{
    m_settings.WriteSteeringKeys(player, steering.keys);
    m_settings.WriteInteger(Keys::Sensitivity(player), steering.sensitivity);
    m_settings.WriteInteger(Keys::TopSpeed(player), steering.topSpeed);
    m_settings.WriteInteger(Keys::InputDevice(player), steering.inputDevice);
}

} // namespace sk2
