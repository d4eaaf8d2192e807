#pragma once

#include "player/PixelImage.h"

#include <cstdint>
#include <ostream>

// A picture of the show core with the pixel access tests need: read and set one pixel, and
// compare two pictures by their colours (the top byte ignored, as every reader does).
class PixelGrid : public PixelImage {
public:
    PixelGrid() = default;
    PixelGrid(int width, int height) : PixelImage(width, height) {}
    PixelGrid(const PixelImage& picture) : PixelImage(picture) {}

    static PixelGrid filled(int width, int height, std::uint32_t rgb)
    {
        PixelGrid grid(width, height);
        grid.fill(rgb);
        return grid;
    }

    std::uint32_t pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, std::uint32_t rgb) { row(y)[x] = kOpaque | (rgb & kColourMask); }

    friend bool operator==(const PixelGrid& a, const PixelGrid& b)
    {
        if (a.width() != b.width() || a.height() != b.height()) {
            return false;
        }
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                if ((a.pixel(x, y) & kColourMask) != (b.pixel(x, y) & kColourMask)) {
                    return false;
                }
            }
        }
        return true;
    }

    friend void PrintTo(const PixelGrid& grid, std::ostream* out)
    {
        *out << grid.width() << 'x' << grid.height();
        if (grid.width() > 0 && grid.height() > 0) {
            *out << " first pixel " << std::hex << grid.pixel(0, 0) << std::dec;
        }
    }
};
