#include "runtime/windows/GdiCanvasFactory.h"

#include "runtime/windows/GdiCanvas.h"

#include <algorithm>

PixelImage GdiCanvasFactory::surface(int width, int height)
{
    std::erase_if(surfaces_,
                  [](const std::weak_ptr<GdiSurface>& known) { return known.expired(); });
    const std::shared_ptr<GdiSurface> made = GdiSurface::create(width, height);
    if (!made) {
        // Out of GDI resources: the show still runs on plain memory, drawn without effects.
        return CanvasFactory::surface(width, height);
    }
    surfaces_.push_back(made);
    return made->image();
}

std::unique_ptr<Canvas> GdiCanvasFactory::canvas(
    PixelImage& screen, const PixelImage& outgoing, const PixelImage& incoming,
    std::function<void(std::span<const PixelRect> changed)> onRefresh)
{
    return std::make_unique<GdiCanvas>(screen, dcOf(screen), dcOf(outgoing), dcOf(incoming),
                                       std::move(onRefresh));
}

HDC GdiCanvasFactory::dcOf(const PixelImage& image)
{
    if (image.isNull()) {
        return nullptr;
    }
    const void* bits = image.row(0);
    for (const std::weak_ptr<GdiSurface>& known : surfaces_) {
        const std::shared_ptr<GdiSurface> surface = known.lock();
        if (surface && surface->bits() == bits) {
            return surface->dc();
        }
    }
    return nullptr;
}
