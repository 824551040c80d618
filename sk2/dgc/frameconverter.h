#pragma once

// FrameConverter: turns the 8-bit frames of a screen into 32-bit pixels for the window, frame after
// frame. Successive race frames differ in few pixels (the track is redrawn the same each time), so
// after the first frame only the pixels that changed since the last one, or all of them when the
// colours changed (a fade), are looked up again.

#include "surface.h"

#include <QImage>
#include <QRgb>

#include <array>

namespace sk2::dgc {

class FrameConverter
{
public:
    // Brings target up to date with frame shown in colours. target must be the image this converter
    // filled last time, untouched since; any other image is converted whole.
    void Convert(const TDGCSurface &frame, const std::array<QRgb, 256> &colours, QImage &target);

private:
    TDGCSurface m_previous;
    std::array<QRgb, 256> m_colours{};
    qint64 m_targetKey = 0;
};

} // namespace sk2::dgc
