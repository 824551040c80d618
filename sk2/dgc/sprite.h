#pragma once

// Sprites of a sprite manager: a race car, a bouncer and a static sprite.
//
// Positions, speeds and velocities are 16.16 fixed-point numbers. The integer x or y of a sprite is its
// position rounded to the nearest integer, halves upward; setting x or y sets a whole number. Direction
// d points d x 11.25 degrees clockwise from straight up (0 up, 8 right, 16 down, 24 left), and the
// velocity is speed x (sin, -cos) of that angle with each component rounded to 1/65536 pixel. Setting
// the speed or the direction recomputes the velocity; setting the speed does not clamp it. Setting the
// direction restarts the current animation at its first frame for that direction.
//
// Edge actions against the screen rectangle (0, 0, W, H): EdgeBounce pushes the sprite back inside and
// mirrors its direction; EdgeStopOutside marks it Stopped once it lies wholly outside.

#include "animation.h"
#include "fixedpoint.h"

#include <cstdint>

namespace sk2::dgc {

class TDGCSpriteMgr;
class TDGCSurface;

inline constexpr int EdgeStopOutside = 3;
inline constexpr int EdgeBounce = 6;

class TDGCSprite
{
public:
    explicit TDGCSprite(TDGCSpriteMgr &manager);
    virtual ~TDGCSprite() = default;
    TDGCSprite(const TDGCSprite &) = delete;
    TDGCSprite &operator=(const TDGCSprite &) = delete;

    int X() const { return FixedToInt(m_x); }
    int Y() const { return FixedToInt(m_y); }
    void SetX(int x) { m_x = IntToFixed(x); }
    void SetY(int y) { m_y = IntToFixed(y); }
    void MoveTo(int x, int y);
    Fixed FixedX() const { return m_x; }
    Fixed FixedY() const { return m_y; }

    double Speed() const { return FixedToDouble(m_speed); }
    void SetSpeed(double speed);
    double MaxSpeed() const { return FixedToDouble(m_maxSpeed); }
    void SetMaxSpeed(double speed) { m_maxSpeed = DoubleToFixed(speed); }
    double MinSpeed() const { return FixedToDouble(m_minSpeed); }
    void SetMinSpeed(double speed) { m_minSpeed = DoubleToFixed(speed); }
    double Acceleration() const { return FixedToDouble(m_acceleration); }
    void SetAcceleration(double step) { m_acceleration = DoubleToFixed(step); }
    double Deceleration() const { return FixedToDouble(m_deceleration); }
    void SetDeceleration(double step) { m_deceleration = DoubleToFixed(step); }
    Fixed SpeedFixed() const { return m_speed; }
    Fixed VelocityX() const { return m_velocityX; }
    Fixed VelocityY() const { return m_velocityY; }

    // Unless the speed already equals the maximum: speed + acceleration step, at most the maximum.
    void Accelerate();
    // Unless the speed already equals the minimum: speed - deceleration step, at least the minimum.
    void Decelerate();

    int Direction() const { return m_direction; }
    // Directions outside 0..31 are taken modulo 32.
    void SetDirection(int direction);

    int Animation() const { return m_animation; }
    // A different animation restarts at its first frame; the direction is kept.
    void SetAnimation(int animation);
    int Frame() const { return m_frame; }

    // The image shown now (-1 and nullptr when the animation gives none) and its size.
    int ImageNumber() const;
    const TDGCSurface *Image() const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    int ID = 0;
    bool Visible = true;
    bool Enabled = true;
    bool Stopped = false;
    int EdgeAction = 0;

    // One step of MoveAll at tick (milliseconds).
    virtual void Move(std::uint32_t tick) = 0;

protected:
    // Shows the next frame once the frame delay has passed since the last change; after the last frame
    // a looping animation starts again and any other raises the manager's OnAnimationEnd.
    void AdvanceAnimation(std::uint32_t tick);
    void AddVelocity();
    void ApplyEdgeAction();
    TDGCSpriteMgr &Manager() const { return m_manager; }

private:
    void RestartAnimation();
    void TakeFrameSize();
    void UpdateVelocity();
    void Bounce();
    void StopWhenOutside();

    TDGCSpriteMgr &m_manager;
    Fixed m_x = 0;
    Fixed m_y = 0;
    Fixed m_speed = 0;
    Fixed m_maxSpeed = 0;
    Fixed m_minSpeed = 0;
    Fixed m_acceleration = 0;
    Fixed m_deceleration = 0;
    Fixed m_velocityX = 0;
    Fixed m_velocityY = 0;
    int m_direction = 0;
    int m_animation = 0;
    int m_frame = 0;
    std::uint32_t m_lastFrameTick = 0;
    int m_width = 0;
    int m_height = 0;
};

// A car: it always moves by its velocity. The race steers it through speed and direction; it has no
// steering of its own.
class TDGCRaceCar : public TDGCSprite
{
public:
    // Sets the acceleration and deceleration steps to one hundredth of maxSpeed and the turn delay to
    // 50 ms.
    TDGCRaceCar(TDGCSpriteMgr &manager, double maxSpeed);
    int TurnDelay = 50;
    void Move(std::uint32_t tick) override;
};

// Accelerates every step and moves unless Stopped (the cones).
class TDGCBouncer : public TDGCSprite
{
public:
    using TDGCSprite::TDGCSprite;
    void Move(std::uint32_t tick) override;
};

// Animates in place and never moves (the finish line).
class TDGCStatic : public TDGCSprite
{
public:
    using TDGCSprite::TDGCSprite;
    void Move(std::uint32_t tick) override;
};

} // namespace sk2::dgc
