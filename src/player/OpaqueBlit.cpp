#include "player/OpaqueBlit.h"

#include "player/BlitArea.h"

#include <algorithm>

void OpaqueBlit(PixelImage& destination, int x, int y, const PixelImage& picture)
{
    const auto area = BlitArea::clip(destination.size(), x, y, picture.width(), picture.height(),
                                     picture.size(), 0, 0);
    if (!area) {
        return;
    }
    for (int row = 0; row < area->height; ++row) {
        std::copy_n(picture.row(area->sourceY + row) + area->sourceX, area->width,
                    destination.row(area->y + row) + area->x);
    }
}
