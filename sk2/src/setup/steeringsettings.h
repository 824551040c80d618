#pragma once

#include "sk2settings.h"
#include "usedkeys.h"

namespace sk2 {

static_assert(KeysPerPlayer == SteeringKeyCount);

// One player's steering as the setup form edits it and the settings file keeps it.
struct PlayerSteering
{
    // Left, Right, Gas (KeyUp), Brakes (KeyDown), Fire 1, Fire 2.
    SteeringKeyCodes keys{};
    int sensitivity = 0;
    int topSpeed = 0;
    int inputDevice = 0;

    bool operator==(const PlayerSteering &) const = default;
};

// The nine steering keys of a player in the settings file, read and written through at once.
class SteeringSettings
{
public:
    // player is 1 or 2; a missing key gives the setup's own default for that player.
    PlayerSteering Read(int player) const;
    // Writes the six key codes, then sensitivity, top speed and device. Throws
    // win::EIniFileException when the file refuses a write; the later keys are then not written.
    void Write(int player, const PlayerSteering &steering) const;

private:
    Settings m_settings;
};

} // namespace sk2
