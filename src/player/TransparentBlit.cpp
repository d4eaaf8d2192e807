#include "player/TransparentBlit.h"

#include "player/BlitArea.h"

namespace {

// Written as a select rather than a branch so that the loop is vectorised (the build compiles
// this file with full loop optimisation).
void blendRow(std::uint32_t* destination, const std::uint32_t* source, int count, std::uint32_t key)
{
    for (int i = 0; i < count; ++i) {
        destination[i] = (source[i] & PixelImage::kColourMask) == key ? destination[i] : source[i];
    }
}

}  // namespace

void TransparentBlit(PixelImage& destination, int x, int y, int width, int height,
                     const PixelImage& source, int sourceX, int sourceY, std::uint32_t keyColour)
{
    const auto area =
        BlitArea::clip(destination.size(), x, y, width, height, source.size(), sourceX, sourceY);
    if (!area) {
        return;
    }
    const std::uint32_t key = keyColour & PixelImage::kColourMask;
    for (int row = 0; row < area->height; ++row) {
        blendRow(destination.row(area->y + row) + area->x,
                 source.row(area->sourceY + row) + area->sourceX, area->width, key);
    }
}
