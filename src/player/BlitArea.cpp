#include "player/BlitArea.h"

#include <algorithm>

std::optional<BlitArea> BlitArea::clip(QSize destination, qint64 x, qint64 y, qint64 width,
                                       qint64 height, QSize source, qint64 sourceX, qint64 sourceY)
{
    // Work in destination coordinates: the rectangle, the destination and the source moved so
    // that its pixel (sourceX, sourceY) sits on (x, y).
    const qint64 shiftX = x - sourceX;
    const qint64 shiftY = y - sourceY;
    const qint64 left = std::max({x, qint64{0}, shiftX});
    const qint64 top = std::max({y, qint64{0}, shiftY});
    const qint64 right =
        std::min({x + width, qint64{destination.width()}, shiftX + source.width()});
    const qint64 bottom =
        std::min({y + height, qint64{destination.height()}, shiftY + source.height()});
    if (left >= right || top >= bottom) {
        return std::nullopt;
    }
    return BlitArea{static_cast<int>(left),          static_cast<int>(top),
                    static_cast<int>(left - shiftX), static_cast<int>(top - shiftY),
                    static_cast<int>(right - left),  static_cast<int>(bottom - top)};
}
