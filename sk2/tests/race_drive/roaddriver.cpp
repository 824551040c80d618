#include "roaddriver.h"

#include <cmath>

namespace drivetest {

namespace {
// A waypoint counts as reached this close to the car's middle: early enough to turn in time.
constexpr int ReachRadius = 60;
} // namespace

RoadDriver::RoadDriver(const sk2::dgc::TDGCSprite &car, std::vector<QPoint> waypoints, double cruise)
    : m_car(car)
    , m_waypoints(std::move(waypoints))
    , m_cruise(cruise)
{
    Init(0);
}

std::vector<QPoint> RoadDriver::DefaultOvalCorners()
{
    return TileMiddles({{4, 3}, {4, 0}, {0, 0}, {0, 3}}, QSize(160, 150));
}

std::vector<QPoint> RoadDriver::TileMiddles(const std::vector<QPoint> &tiles, QSize tileSize)
{
    std::vector<QPoint> middles;
    for (const QPoint &tile : tiles)
        middles.emplace_back(1 + tileSize.width() * tile.x() + tileSize.width() / 2,
                             1 + tileSize.height() * tile.y() + tileSize.height() / 2);
    return middles;
}

int RoadDriver::TurnNeeded()
{
    const QPoint centre(m_car.X() + m_car.Width() / 2, m_car.Y() + m_car.Height() / 2);
    QPoint target = m_waypoints[m_next];
    if ((target - centre).manhattanLength() < ReachRadius) {
        m_next = (m_next + 1) % m_waypoints.size();
        ++m_passed;
        target = m_waypoints[m_next];
    }
    const QPoint way = target - centre;
    // Directions count clockwise from straight up in steps of 11.25 degrees.
    const double angle = std::atan2(double(way.x()), double(-way.y())) * 180.0 / M_PI;
    const int wanted = (int(std::lround(angle / 11.25)) + 32) % 32;
    const int turn = (wanted - m_car.Direction() + 32) % 32;
    return turn > 16 ? turn - 32 : turn;
}

double RoadDriver::TargetSpeed()
{
    return std::abs(TurnNeeded()) > 2 ? m_cruise / 2 : m_cruise;
}

bool RoadDriver::Up()
{
    return m_car.Speed() < TargetSpeed();
}

bool RoadDriver::Down()
{
    return m_car.Speed() > TargetSpeed() + 0.5;
}

bool RoadDriver::Right()
{
    return TurnNeeded() > 0;
}

bool RoadDriver::Left()
{
    return TurnNeeded() < 0;
}

} // namespace drivetest
