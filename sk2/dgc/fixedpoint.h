#pragma once

// Fixed-point numbers with 16 fractional bits: positions, speeds and velocities of sprites.
// Rounding to a whole number goes to the nearest integer, halves upward (2.5 -> 3, -2.5 -> -2), and
// a real number becomes fixed-point by the same rule at 1/65536.

#include <cmath>
#include <cstdint>

namespace sk2::dgc {

using Fixed = std::int32_t;

inline constexpr int FixedShift = 16;
inline constexpr Fixed FixedOne = Fixed(1) << FixedShift;

constexpr Fixed IntToFixed(int value)
{
    return Fixed(std::int64_t(value) * FixedOne);
}

constexpr int FixedToInt(Fixed value)
{
    // An arithmetic shift rounds toward minus infinity, so adding a half first rounds halves upward.
    return int((std::int64_t(value) + FixedOne / 2) >> FixedShift);
}

inline Fixed DoubleToFixed(double value)
{
    return Fixed(std::floor(value * FixedOne + 0.5));
}

constexpr double FixedToDouble(Fixed value)
{
    return double(value) / FixedOne;
}

} // namespace sk2::dgc
