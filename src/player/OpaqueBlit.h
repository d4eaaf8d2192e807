#pragma once

#include "player/PixelImage.h"

// Paints a whole picture at natural size with its top-left corner at (x, y) of `destination`,
// opaque, clipped to the destination. A null picture paints nothing.
void OpaqueBlit(PixelImage& destination, int x, int y, const PixelImage& picture);
