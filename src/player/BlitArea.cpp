#include "player/BlitArea.h"

#include <algorithm>

std::optional<BlitArea> BlitArea::clip(PixelSize destination, std::int64_t x, std::int64_t y,
                                       std::int64_t width, std::int64_t height, PixelSize source,
                                       std::int64_t sourceX, std::int64_t sourceY)
{
    // Work in destination coordinates: the rectangle, the destination and the source moved so
    // that its pixel (sourceX, sourceY) sits on (x, y).
    const std::int64_t shiftX = x - sourceX;
    const std::int64_t shiftY = y - sourceY;
    const std::int64_t left = std::max({x, std::int64_t{0}, shiftX});
    const std::int64_t top = std::max({y, std::int64_t{0}, shiftY});
    const std::int64_t right =
        std::min({x + width, std::int64_t{destination.width}, shiftX + source.width});
    const std::int64_t bottom =
        std::min({y + height, std::int64_t{destination.height}, shiftY + source.height});
    if (left >= right || top >= bottom) {
        return std::nullopt;
    }
    return BlitArea{static_cast<int>(left),          static_cast<int>(top),
                    static_cast<int>(left - shiftX), static_cast<int>(top - shiftY),
                    static_cast<int>(right - left),  static_cast<int>(bottom - top)};
}
