#pragma once

#include "player/CanvasFactory.h"
#include "runtime/windows/GdiSurface.h"

#include <memory>
#include <vector>

// Surfaces as DIB sections and the effects' canvas drawing on them with GDI.
class GdiCanvasFactory : public CanvasFactory {
public:
    PixelImage surface(int width, int height) override;
    std::unique_ptr<Canvas> canvas(
        PixelImage& screen, const PixelImage& outgoing, const PixelImage& incoming,
        std::function<void(std::span<const PixelRect> changed)> onRefresh) override;

    // The memory device context behind a picture this factory made, or null.
    HDC dcOf(const PixelImage& image);

private:
    std::vector<std::weak_ptr<GdiSurface>> surfaces_;
};
