#include "sprite.h"

#include "spritemgr.h"
#include "surface.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sk2::dgc {

namespace {
// sin and -cos of each direction, with the axis directions exact so that they move along one axis only.
struct DirectionTable
{
    std::array<double, DirectionCount> dx;
    std::array<double, DirectionCount> dy;

    DirectionTable()
    {
        for (int d = 0; d < DirectionCount; ++d) {
            const double angle = d * 11.25 * M_PI / 180.0;
            dx[std::size_t(d)] = Snap(std::sin(angle));
            dy[std::size_t(d)] = Snap(-std::cos(angle));
        }
    }
    static double Snap(double value)
    {
        for (double exact : {-1.0, 0.0, 1.0}) {
            if (std::abs(value - exact) < 1e-12)
                return exact;
        }
        return value;
    }
};

const DirectionTable &Directions()
{
    static const DirectionTable table;
    return table;
}
} // namespace

TDGCSprite::TDGCSprite(TDGCSpriteMgr &manager)
    : m_manager(manager)
{
    RestartAnimation();
}

void TDGCSprite::MoveTo(int x, int y)
{
    SetX(x);
    SetY(y);
}

void TDGCSprite::SetSpeed(double speed)
{
    m_speed = DoubleToFixed(speed);
    UpdateVelocity();
}

void TDGCSprite::Accelerate()
{
    if (m_speed == m_maxSpeed)
        return;
    m_speed = Fixed(std::min<std::int64_t>(std::int64_t(m_speed) + m_acceleration, m_maxSpeed));
    UpdateVelocity();
}

void TDGCSprite::Decelerate()
{
    if (m_speed == m_minSpeed)
        return;
    m_speed = Fixed(std::max<std::int64_t>(std::int64_t(m_speed) - m_deceleration, m_minSpeed));
    UpdateVelocity();
}

void TDGCSprite::SetDirection(int direction)
{
    m_direction = ((direction % DirectionCount) + DirectionCount) % DirectionCount;
    UpdateVelocity();
    RestartAnimation();
}

void TDGCSprite::SetAnimation(int animation)
{
    if (animation == m_animation)
        return;
    m_animation = animation;
    RestartAnimation();
}

void TDGCSprite::UpdateVelocity()
{
    const double speed = FixedToDouble(m_speed);
    const std::size_t d = std::size_t(m_direction);
    m_velocityX = DoubleToFixed(speed * Directions().dx[d]);
    m_velocityY = DoubleToFixed(speed * Directions().dy[d]);
}

void TDGCSprite::RestartAnimation()
{
    m_frame = 0;
    m_lastFrameTick = m_manager.TickCount();
    TakeFrameSize();
}

int TDGCSprite::ImageNumber() const
{
    const DGCAnimation *animation = m_manager.AnimationAt(m_animation);
    if (!animation)
        return -1;
    const std::vector<int> &frames = animation->Frames[std::size_t(m_direction)];
    if (m_frame < 0 || m_frame >= int(frames.size()))
        return -1;
    return frames[std::size_t(m_frame)];
}

const TDGCSurface *TDGCSprite::Image() const
{
    return m_manager.ImageFor(ImageNumber());
}

void TDGCSprite::TakeFrameSize()
{
    const TDGCSurface *image = Image();
    m_width = image ? image->Width() : 0;
    m_height = image ? image->Height() : 0;
}

void TDGCSprite::AdvanceAnimation(std::uint32_t tick)
{
    const DGCAnimation *animation = m_manager.AnimationAt(m_animation);
    if (!animation)
        return;
    // Unsigned difference: correct across the tick count's wrap.
    if (std::uint32_t(tick - m_lastFrameTick) < std::uint32_t(std::max(animation->Delay, 0)))
        return;
    m_lastFrameTick = tick;
    const int frameCount = int(animation->Frames[std::size_t(m_direction)].size());
    if (m_frame + 1 < frameCount) {
        ++m_frame;
        TakeFrameSize();
    } else if (animation->Loops) {
        m_frame = 0;
        TakeFrameSize();
    } else {
        m_manager.RaiseAnimationEnd(this);
    }
}

void TDGCSprite::AddVelocity()
{
    m_x = Fixed(std::int64_t(m_x) + m_velocityX);
    m_y = Fixed(std::int64_t(m_y) + m_velocityY);
}

void TDGCSprite::ApplyEdgeAction()
{
    if (EdgeAction == EdgeBounce)
        Bounce();
    else if (EdgeAction == EdgeStopOutside)
        StopWhenOutside();
}

void TDGCSprite::Bounce()
{
    const int width = m_manager.ScreenWidth();
    const int height = m_manager.ScreenHeight();
    auto mirrorLeftRight = [this] { SetDirection(m_direction == 0 ? 0 : 32 - m_direction); };
    auto mirrorUpDown = [this] { SetDirection(m_direction <= 16 ? 16 - m_direction : 48 - m_direction); };
    if (X() < 0) {
        SetX(0);
        mirrorLeftRight();
    } else if (X() + m_width > width && m_direction >= 1 && m_direction <= 15) {
        SetX(width - m_width);
        mirrorLeftRight();
    }
    if (Y() < 0) {
        SetY(0);
        mirrorUpDown();
    } else if (Y() + m_height > height && m_direction >= 9 && m_direction <= 23) {
        SetY(height - m_height);
        mirrorUpDown();
    }
}

void TDGCSprite::StopWhenOutside()
{
    const int width = m_manager.ScreenWidth();
    const int height = m_manager.ScreenHeight();
    const bool headingRight = m_direction >= 1 && m_direction <= 15;
    const bool headingDown = m_direction >= 9 && m_direction <= 23;
    if (X() + m_width < 0 || (X() > width && headingRight) || Y() + m_height < 0 ||
        (Y() > height && headingDown))
        Stopped = true;
}

TDGCRaceCar::TDGCRaceCar(TDGCSpriteMgr &manager, double maxSpeed)
    : TDGCSprite(manager)
{
    SetMaxSpeed(maxSpeed);
    SetAcceleration(maxSpeed / 100.0);
    SetDeceleration(maxSpeed / 100.0);
}

void TDGCRaceCar::Move(std::uint32_t tick)
{
    Stopped = false;
    AdvanceAnimation(tick);
    AddVelocity();
    ApplyEdgeAction();
}

void TDGCBouncer::Move(std::uint32_t tick)
{
    AdvanceAnimation(tick);
    Accelerate();
    if (!Stopped)
        AddVelocity();
    ApplyEdgeAction();
}

void TDGCStatic::Move(std::uint32_t tick)
{
    AdvanceAnimation(tick);
}

} // namespace sk2::dgc
