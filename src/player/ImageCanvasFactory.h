#pragma once

#include "player/CanvasFactory.h"

// The Qt program's canvases: plain-memory surfaces drawn on by ImageCanvas.
class ImageCanvasFactory : public CanvasFactory {
public:
    std::unique_ptr<Canvas> canvas(
        PixelImage& screen, const PixelImage& outgoing, const PixelImage& incoming,
        std::function<void(std::span<const PixelRect> changed)> onRefresh) override;
};
