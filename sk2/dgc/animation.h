#pragma once

// DGCAnimation: one named animation of a sprite manager: for each of the 32 directions a list of image
// numbers, the delay between frames in milliseconds, and whether it starts again after its last frame.

#include <QString>

#include <array>
#include <vector>

namespace sk2::dgc {

inline constexpr int DirectionCount = 32;

struct DGCAnimation
{
    QString Name;
    bool Loops = true;
    int Delay = 0;
    std::array<std::vector<int>, DirectionCount> Frames;

    void SetFrames(int direction, std::vector<int> images)
    {
        Frames[std::size_t(direction & 31)] = std::move(images);
    }
    // The same frames in every direction.
    void SetAllFrames(const std::vector<int> &images) { Frames.fill(images); }
};

} // namespace sk2::dgc
