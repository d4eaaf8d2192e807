#pragma once

#include "player/PixelSize.h"

#include <cstdint>
#include <optional>

// The part of a block transfer that lies inside both pictures: a width x height rectangle at
// (sourceX, sourceY) of the source lands at (x, y) of the destination. Computed in 64 bits, so
// any 32-bit position and size is clipped without overflow.
struct BlitArea {
    int x = 0;
    int y = 0;
    int sourceX = 0;
    int sourceY = 0;
    int width = 0;
    int height = 0;

    // Empty when nothing of the rectangle lies inside both pictures.
    static std::optional<BlitArea> clip(PixelSize destination, std::int64_t x, std::int64_t y,
                                        std::int64_t width, std::int64_t height, PixelSize source,
                                        std::int64_t sourceX, std::int64_t sourceY);
};
