#pragma once

#include "effects/Canvas.h"
#include "player/PixelImage.h"
#include "player/PixelRect.h"

#include <functional>
#include <memory>
#include <span>

// How a show gets its surfaces and the effects' canvas. The Qt program draws with its image
// canvas; the Windows runtime backs the surfaces with DIB sections and draws with GDI.
class CanvasFactory {
public:
    virtual ~CanvasFactory() = default;

    // A surface for the screen picture and the two frames; by default plain memory.
    virtual PixelImage surface(int width, int height) { return PixelImage(width, height); }
    // The effects' canvas over the three surfaces; refresh() hands the parts of the screen
    // drawn since the last refresh to onRefresh.
    virtual std::unique_ptr<Canvas> canvas(
        PixelImage& screen, const PixelImage& outgoing, const PixelImage& incoming,
        std::function<void(std::span<const PixelRect> changed)> onRefresh) = 0;
};
