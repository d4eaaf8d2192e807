#include "player/OpaqueBlit.h"

#include "player/BlitArea.h"

#include <QRgb>

#include <algorithm>

namespace {
constexpr int kPixelDepth = 32;
}

void OpaqueBlit(QImage& destination, int x, int y, const QImage& picture)
{
    if (destination.depth() != kPixelDepth || picture.depth() != kPixelDepth) {
        return;
    }
    const auto area = BlitArea::clip(destination.size(), x, y, picture.width(), picture.height(),
                                     picture.size(), 0, 0);
    if (!area) {
        return;
    }
    for (int row = 0; row < area->height; ++row) {
        const auto* from =
            reinterpret_cast<const QRgb*>(picture.constScanLine(area->sourceY + row)) +
            area->sourceX;
        std::copy_n(from, area->width,
                    reinterpret_cast<QRgb*>(destination.scanLine(area->y + row)) + area->x);
    }
}
