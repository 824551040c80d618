#pragma once

// A scripted player that follows the road of the default oval: it steers its car toward one corner
// of the course after the other and keeps a steady pace, slower in the turns. Used as the input
// device of a car, so the race polls it like a keyboard.

#include "inputdevice.h"
#include "sprite.h"

#include <QPoint>
#include <QSize>

#include <vector>

namespace drivetest {

class RoadDriver : public sk2::TInputDevice
{
public:
    // waypoints: the course's corners in driving order, as points on the screen the car's middle
    // should pass near; cruise: the speed kept on the straights.
    RoadDriver(const sk2::dgc::TDGCSprite &car, std::vector<QPoint> waypoints, double cruise);

    void Init(std::int32_t) override { Available = true; }
    bool Up() override;
    bool Down() override;
    bool Right() override;
    bool Left() override;
    bool Fire1() override { return false; }
    bool Fire2() override { return false; }

    int WaypointsPassed() const { return m_passed; }

    // The corners of the default oval on the 800 x 600 screen (the road's middle in each corner
    // tile), starting with the bottom right one: the way from the start line.
    static std::vector<QPoint> DefaultOvalCorners();
    // The middles of the given tiles (column, row) of a track drawn from (1, 1) in tiles of the given
    // size: where the road runs.
    static std::vector<QPoint> TileMiddles(const std::vector<QPoint> &tiles, QSize tileSize);

private:
    // How many direction steps the car should turn, -15..16, toward its next waypoint.
    int TurnNeeded();
    double TargetSpeed();

    const sk2::dgc::TDGCSprite &m_car;
    std::vector<QPoint> m_waypoints;
    double m_cruise;
    std::size_t m_next = 0;
    int m_passed = 0;
};

} // namespace drivetest
