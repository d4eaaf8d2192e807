#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// Every conversion from floating point to an integer in the effects rounds to the nearest
// integer with ties to even (2.5 -> 2, 3.5 -> 4); the effects' geometry depends on it.
// std::nearbyint rounds so under the default rounding mode, which the program never changes.
// Values beyond the 32-bit range saturate instead of overflowing.
inline std::int32_t roundHalfEven(double value)
{
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::nearbyint(value), kLowest, kHighest));
}

// The same rounding for clock readings, which do not fit 32 bits after a few weeks of uptime.
inline std::int64_t roundHalfEven64(double value)
{
    return static_cast<std::int64_t>(std::nearbyint(value));
}
