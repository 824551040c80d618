#pragma once

// A display and a clock for tests: frames are stepped by hand, what was shown is kept as a picture, and
// time moves only when the test moves it.

#include "display.h"
#include "frameconverter.h"

#include <QImage>

namespace sk2::dgc {

class ManualClock : public DGCClock
{
public:
    std::uint32_t TickCount() const override { return m_now; }
    void Set(std::uint32_t now) { m_now = now; }
    void Advance(std::uint32_t milliseconds) { m_now += milliseconds; }

private:
    std::uint32_t m_now = 0;
};

class HeadlessDisplay : public DGCDisplay
{
public:
    void Open(int width, int height) override;
    void Close() override { m_open = false; }
    void Present(const TDGCSurface &frame, const std::array<QRgb, 256> &colours) override;
    // Moves the clock (when one is attached) by one refresh period.
    void WaitForRefresh() override;
    void Beep() override { ++m_beeps; }
    bool RunsFrameLoop() const override { return false; }

    // Every WaitForRefresh then advances clock by millisecondsPerRefresh.
    void AttachClock(ManualClock *clock, std::uint32_t millisecondsPerRefresh);

    bool IsOpen() const { return m_open; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The last frame shown, in 32-bit colour, and how many have been shown.
    const QImage &Shown() const { return m_shown; }
    int PresentCount() const { return m_presents; }
    int BeepCount() const { return m_beeps; }

private:
    bool m_open = false;
    int m_width = 0;
    int m_height = 0;
    QImage m_shown;
    FrameConverter m_converter;
    int m_presents = 0;
    int m_beeps = 0;
    ManualClock *m_clock = nullptr;
    std::uint32_t m_period = 0;
};

} // namespace sk2::dgc
