#pragma once

#include "usedkeys.h"

#include <array>

namespace sk2 {

// One player's steering as the setup form edits it and the settings file keeps it.
struct PlayerSteering
{
    // Left, Right, Gas (KeyUp), Brakes (KeyDown), Fire 1, Fire 2.
    std::array<int, KeysPerPlayer> keys{};
    int sensitivity = 0;
    int topSpeed = 0;
    int inputDevice = 0;

    bool operator==(const PlayerSteering &) const = default;
};

// The steering keys of both players in the settings file, read and written through at once.
class SteeringSettings
{
public:
    SteeringSettings();

    // player is 1 or 2; a missing key gives the setup's own default for that player.
    PlayerSteering Read(int player) const;
    // Writes the nine keys of the player, keys first, then sensitivity, top speed and device.
    void Write(int player, const PlayerSteering &steering);
};

} // namespace sk2
