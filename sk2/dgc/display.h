#pragma once

// What the screen needs from the machine: somewhere to show its frames (DGCDisplay) and a millisecond
// clock (DGCClock). A window on the desktop gives the first in play; the headless display and the
// manual clock (headless.h) give them in tests, where frames are stepped by hand.

#include "surface.h"

#include <QRgb>

#include <array>
#include <cstdint>

namespace sk2::dgc {

class DGCClock
{
public:
    virtual ~DGCClock() = default;
    // Milliseconds since some fixed moment, wrapping like the system's tick count.
    virtual std::uint32_t TickCount() const = 0;
};

// The machine's steady clock.
class SystemClock : public DGCClock
{
public:
    std::uint32_t TickCount() const override;
};

class DGCDisplay
{
public:
    virtual ~DGCDisplay() = default;

    // Takes the display for the program alone (full screen, pointer hidden) to show width x height
    // frames; Close gives it back.
    virtual void Open(int width, int height) = 0;
    virtual void Close() = 0;

    // Shows frame, each pixel in colours[its palette index], at once.
    virtual void Present(const TDGCSurface &frame, const std::array<QRgb, 256> &colours) = 0;
    // Returns at the display's next refresh, which paces the frames.
    virtual void WaitForRefresh() = 0;
    virtual void Beep() = 0;

    // True when the screen should run its own frame loop on the application's idle processing; false
    // when frames are stepped by hand.
    virtual bool RunsFrameLoop() const = 0;
};

} // namespace sk2::dgc
