#include "player/TransparentBlit.h"

#include "player/BlitArea.h"

namespace {

constexpr int kPixelDepth = 32;
constexpr QRgb kColourMask = 0x00ffffff;

// Written as a select rather than a branch so that the loop is vectorised (the build compiles
// this file with full loop optimisation).
void blendRow(QRgb* destination, const QRgb* source, int count, QRgb key)
{
    for (int i = 0; i < count; ++i) {
        destination[i] = (source[i] & kColourMask) == key ? destination[i] : source[i];
    }
}

}  // namespace

void TransparentBlit(QImage& destination, int x, int y, int width, int height, const QImage& source,
                     int sourceX, int sourceY, QRgb keyColour)
{
    if (destination.depth() != kPixelDepth || source.depth() != kPixelDepth) {
        return;
    }
    const auto area =
        BlitArea::clip(destination.size(), x, y, width, height, source.size(), sourceX, sourceY);
    if (!area) {
        return;
    }
    const QRgb key = keyColour & kColourMask;
    for (int row = 0; row < area->height; ++row) {
        auto* to = reinterpret_cast<QRgb*>(destination.scanLine(area->y + row)) + area->x;
        const auto* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(area->sourceY + row)) +
            area->sourceX;
        blendRow(to, from, area->width, key);
    }
}
