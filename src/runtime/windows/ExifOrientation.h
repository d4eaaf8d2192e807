#pragma once

#include "player/PixelImage.h"

// Turns a decoded picture upright by its EXIF orientation tag (1 to 8: as stored, mirrored,
// turned half way, flipped, transposed, turned right, transversed, turned left). Any other
// value leaves the picture as it is.
class ExifOrientation {
public:
    static constexpr int kUpright = 1;
    static constexpr int kLast = 8;

    static PixelImage apply(const PixelImage& picture, int orientation);
};
