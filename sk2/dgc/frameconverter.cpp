#include "frameconverter.h"

#include <cstdint>
#include <cstring>

namespace sk2::dgc {

namespace {
// Pixels compared at once.
constexpr int Block = 8;
} // namespace

void FrameConverter::Convert(const TDGCSurface &frame, const std::array<QRgb, 256> &colours, QImage &target)
{
    const bool whole = target.cacheKey() != m_targetKey || target.format() != QImage::Format_RGB32 ||
                       target.width() != frame.Width() || target.height() != frame.Height() ||
                       m_previous.Width() != frame.Width() || m_previous.Height() != frame.Height() ||
                       colours != m_colours;
    if (whole) {
        ConvertToRgb32(frame, colours, target);
        m_previous = frame;
        m_colours = colours;
        m_targetKey = target.cacheKey();
        return;
    }
    const int width = frame.Width();
    const int blocks = width / Block;
    for (int y = 0; y < frame.Height(); ++y) {
        const std::uint8_t *now = frame.ScanLine(y);
        std::uint8_t *before = m_previous.ScanLine(y);
        auto *to = reinterpret_cast<QRgb *>(target.scanLine(y));
        for (int b = 0; b < blocks; ++b) {
            std::uint64_t current;
            std::uint64_t last;
            std::memcpy(&current, now + b * Block, Block);
            std::memcpy(&last, before + b * Block, Block);
            if (current == last)
                continue;
            std::memcpy(before + b * Block, &current, Block);
            for (int x = b * Block; x < (b + 1) * Block; ++x)
                to[x] = colours[now[x]];
        }
        for (int x = blocks * Block; x < width; ++x) {
            before[x] = now[x];
            to[x] = colours[now[x]];
        }
    }
    // Writing through scanLine may have detached the image and changed its key.
    m_targetKey = target.cacheKey();
}

} // namespace sk2::dgc
