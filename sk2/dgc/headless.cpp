#include "headless.h"

#include <chrono>

namespace sk2::dgc {

std::uint32_t SystemClock::TickCount() const
{
    using namespace std::chrono;
    return std::uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void HeadlessDisplay::Open(int width, int height)
{
    m_open = true;
    m_width = width;
    m_height = height;
}

void HeadlessDisplay::Present(const TDGCSurface &frame, const std::array<QRgb, 256> &colours)
{
    m_converter.Convert(frame, colours, m_shown);
    ++m_presents;
}

void HeadlessDisplay::WaitForRefresh()
{
    if (m_clock)
        m_clock->Advance(m_period);
}

void HeadlessDisplay::AttachClock(ManualClock *clock, std::uint32_t millisecondsPerRefresh)
{
    m_clock = clock;
    m_period = millisecondsPerRefresh;
}

} // namespace sk2::dgc
