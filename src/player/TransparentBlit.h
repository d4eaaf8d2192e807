#pragma once

#include "player/PixelImage.h"

#include <cstdint>

// Copies the width x height rectangle of `source` at (sourceX, sourceY) onto `destination` at
// (x, y), except the source pixels whose colour equals keyColour (0x00RRGGBB) exactly, the top
// byte ignored: those leave the destination unchanged. Whatever lies outside either picture is
// clipped. Nothing is allocated, so a rectangle of any size gives the same result.
void TransparentBlit(PixelImage& destination, int x, int y, int width, int height,
                     const PixelImage& source, int sourceX, int sourceY, std::uint32_t keyColour);
